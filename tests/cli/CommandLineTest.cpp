#include "CommandLine.h"
#include "data/FileSource.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

const QString Sample = QStringLiteral(TURVANE_SAMPLE_DIR);

struct ParseCase {
    const char* name;
    QStringList arguments;
    CommandLine::Action action;
    QString text; // the start of the help or version text, or the whole error
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, TellsWhatToDo) {
    const CommandLine command =
        ParseCommandLine(QStringList{QStringLiteral("turvane")} + GetParam().arguments);
    EXPECT_EQ(command.action, GetParam().action);
    EXPECT_TRUE(command.text.startsWith(GetParam().text)) << command.text.toStdString();
}

using Action = CommandLine::Action;
const QString Usage = QStringLiteral("turvane: ");
const QString SeeHelp = QStringLiteral(" (see 'turvane --help')");

INSTANTIATE_TEST_SUITE_P(
    Options, ParseTest,
    testing::Values(
        ParseCase{"NoOptions", {}, Action::ShowWindow, {}},
        ParseCase{"QtsOwnOptions",
                  {"-platform", "offscreen", "-style=fusion", "--reverse", "-qwindowtitle", "x"},
                  Action::ShowWindow,
                  {}},
        ParseCase{
            "DataAndDate", {"--data", Sample, "--date", "2003-05-17"}, Action::ShowWindow, {}},
        ParseCase{"ShortHelp", {"-h"}, Action::Help, "Usage: turvane [options]\n"},
        ParseCase{"LongHelp", {"--help"}, Action::Help, "Usage: turvane [options]\n"},
        ParseCase{"HelpWinsOverCheck", {"--check", "--help"}, Action::Help, "Usage: turvane"},
        ParseCase{"ShortVersion", {"-v"}, Action::Version, "turvane " TURVANE_VERSION "\n"},
        ParseCase{"LongVersion", {"--version"}, Action::Version, "turvane " TURVANE_VERSION "\n"},
        ParseCase{"Check", {"--check", "--data", Sample}, Action::Check, {}},
        ParseCase{"UnknownOption",
                  {"--bogus"},
                  Action::UsageError,
                  Usage + "unknown option 'bogus'" + SeeHelp},
        ParseCase{"StrayArgument",
                  {"Cal1.dat"},
                  Action::UsageError,
                  Usage + "unexpected argument 'Cal1.dat'" + SeeHelp},
        ParseCase{"DataWithoutDirectory",
                  {"--data"},
                  Action::UsageError,
                  Usage + "missing value after '--data'" + SeeHelp},
        ParseCase{"DataDirectoryMissing",
                  {"--data", "/nonexistent/turvane"},
                  Action::UsageError,
                  Usage + "--data: '/nonexistent/turvane' is not a directory" + SeeHelp},
        ParseCase{"DataIsAFile",
                  {"--data", Sample + "/Cal1.dat"},
                  Action::UsageError,
                  Usage + "--data: '" + Sample + "/Cal1.dat' is not a directory" + SeeHelp},
        ParseCase{"NoSuchDay",
                  {"--date", "2003-02-29"},
                  Action::UsageError,
                  Usage + "--date: '2003-02-29' is not a date of the form YYYY-MM-DD" + SeeHelp},
        ParseCase{"DateOfAnotherShape",
                  {"--date", "2003-5-17"},
                  Action::UsageError,
                  Usage + "--date: '2003-5-17' is not a date of the form YYYY-MM-DD" + SeeHelp},
        ParseCase{"Calendar",
                  {"--ics", "-", "--only-graded", "--year", "2004"},
                  Action::ExportCalendar,
                  {}},
        ParseCase{"YearOfTwoDigits",
                  {"--year", "03"},
                  Action::UsageError,
                  Usage + "--year: '03' is not a year from 1000 to 9999" + SeeHelp},
        ParseCase{"YearBeforeOneThousand",
                  {"--year", "0999"},
                  Action::UsageError,
                  Usage + "--year: '0999' is not a year from 1000 to 9999" + SeeHelp},
        ParseCase{"OnlyGradedWithoutCalendar",
                  {"--only-graded"},
                  Action::UsageError,
                  Usage + "--only-graded works only with --ics" + SeeHelp},
        ParseCase{"CalendarAndCheck",
                  {"--ics", "x.ics", "--check"},
                  Action::UsageError,
                  Usage + "--check and --ics cannot be used together" + SeeHelp},
        ParseCase{"ErrorWinsOverHelp",
                  {"--help", "--date", "17.05.2003"},
                  Action::UsageError,
                  Usage + "--date: '17.05.2003' is not a date of the form YYYY-MM-DD" + SeeHelp}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(CommandLineTest, DataAndDateReachTheWindow) {
    const CommandLine command =
        ParseCommandLine({QStringLiteral("turvane"), QStringLiteral("--data"), Sample,
                          QStringLiteral("--date"), QStringLiteral("2003-05-17")});
    EXPECT_EQ(FilesFor(command)->PathOf("Cal1.dat"), (Sample + "/Cal1.dat").toStdString());
    const turvane::CivilDate today = TodayFor(command)();
    EXPECT_EQ(std::tie(today.year, today.month, today.day), std::make_tuple(2003, 5, 17));
    EXPECT_TRUE(command.style.isEmpty());
    EXPECT_EQ(ParseCommandLine({"turvane", "-style=Windows"}).style, "Windows");
    EXPECT_EQ(ParseCommandLine({"turvane", "--style", "Windows"}).style, "Windows");
    EXPECT_EQ(command.year.value(), 2003);
    const CommandLine calendar = ParseCommandLine({"turvane", "--year", "2004", "--ics", "a.ics"});
    EXPECT_EQ(calendar.year.value(), 2004);
    EXPECT_EQ(calendar.calendarFile, "a.ics");
    EXPECT_FALSE(calendar.gradedOnly);
}

// The real program, with no display of any kind.
struct RunCase {
    const char* name;
    QStringList arguments;
    int status;
    QString out; // what standard output starts with
    QString err; // all of standard error
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class ProgramTest : public testing::TestWithParam<RunCase> {};

TEST_P(ProgramTest, RunsWithoutADisplay) {
    QTemporaryDir broken;
    ASSERT_TRUE(broken.isValid());
    std::ofstream((broken.path() + "/Cal1.dat").toStdString(), std::ios::binary)
        << "0105\r\n0104\r\n";
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("BROKEN"), broken.path());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TURVANE_EXECUTABLE), arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), GetParam().status);
    QString expectedOut = GetParam().out;
    expectedOut.replace(QStringLiteral("BROKEN"), broken.path());
    EXPECT_TRUE(out.startsWith(expectedOut)) << out.toStdString();
    EXPECT_EQ(err, QString(GetParam().err).replace(QStringLiteral("BROKEN"), broken.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Options, ProgramTest,
    testing::Values(
        RunCase{"Help", {"--help"}, 0, "Usage: turvane [options]\n", {}},
        RunCase{"Version", {"-v"}, 0, "turvane " TURVANE_VERSION "\n", {}},
        RunCase{"CheckOfTheSampleYear", {"--check", "--data", Sample}, 0, {}, {}},
        RunCase{"CheckBesideTheProgram", {"--check", "-platform", "offscreen"}, 0, {}, {}},
        RunCase{"CheckOfBrokenFiles",
                {"--check", "--data", "BROKEN"},
                1,
                "BROKEN/Cal1.dat:2:1: error: the date '0104' comes after '0105' on line 1; the "
                "lines must be in date order\n"
                "BROKEN/Cal2.dat: error: cannot open the file\n"
                "BROKEN/jyuusyou.dat: error: cannot open the file\n",
                {}},
        RunCase{"CalendarToStandardOutput",
                {"--ics", "-", "--data", Sample, "--year", "2003"},
                0,
                "BEGIN:VCALENDAR\r\nPRODID:-//Turvane developers//Turvane " TURVANE_VERSION
                "//JA\r\nVERSION:2.0\r\nCALSCALE:GREGORIAN\r\nNAME:Turvane 2003 開催日程\r\n",
                {}},
        RunCase{"CalendarOfBrokenFiles",
                {"--ics", "BROKEN/turvane.ics", "--data", "BROKEN"},
                1,
                {},
                "turvane: ファイル BROKEN/jyuusyou.dat は開けません\n"},
        RunCase{
            "YearOutOfRange",
            {"--year", "10000"},
            2,
            {},
            "turvane: --year: '10000' is not a year from 1000 to 9999 (see 'turvane --help')\n"},
        RunCase{"UnknownOption",
                {"--bogus"},
                2,
                {},
                "turvane: unknown option 'bogus' (see 'turvane --help')\n"},
        RunCase{"NoSuchDay",
                {"--date", "2003-13-01"},
                2,
                {},
                "turvane: --date: '2003-13-01' is not a date of the form YYYY-MM-DD (see "
                "'turvane --help')\n"}),
    [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

} // namespace
