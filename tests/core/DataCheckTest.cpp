#include "core/check/DataCheck.h"
#include "CaseName.h"
#include "Cp932Text.h"
#include "core/Cp932.h"
#include "core/DataDir.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace turvane;
using namespace cp932text;

namespace {

// A small, clean year: three days, the same on every line of the three files.
struct Year {
    std::vector<std::string> meetings = {
        "0105" + Meeting(Tokyo, '1', '1', Star) + Meeting(Kyoto, '1', '1', Star),
        "0111" + Meeting(Tokyo, '1', '2', Star) + Meeting(Kyoto, '1', '2', Star),
        "0112" + Meeting(Tokyo, '1', '3', Star),
    };
    std::vector<std::string> courses = {
        "0105" + Words('1', '1') + std::string(27, ' ') + Words('1', '1'),
        "0111" + Words('1', '2') + std::string(27, ' ') + Words('1', '2'),
        "0112" + std::string(36, ' ') + Words('1', '3'),
    };
    std::vector<std::string> races = {
        "0105" + Race(Tokyo, "Race A") + Race(Kyoto, "Race B"),
        "0111",
        "0112" + Race(Tokyo, "Race C"),
    };
    std::string courseTail; // bytes after the course file's last line
    bool noCourseFile = false;

    void SetDate(std::size_t line, const std::string& mmdd) {
        for (auto* file : {&meetings, &courses, &races}) {
            (*file)[line].replace(0, 4, mmdd);
        }
    }
    // Later days with one meeting and no race, alike in all three files.
    void AddDays(const std::vector<std::string>& mmdds) {
        for (const std::string& mmdd : mmdds) {
            meetings.push_back(mmdd + Meeting(Tokyo, '2', '1', Star));
            courses.push_back(mmdd + std::string(36, ' ') + Words('2', '1'));
            races.push_back(mmdd);
        }
    }
};

struct CheckCase {
    const char* name;
    std::function<void(Year&)> change;
    std::vector<std::string> findings;
    int year = ScheduleYear::Default;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class DataCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(DataCheckTest, ReportsEachProblemWhereItIs) {
    Year year;
    GetParam().change(year);
    MemoryFiles files("/d");
    files.Write(MeetingFile, Join(year.meetings));
    files.Write(CourseFile, Join(year.courses) + year.courseTail);
    files.Write(RaceFile, Join(year.races));
    if (year.noCourseFile) {
        files.Remove(CourseFile);
    }
    std::vector<std::string> findings;
    for (const Finding& finding : CheckDataFiles(files, ScheduleYear(GetParam().year)).findings) {
        findings.push_back(FormatFinding(finding));
    }
    EXPECT_EQ(findings, GetParam().findings);
}

const std::string C1 = "/d/Cal1.dat:";
const std::string C2 = "/d/Cal2.dat:";
const std::string Jy = "/d/jyuusyou.dat:";

INSTANTIATE_TEST_SUITE_P(
    Layout, DataCheckTest,
    testing::Values(
        CheckCase{"Clean", [](Year&) {}, {}},
        CheckCase{"TrailingBlanksAndANulAtTheVeryEnd",
                  [](Year& y) {
                      y.races[1] += std::string(200, ' ');
                      y.courseTail = std::string(1, '\0');
                  },
                  {}},
        CheckCase{"DateNotFourDigits",
                  [](Year& y) { y.SetDate(1, "01 1"); },
                  {C1 + "2:1: error: the date '01 1' is not four digits (month and day)",
                   C2 + "2:1: error: the date '01 1' is not four digits (month and day)",
                   Jy + "2:1: error: the date '01 1' is not four digits (month and day)"}},
        CheckCase{"LineTooShortForADate",
                  [](Year& y) { y.races[1] = "01"; },
                  {Jy + "2:1: error: the date '01' is not four digits (month and day)"}},
        CheckCase{"DateNotADayOfTheYear",
                  [](Year& y) { y.SetDate(2, "0229"); },
                  {C1 + "3:1: error: the date '0229' is not a day of 2003",
                   C2 + "3:1: error: the date '0229' is not a day of 2003",
                   Jy + "3:1: error: the date '0229' is not a day of 2003"}},
        CheckCase{"LeapDayOfALeapYear", [](Year& y) { y.SetDate(2, "0229"); }, {}, 2004},
        CheckCase{"DatesOutOfOrderInAllThree",
                  [](Year& y) { y.SetDate(2, "0106"); },
                  {C1 + "3:1: error: the date '0106' comes after '0111' on line 2; the lines "
                        "must be in date order",
                   C2 + "3:1: error: the date '0106' comes after '0111' on line 2; the lines "
                        "must be in date order",
                   Jy + "3:1: error: the date '0106' comes after '0111' on line 2; the lines "
                        "must be in date order"}},
        CheckCase{"DateRepeated",
                  [](Year& y) { y.SetDate(2, "0111"); },
                  {C1 + "3:1: error: the date '0111' repeats the one on line 2",
                   C2 + "3:1: error: the date '0111' repeats the one on line 2",
                   Jy + "3:1: error: the date '0111' repeats the one on line 2"}},
        // The three files read side by side: what only one file gets wrong is
        // blamed on that file, once.
        CheckCase{"WrongDateInOneFileOutOfOrder",
                  [](Year& y) { y.meetings[2].replace(0, 4, "0106"); },
                  {C1 + "3:1: error: the date '0106' should be '0112', as in Cal2.dat and "
                        "jyuusyou.dat"}},
        CheckCase{"WrongDateInOneFileInOrder",
                  [](Year& y) { y.races[1].replace(0, 4, "0108"); },
                  {Jy + "2:1: error: the date '0108' should be '0111', as in Cal1.dat and "
                        "Cal2.dat"}},
        CheckCase{"WrongDateLaterThanTheNextLine",
                  [](Year& y) { y.courses[1].replace(0, 4, "0120"); },
                  {C2 + "2:1: error: the date '0120' should be '0111', as in Cal1.dat and "
                        "jyuusyou.dat"}},
        CheckCase{"LineMissingFromOneFile",
                  [](Year& y) { y.courses.erase(y.courses.begin() + 1); },
                  {C2 + "2:1: error: a line for '0111' is missing here; Cal1.dat has it on line "
                        "2"}},
        CheckCase{"FirstLineMissing",
                  [](Year& y) { y.meetings.erase(y.meetings.begin()); },
                  {C1 + "1:1: error: a line for '0105' is missing here; Cal2.dat has it on line "
                        "1"}},
        CheckCase{"LinesMissingAtTheEnd",
                  [](Year& y) { y.races.resize(1); },
                  {Jy + "2:1: error: 2 lines are missing here, for '0111' to '0112'; Cal1.dat "
                        "has them from line 2 on"}},
        CheckCase{"LineAddedToOneFile",
                  [](Year& y) { y.meetings.insert(y.meetings.begin() + 1, "0108"); },
                  {C1 + "2:1: error: this line ('0108') is in neither Cal2.dat nor "
                        "jyuusyou.dat"}},
        CheckCase{"LinesAddedAtTheEnd",
                  [](Year& y) {
                      y.courses.push_back("0113");
                      y.courses.push_back("0118");
                  },
                  {C2 + "4:1: error: this line and the one after it are in neither Cal1.dat nor "
                        "jyuusyou.dat"}},
        CheckCase{"LineMissingAndAnotherAdded",
                  [](Year& y) {
                      y.courses.erase(y.courses.begin());
                      y.races.push_back("0113");
                  },
                  {C2 + "1:1: error: a line for '0105' is missing here; Cal1.dat has it on line "
                        "1",
                   Jy + "4:1: error: this line ('0113') is in neither Cal1.dat nor Cal2.dat"}},
        CheckCase{"TrailingEmptyLine",
                  [](Year& y) { y.races.push_back(""); },
                  {Jy + "4:1: error: the line is empty"}},
        CheckCase{"AllThreeDiffer",
                  [](Year& y) {
                      y.courses[1].replace(0, 4, "0109");
                      y.races[1].replace(0, 4, "0110");
                  },
                  {C2 + "2:1: error: the date '0109' differs from '0111' on line 2 of Cal1.dat",
                   Jy + "2:1: error: the date '0110' differs from '0111' on line 2 of Cal1.dat"}},
        CheckCase{"FullWidthDigitCutByTheNextField",
                  [](Year& y) { y.courses[0].replace(4, 1, "\x82\x50"); },
                  {C2 + "1:5: error: a double-byte character is cut: its second byte (byte 6) "
                        "starts the first word of course slot 1",
                   C2 + "1:13: error: a double-byte character is cut: its second byte (byte 14) "
                        "starts the first numeral of course slot 2",
                   C2 + "1:49: error: a double-byte character is cut: its second byte (byte 50) "
                        "starts the first numeral of course slot 6"}},
        CheckCase{"CutByTheEndOfTheLine",
                  [](Year& y) { y.races[2] = "0112" + Tokyo + "Race\x93"; },
                  {Jy + "3:13: error: a double-byte character is cut by the end of the line"}},
        CheckCase{"NotCodePage932",
                  [](Year& y) {
                      y.meetings[0].replace(32, 2, "\x85\x40");
                      y.meetings[1].replace(32, 2, "\x81 ");
                  },
                  {C1 + "1:33: error: the bytes 0x85 0x40 are not a character of code page 932",
                   C1 + "2:33: error: the bytes 0x81 0x20 are not a character of code page 932"}},
        CheckCase{"MeetingNameNotTwoCharacters",
                  [](Year& y) { y.meetings[2] = "0112" + Meeting("ABCD", '1', '3'); },
                  {C1 + "3:7: error: meeting slot 1: the racecourse name 'ABCD' is not two "
                        "double-byte characters",
                   Jy + "3:5: error: race slot 1: the racecourse '東京' has no meeting on line 3 "
                        "of Cal1.dat, and the list shows the race in column 3"}},
        CheckCase{"NumeralNotADigit",
                  [](Year& y) {
                      y.meetings[1][27] = 'X';
                      y.courses[0][8] = 'x';
                  },
                  {C1 + "2:28: error: meeting slot 2: 'X' stands where a digit or a blank belongs",
                   C2 + "1:9: error: course slot 1: 'x' stands where a digit or a blank belongs"}},
        CheckCase{"TwoDigitDayNumbers",
                  [](Year& y) {
                      y.meetings[1][30] = '1';
                      y.courses[1][7] = '1';
                  },
                  {}},
        CheckCase{"TensDigitWithoutOnes",
                  [](Year& y) {
                      y.meetings[1][30] = '1';
                      y.meetings[1][31] = ' ';
                      y.courses[0][7] = '2';
                      y.courses[0][8] = 'x';
                  },
                  {C1 + "2:31: error: meeting slot 2: the tens digit '1' of the day number is "
                        "not followed by a digit",
                   C2 + "1:8: error: course slot 1: the tens digit '2' of the day number is not "
                        "followed by a digit",
                   C2 + "1:9: error: course slot 1: 'x' stands where a digit or a blank belongs"}},
        CheckCase{"LineEndsInsideASlot",
                  [](Year& y) { y.meetings[2] += Star + Kyoto; },
                  {C1 + "3:21: error: meeting slot 2 ends with the line after 6 bytes of its 16"}},
        CheckCase{"BytesPastTheLastSlot",
                  [](Year& y) { y.races[2] += EmptyRace + EmptyRace + "xyz"; },
                  {Jy + "3:119: warning: 3 bytes after race slot 3 are never shown"}},
        CheckCase{"RaceNameNotTwoCharacters",
                  [](Year& y) { y.races[0] = "0105" + Race("AB  ", "Race A") + Race(Kyoto, "B"); },
                  {Jy + "1:5: error: race slot 1: the racecourse name 'AB  ' is not two "
                        "double-byte characters",
                   Jy + "1:5: error: race slot 1: the racecourse 'AB  ' has no meeting on line 1 "
                        "of Cal1.dat, and the list shows the race in column 3"}},
        CheckCase{
            "RaceWithoutMeetingIsDropped",
            [](Year& y) { y.races[2] = "0112" + EmptyRace + EmptyRace + Race(Hanshin, "Race"); },
            {Jy + "3:81: error: race slot 3: the racecourse '阪神' has no meeting on line 3 "
                  "of Cal1.dat, and the list does not show the race"}},
        CheckCase{"RaceInAnotherMeetingsColumn",
                  [](Year& y) { y.races[0] = "0105" + Race(Kyoto, "B") + Race(Tokyo, "A"); },
                  {Jy + "1:43: error: race slot 2: the racecourse '東京' is meeting slot 1, and "
                        "the list shows the race in column 3"}},
        CheckCase{"NulInTheMiddleOfALine",
                  [](Year& y) { y.courses[2].replace(9, 1, std::string(1, '\0')); },
                  {C2 + "3:10: warning: a NUL byte ends the text here; what follows it (41 "
                        "bytes) is never read"}},
        CheckCase{"TextAfterANul",
                  [](Year& y) { y.courseTail = std::string("\0", 1) + "0113\r\n"; },
                  {C2 + "4:1: warning: a NUL byte ends the text here; what follows it (6 bytes) "
                        "is never read"}},
        CheckCase{"MissingFile",
                  [](Year& y) { y.noCourseFile = true; },
                  {"/d/Cal2.dat: error: cannot open the file"}},
        // Without the course file the others are still checked, side by side.
        CheckCase{"MissingFileAndARaceInAnotherColumn",
                  [](Year& y) {
                      y.noCourseFile = true;
                      y.races[0] = "0105" + Race(Kyoto, "B") + Race(Tokyo, "A");
                      y.meetings[1][27] = 'X';
                  },
                  {C1 + "2:28: error: meeting slot 2: 'X' stands where a digit or a blank belongs",
                   "/d/Cal2.dat: error: cannot open the file",
                   Jy + "1:43: error: race slot 2: the racecourse '東京' is meeting slot 1, and "
                        "the list shows the race in column 3"}},
        // Runs of lines in one file, each file in turn the odd one out.
        CheckCase{"TwoWrongDatesOnConsecutiveLines",
                  [](Year& y) {
                      y.AddDays({"0118", "0119"});
                      y.courses[1].replace(0, 4, "0108");
                      y.courses[2].replace(0, 4, "0110");
                  },
                  {C2 + "2:1: error: the date '0108' should be '0111', as in Cal1.dat and "
                        "jyuusyou.dat",
                   C2 + "3:1: error: the date '0110' should be '0112', as in Cal1.dat and "
                        "jyuusyou.dat"}},
        CheckCase{"TwoLaterWrongDatesOnConsecutiveLines",
                  [](Year& y) {
                      y.AddDays({"0118", "0119"});
                      y.courses[1].replace(0, 4, "0114");
                      y.courses[2].replace(0, 4, "0115");
                  },
                  {C2 + "2:1: error: the date '0114' should be '0111', as in Cal1.dat and "
                        "jyuusyou.dat",
                   C2 + "3:1: error: the date '0115' should be '0112', as in Cal1.dat and "
                        "jyuusyou.dat"}},
        CheckCase{"ThreeWrongDatesOnConsecutiveLines",
                  [](Year& y) {
                      y.AddDays({"0118", "0119"});
                      y.meetings[1].replace(0, 4, "0106");
                      y.meetings[2].replace(0, 4, "0107");
                      y.meetings[3].replace(0, 4, "0108");
                  },
                  {C1 + "2:1: error: the date '0106' should be '0111', as in Cal2.dat and "
                        "jyuusyou.dat",
                   C1 + "3:1: error: the date '0107' should be '0112', as in Cal2.dat and "
                        "jyuusyou.dat",
                   C1 + "4:1: error: the date '0108' should be '0118', as in Cal2.dat and "
                        "jyuusyou.dat"}},
        CheckCase{"ThreeLinesMissingInTheMiddle",
                  [](Year& y) {
                      y.AddDays({"0118", "0119", "0125"});
                      y.meetings.erase(y.meetings.begin() + 2, y.meetings.begin() + 5);
                  },
                  {C1 + "3:1: error: 3 lines are missing here, for '0112' to '0119'; Cal2.dat "
                        "has them from line 3 on"}},
        CheckCase{"TwoLinesMissingInTheMiddle",
                  [](Year& y) {
                      y.AddDays({"0118"});
                      y.races.erase(y.races.begin() + 1, y.races.begin() + 3);
                  },
                  {Jy + "2:1: error: 2 lines are missing here, for '0111' to '0112'; Cal1.dat "
                        "has them from line 2 on"}},
        CheckCase{"OneLineMissingInTheMiddle",
                  [](Year& y) {
                      y.AddDays({"0118"});
                      y.races.erase(y.races.begin() + 2);
                  },
                  {Jy + "3:1: error: a line for '0112' is missing here; Cal1.dat has it on line "
                        "3"}},
        CheckCase{"ThreeLinesAddedInTheMiddle",
                  [](Year& y) {
                      y.races.insert(y.races.begin() + 1, {"0106", "0107", "0108"});
                  },
                  {Jy + "2:1: error: this line and the 2 after it are in neither Cal1.dat nor "
                        "Cal2.dat"}},
        CheckCase{"TwoLinesAddedAtTheStart",
                  [](Year& y) {
                      y.courses.insert(y.courses.begin(), {"0101", "0102"});
                  },
                  {C2 + "1:1: error: this line and the one after it are in neither Cal1.dat nor "
                        "jyuusyou.dat"}},
        CheckCase{"OneLineAddedAtTheEnd",
                  [](Year& y) { y.races.push_back("0120"); },
                  {Jy + "4:1: error: this line ('0120') is in neither Cal1.dat nor Cal2.dat"}},
        // A file saved as UTF-8 says so once, then lists only a few of the
        // problems that follow from it; the files in code page 932 are as
        // they were.
        CheckCase{"MeetingsSavedAsUtf8",
                  [](Year& y) {
                      for (std::string& line : y.meetings) {
                          line = Cp932ToUtf8(line);
                      }
                  },
                  {C1.substr(0, C1.size() - 1) +
                       ": error: the file looks like UTF-8: save it as Shift_JIS (code page "
                       "932); of the 22 problems this makes, the first 3 follow",
                   C1 + "1:7: error: the bytes 0x85 0xE6 are not a character of code page 932",
                   C1 + "1:11: error: a double-byte character is cut: its second byte (byte 12) "
                        "starts the first numeral of meeting slot 1",
                   C1 + "1:16: error: a double-byte character is cut: its second byte (byte 17) "
                        "starts the second word of meeting slot 1",
                   Jy + "1:5: error: race slot 1: the racecourse '東京' has no meeting on line 1 "
                        "of Cal1.dat, and the list does not show the race",
                   Jy + "1:43: error: race slot 2: the racecourse '京都' has no meeting on line 1 "
                        "of Cal1.dat, and the list shows the race in column 3",
                   Jy + "3:5: error: race slot 1: the racecourse '東京' has no meeting on line 3 "
                        "of Cal1.dat, and the list shows the race in column 3"}},
        CheckCase{"TwoRunsInOneFile",
                  [](Year& y) {
                      y.AddDays({"0118", "0119"});
                      y.courses.erase(y.courses.begin() + 3);
                      y.courses.erase(y.courses.begin() + 1);
                  },
                  {C2 + "2:1: error: a line for '0111' is missing here; Cal1.dat has it on line "
                        "2",
                   C2 + "3:1: error: a line for '0118' is missing here; Cal1.dat has it on line "
                        "4"}}),
    CaseName());

TEST(DataCheckSampleTest, TheSampleYearIsClean) {
    const std::vector<Finding> findings =
        CheckDataFiles(DataDir(TURVANE_SAMPLE_DIR), ScheduleYear()).findings;
    for (const Finding& finding : findings) {
        ADD_FAILURE() << FormatFinding(finding);
    }
}

} // namespace
