// The Windows command line's parsing, in both languages: the options the
// Linux program has and this build carries out, refused in the same words.

#include "ConsoleCommandLine.h"
#include "CaseName.h"
#include "core/Version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using turvane::win::Command;
using turvane::win::Language;
using turvane::win::ParseCommandLine;
using Action = Command::Action;

const std::wstring Sample = L"" TURVANE_SAMPLE_DIR;

struct ParseCase {
    const char* name;
    std::vector<std::wstring> arguments;
    Action action;
    std::string english;  // the start of the help or version text, or the whole error
    std::string japanese; // the same in Japanese
};

class ConsoleParse : public testing::TestWithParam<ParseCase> {};

TEST_P(ConsoleParse, TellsWhatToDoInTheUsersLanguage) {
    const ParseCase& c = GetParam();
    for (const Language language : {Language::English, Language::Japanese}) {
        const std::string& text = language == Language::English ? c.english : c.japanese;
        std::vector<std::wstring> arguments{L"turvane"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const Command command = ParseCommandLine(arguments, language);
        EXPECT_EQ(command.action, c.action);
        if (c.action == Action::UsageError) {
            EXPECT_EQ(command.text, text);
        } else {
            EXPECT_TRUE(command.text.starts_with(text)) << command.text;
        }
    }
}

ParseCase Refused(const char* name, std::vector<std::wstring> arguments, const std::string& english,
                  const std::string& japanese) {
    return ParseCase{name, std::move(arguments), Action::UsageError,
                     "turvane: " + english + " (see 'turvane --help')",
                     "turvane: " + japanese + "（'turvane --help' を参照してください）"};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConsoleParse,
    testing::Values(ParseCase{"NoOptions", {}, Action::ShowWindow, {}, {}},
                    ParseCase{"WindowOnOtherDataAndDay",
                              {L"--data", Sample, L"--date", L"2003-05-17", L"--year", L"2004"},
                              Action::ShowWindow,
                              {},
                              {}},
                    ParseCase{"ShortHelp",
                              {L"-h"},
                              Action::Help,
                              "Usage: turvane [options]\n",
                              "使用法: turvane [オプション]\n"},
                    ParseCase{"HelpWinsOverCheck",
                              {L"--check", L"--help"},
                              Action::Help,
                              "Usage: turvane",
                              "使用法: turvane"},
                    ParseCase{"SingleDashWord",
                              {L"-version"},
                              Action::Version,
                              "turvane " TURVANE_VERSION "\n",
                              "turvane " TURVANE_VERSION "\n"},
                    ParseCase{"Check", {L"--check", L"--data=" + Sample}, Action::Check, {}, {}},
                    Refused("UnknownOption", {L"--bogus"}, "unknown option '--bogus'",
                            "'--bogus' というオプションはありません"),
                    Refused("OptionOfTheLinuxBuildOnly", {L"--pdf", L"out.pdf"},
                            "unknown option '--pdf'", "'--pdf' というオプションはありません"),
                    Refused("UnknownOptionWithAValue", {L"--data", Sample, L"-bogus=1"},
                            "unknown option '-bogus'", "'-bogus' というオプションはありません"),
                    Refused("FlagGivenAValue", {L"--check=yes"}, "'--check' takes no value",
                            "'--check' は値を取りません"),
                    Refused("StrayArgument", {L"Cal1.dat"}, "unexpected argument 'Cal1.dat'",
                            "余計な引数 'Cal1.dat' があります"),
                    Refused("AfterTheEndOfOptions", {L"--", L"--check"},
                            "unexpected argument '--check'", "余計な引数 '--check' があります"),
                    Refused("DataWithoutDirectory", {L"--data"}, "missing value after '--data'",
                            "'--data' の後に値がありません"),
                    Refused("DataOfNoName", {L"--data="}, "--data: '' is not a directory",
                            "--data: '' はディレクトリではありません"),
                    Refused("DataIsAFile", {L"--data", Sample + L"/Cal1.dat"},
                            "--data: '" TURVANE_SAMPLE_DIR "/Cal1.dat' is not a directory",
                            "--data: '" TURVANE_SAMPLE_DIR
                            "/Cal1.dat' はディレクトリではありません"),
                    Refused("NoSuchDay", {L"--date", L"2003-02-29"},
                            "--date: '2003-02-29' is no day of the calendar",
                            "--date: '2003-02-29' という日は暦にありません"),
                    Refused("NoYearZero", {L"--date", L"0000-01-01"},
                            "--date: '0000-01-01' is no day of the calendar",
                            "--date: '0000-01-01' という日は暦にありません"),
                    ParseCase{"LeapDay", {L"--date", L"2004-02-29"}, Action::ShowWindow, {}, {}},
                    ParseCase{"LeapDayOfACenturyDivisibleBy400",
                              {L"--date", L"1600-02-29"},
                              Action::ShowWindow,
                              {},
                              {}},
                    Refused("NoLeapDayInOtherCenturies", {L"--date", L"1900-02-29"},
                            "--date: '1900-02-29' is no day of the calendar",
                            "--date: '1900-02-29' という日は暦にありません"),
                    Refused("DateOfAnotherShape", {L"--date", L"2003-5-17"},
                            "--date: '2003-5-17' is not a date of the form YYYY-MM-DD",
                            "--date: '2003-5-17' は YYYY-MM-DD 形式の日付ではありません"),
                    Refused("DateWithFullWidthDigits", {L"--date", L"２００３-05-17"},
                            "--date: '２００３-05-17' is not a date of the form YYYY-MM-DD",
                            "--date: '２００３-05-17' は YYYY-MM-DD 形式の日付ではありません"),
                    Refused("YearBeforeTheFirst", {L"--year", L"0999"},
                            "--year: '0999' is not a year from 1000 to 9999",
                            "--year: '0999' は 1000 から 9999 までの年ではありません"),
                    Refused("YearOfTwoDigits", {L"--year", L"03"},
                            "--year: '03' is not a year from 1000 to 9999",
                            "--year: '03' は 1000 から 9999 までの年ではありません")),
    CaseName());

TEST(ConsoleHelp, ListsOnlyWhatThisBuildHas) {
    const std::string help = ParseCommandLine({L"turvane", L"--help"}, Language::English).text;
    for (const char* option :
         {"--help", "--version", "--data <dir>", "--date <date>", "--check", "--year <year>"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    for (const char* option :
         {"--pdf", "--ics", "--only-graded", "--export-csv", "--import-csv", "-platform", "Qt"}) {
        EXPECT_EQ(help.find(option), std::string::npos) << option;
    }
}

TEST(ConsoleCommandLine, KeepsTheDayAndTheYear) {
    const Command command =
        ParseCommandLine({L"turvane", L"-date=2004-02-29", L"--year", L"2004", L"--data", Sample},
                         Language::English);
    ASSERT_TRUE(command.date);
    EXPECT_EQ(command.date->year, 2004);
    EXPECT_EQ(command.date->month, 2);
    EXPECT_EQ(command.date->day, 29);
    EXPECT_EQ(command.year->value(), 2004);
    EXPECT_EQ(command.dataDir, std::filesystem::path(Sample));
}

} // namespace
