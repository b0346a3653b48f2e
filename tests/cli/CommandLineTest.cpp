#include "CommandLine.h"
#include "data/FileSource.h"

#include <QDir>
#include <QFile>
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
        ParseCase{"ExportCsv", {"--export-csv", "-"}, Action::ExportCsv, {}},
        ParseCase{"ImportCsvIntoANewDirectory",
                  {"--import-csv", "s.csv", "--data", "/nonexistent/turvane"},
                  Action::ImportCsv,
                  {}},
        ParseCase{"ImportCsvNeedsData",
                  {"--import-csv", "s.csv"},
                  Action::UsageError,
                  Usage + "--import-csv needs --data <dir>, the directory to build the files in" +
                      SeeHelp},
        ParseCase{"ExportAndImportAtOnce",
                  {"--import-csv", "a.csv", "--export-csv", "b.csv", "--data", Sample},
                  Action::UsageError,
                  Usage + "give only one of --export-csv and --import-csv" + SeeHelp},
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
        RunCase{"ExportOfTheSampleYear",
                {"--export-csv", "-", "--data", Sample},
                0,
                "kind,date,racecourse,meeting,day,mark,slot,race,file,bytes\r\n"
                "meeting,2003-01-05,中山,1,1,■,1,,,\r\n",
                {}},
        RunCase{"ExportOfBrokenFiles",
                {"--export-csv", "-", "--data", "BROKEN"},
                1,
                {},
                "turvane: the data files have errors, so nothing was exported; to see each "
                "one, run: turvane --check --data BROKEN\n"},
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

// Export, import into a new directory, and the refusals: a file already
// there stays as it is, and a bad CSV writes nothing.
TEST(CsvRoundTrip, ThroughTheRealProgram) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto run = [](const QStringList& arguments, QString* err = nullptr) {
        QProcess program;
        program.start(QStringLiteral(TURVANE_EXECUTABLE), arguments);
        EXPECT_TRUE(program.waitForFinished(30000));
        if (err != nullptr) {
            *err = QString::fromUtf8(program.readAllStandardError());
        }
        return program.exitCode();
    };
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    const QString csv = dir.path() + "/season.csv";
    const QString season = dir.path() + "/new/season";
    ASSERT_EQ(run({"--export-csv", csv, "--data", Sample}), 0);
    QString err;
    EXPECT_EQ(run({"--export-csv", csv, "--data", Sample}, &err), 1);
    EXPECT_EQ(err,
              "turvane: '" + csv + "' exists already and stays as it is; nothing was written\n");

    ASSERT_EQ(run({"--import-csv", csv, "--data", season}), 0);
    for (const char* name : {"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}) {
        EXPECT_EQ(read(season + "/" + name), read(Sample + "/" + name)) << name;
    }
    EXPECT_EQ(QDir(season).entryList(QDir::Files | QDir::Hidden).size(), 3);

    QFile(season + "/Cal1.dat").remove();
    QFile emptied(season + "/Cal2.dat");
    ASSERT_TRUE(emptied.open(QIODevice::WriteOnly | QIODevice::Truncate));
    emptied.close();
    EXPECT_EQ(run({"--import-csv", csv, "--data", season}, &err), 1);
    EXPECT_EQ(err, "turvane: '" + season +
                       "/Cal2.dat' exists already and stays as it is; "
                       "nothing was written\n" +
                       "turvane: '" + season +
                       "/jyuusyou.dat' exists "
                       "already and stays as it is; nothing was written\n");
    EXPECT_EQ(read(season + "/Cal1.dat"), "(missing)");
    EXPECT_EQ(read(season + "/Cal2.dat"), "");
    EXPECT_EQ(read(season + "/jyuusyou.dat"), read(Sample + "/jyuusyou.dat"));

    QFile bad(dir.path() + "/bad.csv");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("kind,date,racecourse,meeting,day,slot,race\nmeeting,2003-01-05,x,1,1\n");
    bad.close();
    EXPECT_EQ(run({"--import-csv", bad.fileName(), "--data", dir.path() + "/other"}, &err), 1);
    EXPECT_EQ(err, bad.fileName() + ":2:3: error: the racecourse 'x' is none of 京都, 阪神, 中京, "
                                    "小倉, 東京, 中山, 福島, 新潟, 札幌, 函館\n"
                                    "turvane: nothing was written: 1 problem(s) in the CSV file\n");
    EXPECT_FALSE(QDir(dir.path() + "/other").exists());
}

} // namespace
