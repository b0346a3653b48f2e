#include "CaseName.h"
#include "Cp932Text.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "core/Version.h"
#include "outputs/CalendarEvents.h"
#include "outputs/IcsExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace turvane;
using namespace cp932text;

namespace {

const std::string Blank(16, ' ');

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

std::string Text(const char* text) {
    return text ? text : "";
}

std::string DateText(icaltimetype t) {
    return std::string(icaltime_as_ical_string(t)) + (t.is_date ? "" : "(not a date)");
}

// The calendar as libical reads it back: one line per event, "UID-before-@
// DTSTART/DTEND SUMMARY @LOCATION #CATEGORIES".
std::vector<std::string> ParsedEvents(const std::string& ics) {
    const std::unique_ptr<icalcomponent, ComponentFree> calendar(
        icalparser_parse_string(ics.c_str()));
    if (!calendar) {
        ADD_FAILURE() << "libical cannot read the calendar";
        return {};
    }
    std::vector<std::string> events;
    for (icalcomponent* e =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         e != nullptr;
         e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        const std::string uid = Text(icalcomponent_get_uid(e));
        std::string event =
            uid.substr(0, uid.find('@')) + " " + DateText(icalcomponent_get_dtstart(e)) + "/" +
            DateText(icalcomponent_get_dtend(e)) + " " + Text(icalcomponent_get_summary(e));
        if (const char* location = icalcomponent_get_location(e)) {
            event += " @" + std::string(location);
        }
        if (icalproperty* p = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY)) {
            event += " #" + Text(icalproperty_get_categories(p));
        }
        events.push_back(event);
    }
    return events;
}

std::string ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "(cannot read " + path.toStdString() + ")";
    }
    return file.readAll().toStdString();
}

// Exports files to a temporary file and returns its bytes.
std::string Exported(const FileSource& files, CalendarExport what) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("turvane.ics"));
    ExportCalendar(files, what, path);
    return ReadFile(path);
}

// Two meeting days: on 0111 the middle slot is blank; the races show in the
// columns the list puts them in, and the list leaves one out.
const std::vector<std::string> Meetings = {
    "0105" + Meeting(Tokyo, '1', '1') + Meeting(Kyoto, '1', '1'),
    "0111" + Meeting(Tokyo, '1', '2') + Blank + Meeting(Hanshin, '1', '1'),
};
const std::vector<std::string> Races = {
    // Kyoto is meeting 2, so its race goes to column 2; Tokyo then to column 3.
    "0105" + Race(Kyoto, " Race B") + Race(Tokyo, " Race A"),
    // Both first slots land in column 3, the later one stays; slot 3 does not
    // match meeting 3 and is not shown.
    "0111" + Race(Kyoto, " Race C1") + Race(Tokyo, " Race C2") + Race(Kyoto, " Race C3"),
};
const std::vector<std::string> Expected = {
    "20030105-meeting-1 20030105/20030106 ◆東京 １回 １日目 @東京競馬場",
    "20030105-meeting-2 20030105/20030106 ◆京都 １回 １日目 @京都競馬場",
    "20030105-race-2 20030105/20030106 京都 Race B @京都競馬場 #重賞",
    "20030105-race-3 20030105/20030106 東京 Race A @東京競馬場 #重賞",
    "20030111-meeting-1 20030111/20030112 ◆東京 １回 ２日目 @東京競馬場",
    "20030111-meeting-3 20030111/20030112 ◆阪神 １回 １日目 @阪神競馬場",
    "20030111-race-3 20030111/20030112 東京 Race C2 @東京競馬場 #重賞",
};

struct EventCase {
    const char* name;
    std::vector<std::string> meetings;
    std::vector<std::string> races;
    int year;
    bool gradedOnly;
    std::vector<std::string> events;
};

void PrintTo(const EventCase& c, std::ostream* os) {
    *os << c.name;
}

class CalendarEvents : public testing::TestWithParam<EventCase> {};

TEST_P(CalendarEvents, AreWhatTheGridsShow) {
    MemoryFiles files;
    files.Write(MeetingFile, Join(GetParam().meetings));
    files.Write(RaceFile, Join(GetParam().races));
    const std::string ics =
        Exported(files, CalendarExport{ScheduleYear(GetParam().year), GetParam().gradedOnly});
    EXPECT_EQ(ParsedEvents(ics), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Schedules, CalendarEvents,
    testing::Values(
        EventCase{"MeetingsAndTheRacesTheListShows", Meetings, Races, 2003, false, Expected},
        EventCase{"GradedRacesOnly",
                  Meetings,
                  Races,
                  2003,
                  true,
                  {Expected[2], Expected[3], Expected[6]}},
        // 29 February, and the day after the last of the year.
        EventCase{"AnotherYear",
                  {"0229" + Meeting(Tokyo, '1', '1'), "1231" + Meeting(Kyoto, '9', '9')},
                  {"0229" + Race(Tokyo, " Race D"), "1231"},
                  2004,
                  false,
                  {"20040229-meeting-1 20040229/20040301 ◆東京 １回 １日目 @東京競馬場",
                   "20040229-race-1 20040229/20040301 東京 Race D @東京競馬場 #重賞",
                   "20041231-meeting-1 20041231/20050101 ◆京都 ９回 ９日目 @京都競馬場"}},
        // Escaped in the file, themselves once read back; a byte code page
        // 932 does not define shows as U+FFFD, as on screen.
        EventCase{"TextsAsShown",
                  {"0105" + Meeting(Tokyo, '1', '1')},
                  {"0105" + Race(Tokyo, " a,b;c\\d \x85\x40 e")},
                  2003,
                  true,
                  {"20030105-race-1 20030105/20030106 東京 a,b;c\\d \xef\xbf\xbd@ e @東京競馬場 "
                   "#重賞"}},
        // A repeated day: the second line's events are named apart.
        EventCase{"RepeatedDay",
                  {"0105" + Meeting(Tokyo, '1', '1'), "0105" + Meeting(Tokyo, '1', '2')},
                  {"0105" + Race(Tokyo, " R1"), "0105" + Race(Tokyo, " R2")},
                  2003,
                  false,
                  {"20030105-meeting-1 20030105/20030106 ◆東京 １回 １日目 @東京競馬場",
                   "20030105-race-1 20030105/20030106 東京 R1 @東京競馬場 #重賞",
                   "20030105-2-meeting-1 20030105/20030106 ◆東京 １回 ２日目 @東京競馬場",
                   "20030105-2-race-1 20030105/20030106 東京 R2 @東京競馬場 #重賞"}},
        // Blanks, half-width and full-width, trimmed at either end only; a
        // blank racecourse name gives no place.
        EventCase{"TrimmedTexts",
                  {"0101" + Meeting("    ", '1', '1', "  ") + Meeting(Tokyo, '1', ' ') +
                   Meeting(Kyoto, '1', '1', "\x81\x40")},
                  {"0101" + EmptyRace + Race(Tokyo, " Race E\x81\x40") + Race(Kyoto, "  ")},
                  2003,
                  false,
                  {"20030101-meeting-1 20030101/20030102 １回 １日目",
                   "20030101-meeting-2 20030101/20030102 ◆東京 １回 　日目 @東京競馬場",
                   "20030101-meeting-3 20030101/20030102 京都 １回 １日目 @京都競馬場",
                   "20030101-race-2 20030101/20030102 東京 Race E @東京競馬場 #重賞",
                   "20030101-race-3 20030101/20030102 京都 @京都競馬場 #重賞"}},
        // The first and last years a schedule may have, in the Gregorian
        // calendar. The last day of 9999 has no end written: it lasts one
        // day, which libical reads as ending in a year of five digits.
        EventCase{"FirstYear",
                  {"0101" + Meeting(Tokyo, '1', '1'), "0228" + Meeting(Tokyo, '1', '2')},
                  {"0101", "0228"},
                  1000,
                  false,
                  {"10000101-meeting-1 10000101/10000102 ◆東京 １回 １日目 @東京競馬場",
                   "10000228-meeting-1 10000228/10000301 ◆東京 １回 ２日目 @東京競馬場"}},
        EventCase{"LastYear",
                  {"1230" + Meeting(Tokyo, '1', '1'), "1231" + Meeting(Tokyo, '1', '2')},
                  {"1230" + Race(Tokyo, " R"), "1231"},
                  9999,
                  false,
                  {"99991230-meeting-1 99991230/99991231 ◆東京 １回 １日目 @東京競馬場",
                   "99991230-race-1 99991230/99991231 東京 R @東京競馬場 #重賞",
                   "99991231-meeting-1 99991231/100000101 ◆東京 １回 ２日目 @東京競馬場"}},
        EventCase{
            "TwoDigitDayNumbers",
            {"0530" + Meeting(Tokyo, '2', '2', Mark, '1') + Meeting(Kyoto, '3', '0', Mark, '1')},
            {"0530" + Race(Tokyo, " R")},
            2027,
            false,
            {"20270530-meeting-1 20270530/20270531 ◆東京 ２回１２日目 @東京競馬場",
             "20270530-meeting-2 20270530/20270531 ◆京都 ３回１０日目 @京都競馬場",
             "20270530-race-1 20270530/20270531 東京 R @東京競馬場 #重賞"}},
        EventCase{"NoDays", {}, {}, 2003, false, {}}),
    CaseName());

TEST(CalendarFile, HasTheFramePartsClientsNeed) {
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1700000000");
    MemoryFiles files;
    files.Write(MeetingFile, Join(Meetings));
    files.Write(RaceFile, Join(Races));
    const std::string ics = Exported(files, CalendarExport{ScheduleYear(1999), true});
    EXPECT_EQ(ics.substr(0, ics.find("BEGIN:VEVENT")),
              "BEGIN:VCALENDAR\r\n"
              "PRODID:-//Turvane developers//Turvane " TURVANE_VERSION "//JA\r\n"
              "VERSION:2.0\r\n"
              "CALSCALE:GREGORIAN\r\n"
              "NAME:Turvane 1999 重賞日程\r\n"
              "X-WR-CALNAME:Turvane 1999 重賞日程\r\n");
    EXPECT_EQ(ics.find("METHOD"), std::string::npos);
    EXPECT_NE(ics.find("\r\nDTSTAMP:20231114T221320Z\r\n"), std::string::npos);
    EXPECT_EQ(ics.substr(ics.size() - 15), "END:VCALENDAR\r\n");
}

TEST(CalendarFile, NamesEventsUniquelyAndForGood) {
    MemoryFiles files;
    files.Write(MeetingFile, Join(Meetings));
    files.Write(RaceFile, Join(Races));
    const auto uids = [&] {
        std::vector<std::string> ids;
        for (const std::string& event : ParsedEvents(Exported(files, {}))) {
            ids.push_back(event.substr(0, event.find(' ')));
        }
        return ids;
    };
    const std::vector<std::string> first = uids();
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), first.size());
    // Corrected texts keep their events' names, so a client updates them.
    std::vector<std::string> corrected = Races;
    corrected[0] = "0105" + Race(Kyoto, " Race B, corrected") + Race(Tokyo, " Race A2");
    files.Write(RaceFile, Join(corrected));
    EXPECT_EQ(uids(), first);
    // Another year is another calendar.
    EXPECT_NE(
        ParsedEvents(Exported(files, CalendarExport{ScheduleYear(2004), false}))[0].substr(0, 8),
        first[0].substr(0, 8));
}

TEST(CalendarFile, IsTheSameBytesForTheSameStamp) {
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1700000000");
    MemoryFiles files;
    files.Write(MeetingFile, Join(Meetings));
    files.Write(RaceFile, Join(Races));
    const std::string first = Exported(files, {});
    EXPECT_EQ(Exported(files, {}), first);
    EXPECT_EQ(CalendarStamp(), 1700000000);
}

// A long race text of half-width katakana, three octets each in UTF-8, after
// characters that are escaped: the line must fold, and only between
// characters.
TEST(CalendarFile, FoldsLongLinesBetweenCharactersAndEscapesText) {
    MemoryFiles files;
    files.Write(MeetingFile, Join({"0105" + Meeting(Tokyo, '1', '1')}));
    const std::string katakana(31, '\xb1'); // ｱ
    files.Write(RaceFile, Join({"0105" + Race(Tokyo, ",;\\" + katakana)}));
    const std::string ics = Exported(files, CalendarExport{ScheduleYear(), true});

    std::size_t folds = 0;
    for (std::size_t start = 0; start < ics.size();) {
        const std::size_t end = ics.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "the last line has no CR LF";
        const std::string line = ics.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a bare CR or LF: " << line;
        EXPECT_EQ(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))
                      .toUtf8()
                      .toStdString(),
                  line)
            << "a line that is not whole characters: " << line;
        folds += line.starts_with(' ') ? 1 : 0;
        start = end + 2;
    }
    EXPECT_GE(folds, 1u);
    std::string unfolded = ics;
    for (std::size_t at; (at = unfolded.find("\r\n ")) != std::string::npos;) {
        unfolded.erase(at, 3);
    }
    std::string shown;
    for (int i = 0; i < 31; ++i) {
        shown += "ｱ";
    }
    EXPECT_NE(unfolded.find("\r\nSUMMARY:東京\\,\\;\\\\" + shown + "\r\n"), std::string::npos)
        << unfolded;
    EXPECT_EQ(ParsedEvents(ics)[0],
              "20030105-race-1 20030105/20030106 東京,;\\" + shown + " @東京競馬場 #重賞");
}

struct FailureCase {
    const char* name;
    std::vector<std::string> meetings;
    std::vector<std::string> races;
    const char* epoch;
    std::string message;
    bool targetIsADirectory = false;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class CalendarFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(CalendarFailure, LeavesTheFileThatWasThere) {
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", GetParam().epoch);
    MemoryFiles files;
    files.Write(MeetingFile, Join(GetParam().meetings));
    if (!GetParam().races.empty()) {
        files.Write(RaceFile, Join(GetParam().races));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("turvane.ics"));
    if (GetParam().targetIsADirectory) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("turvane.ics")));
    } else {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old calendar\r\n");
    }
    try {
        ExportCalendar(files, {}, path);
        ADD_FAILURE() << "no failure";
    } catch (const ScheduleError& e) {
        // A file system's own words end some messages. The data's failures
        // come as they are, for the command line to word them.
        EXPECT_EQ(std::string(e.what()).substr(0, GetParam().message.size()), GetParam().message);
    }
    if (!GetParam().targetIsADirectory) {
        EXPECT_EQ(ReadFile(path), "old calendar\r\n");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList{QStringLiteral("turvane.ics")});
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CalendarFailure,
    testing::Values(
        FailureCase{"NoDayOfTheYear",
                    {"0105" + Meeting(Tokyo, '1', '1'), "0229" + Meeting(Tokyo, '1', '2')},
                    {"0105", "0229"},
                    nullptr,
                    "/memory/Cal1.dat:2: the date '0229' is not a day of 2003"},
        FailureCase{"DateNotDigits",
                    {"0105" + Meeting(Tokyo, '1', '1')},
                    {"01x5" + Race(Tokyo, " Race")},
                    nullptr,
                    "/memory/jyuusyou.dat:1: the date '01x5' is not a day of 2003"},
        FailureCase{"NoRaceFile",
                    {"0105" + Meeting(Tokyo, '1', '1')},
                    {},
                    nullptr,
                    "ファイル /memory/jyuusyou.dat は開けません"},
        FailureCase{"RaceWithoutItsMeetingDay",
                    {"0105" + Meeting(Tokyo, '1', '1')},
                    {"0105", "0111" + Race(Tokyo, " Race")},
                    nullptr,
                    "リストのインデックスが範囲を超えています (1)"},
        FailureCase{"StampThatIsNoNumber",
                    {"0105" + Meeting(Tokyo, '1', '1')},
                    {"0105"},
                    "yesterday",
                    "SOURCE_DATE_EPOCH: 'yesterday' is not a count of seconds since 1970"},
        FailureCase{"TargetIsADirectory",
                    {"0105" + Meeting(Tokyo, '1', '1')},
                    {"0105"},
                    nullptr,
                    "cannot write '",
                    true}),
    CaseName());

} // namespace
