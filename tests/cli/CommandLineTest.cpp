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
        ParseCase{"Pdf", {"--pdf", "out.pdf", "--data", Sample}, Action::Pdf, {}},
        ParseCase{"PdfToStandardOutput", {"--pdf", "-"}, Action::Pdf, {}},
        ParseCase{"PdfWithoutFile",
                  {"--pdf"},
                  Action::UsageError,
                  Usage + "missing value after '--pdf'" + SeeHelp},
        ParseCase{"PdfAndCheck",
                  {"--pdf", "out.pdf", "--check"},
                  Action::UsageError,
                  Usage + "--check and --pdf cannot be combined" + SeeHelp},
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
    EXPECT_EQ(ParseCommandLine({"turvane", "--pdf", "-"}).pdfFile, "-");
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
    QString expectedErr = GetParam().err;
    expectedErr.replace(QStringLiteral("BROKEN"), broken.path());
    EXPECT_EQ(err, expectedErr);
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
        RunCase{"PdfToStandardOutput", {"--pdf", "-", "--data", Sample}, 0, "%PDF-1.", {}},
        RunCase{"PdfOfBrokenFiles",
                {"--pdf", "BROKEN/out.pdf", "--data", "BROKEN"},
                1,
                {},
                "turvane: no PDF written: ファイル BROKEN/Cal2.dat は開けません\n"},
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

// --pdf FILE replaces FILE with a whole document, or leaves it as it was.
struct PdfCase {
    const char* name;
    const char* data;   // "sample" or "broken"
    const char* target; // under the temporary directory
    int status;
    bool replaced;
};

void PrintTo(const PdfCase& c, std::ostream* os) {
    *os << c.name;
}

class PdfFileTest : public testing::TestWithParam<PdfCase> {};

TEST_P(PdfFileTest, IsWholeOrUntouched) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkdir(QStringLiteral("broken"));
    std::ofstream((dir.path() + "/broken/Cal1.dat").toStdString(), std::ios::binary) << "0105\r\n";
    const QString target = dir.filePath(QString::fromLatin1(GetParam().target));
    std::ofstream((dir.path() + "/out.pdf").toStdString(), std::ios::binary) << "kept";
    const QString data =
        QLatin1String(GetParam().data) == QLatin1String("sample") ? Sample : dir.filePath("broken");

    QProcess program;
    program.start(QStringLiteral(TURVANE_EXECUTABLE),
                  {QStringLiteral("--pdf"), target, QStringLiteral("--data"), data});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), GetParam().status);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    if (GetParam().status == 0) {
        EXPECT_EQ(err, QString());
    } else {
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.startsWith(QLatin1String("turvane: "))) << err.toStdString();
    }
    QFile written(dir.filePath(QStringLiteral("out.pdf")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    if (GetParam().replaced) {
        EXPECT_TRUE(bytes.startsWith("%PDF-1.")) << bytes.left(20).toStdString();
        EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    } else {
        EXPECT_EQ(bytes, "kept");
    }
    // Nothing half-written stays behind.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{QStringLiteral("out.pdf")});
}

INSTANTIATE_TEST_SUITE_P(
    Targets, PdfFileTest,
    testing::Values(PdfCase{"SampleYearReplacesTheFile", "sample", "out.pdf", 0, true},
                    PdfCase{"UnreadableDataKeepsTheFile", "broken", "out.pdf", 1, false},
                    PdfCase{"UnwritableTargetFails", "sample", "no/such/dir/out.pdf", 1, false}),
    [](const testing::TestParamInfo<PdfCase>& info) { return std::string(info.param.name); });

} // namespace
