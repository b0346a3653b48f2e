#include "app/CommandLine.h"
#include "CaseName.h"
#include "app/CheckCommand.h"
#include "app/Language.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "core/Version.h"
#include "core/check/DataCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    Language language = Language::English;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, TellsWhatToDo) {
    const CommandLineTranslations translations(GetParam().language);
    const CommandLine command =
        ParseCommandLine(QStringList{QStringLiteral("turvane")} + GetParam().arguments);
    EXPECT_EQ(command.action, GetParam().action);
    EXPECT_TRUE(command.text.startsWith(GetParam().text)) << command.text.toStdString();
}

using Action = CommandLine::Action;
const QString Usage = QStringLiteral("turvane: ");
const QString SeeHelp = QStringLiteral(" (see 'turvane --help')");
const QString SeeHelpJa = QStringLiteral("（'turvane --help' を参照してください）");
const Language Ja = Language::Japanese;

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
                  Usage + "unknown option '--bogus'" + SeeHelp},
        ParseCase{"UnknownShortOption",
                  {"-x"},
                  Action::UsageError,
                  Usage + "unknown option '-x'" + SeeHelp},
        ParseCase{"UnknownOptionWithAValue",
                  {"--data", Sample, "--bogus=1"},
                  Action::UsageError,
                  Usage + "unknown option '--bogus'" + SeeHelp},
        ParseCase{"FlagGivenAValue",
                  {"--check=yes"},
                  Action::UsageError,
                  Usage + "'--check' takes no value" + SeeHelp},
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
                  Usage + "--date: '2003-02-29' is no day of the calendar" + SeeHelp},
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
                  Usage + "--date: '17.05.2003' is not a date of the form YYYY-MM-DD" + SeeHelp},
        // The same in Japanese: Qt's parser texts, the program's own, and
        // the usage errors the parser finds.
        ParseCase{"JapaneseHelp", {"--help"}, Action::Help, "使用法: turvane [オプション]\n", Ja},
        ParseCase{"JapaneseHelpOptions",
                  {"-h"},
                  Action::Help,
                  "使用法: turvane [オプション]\nある年（--year で指定しなければ 2003 "
                  "年）の競馬の開催日程を表示します。",
                  Ja},
        ParseCase{"JapaneseVersion",
                  {"-v"},
                  Action::Version,
                  "turvane " TURVANE_VERSION "\nCopyright (C) 2026 Turvane developers\n"
                  "このプログラムは MIT ライセンスのフリーソフトウェアです。\n",
                  Ja},
        ParseCase{"JapaneseUnknownOption",
                  {"--bogus"},
                  Action::UsageError,
                  Usage + "'--bogus' というオプションはありません" + SeeHelpJa,
                  Ja},
        ParseCase{"JapaneseMissingValue",
                  {"--data"},
                  Action::UsageError,
                  Usage + "'--data' の後に値がありません" + SeeHelpJa,
                  Ja},
        ParseCase{"JapaneseFlagGivenAValue",
                  {"--check=yes"},
                  Action::UsageError,
                  Usage + "'--check' は値を取りません" + SeeHelpJa,
                  Ja},
        ParseCase{"JapaneseNoSuchDay",
                  {"--date", "2003-02-30"},
                  Action::UsageError,
                  Usage + "--date: '2003-02-30' という日は暦にありません" + SeeHelpJa,
                  Ja},
        ParseCase{"JapaneseDateOfAnotherShape",
                  {"--date", "2003-5-17"},
                  Action::UsageError,
                  Usage + "--date: '2003-5-17' は YYYY-MM-DD 形式の日付ではありません" + SeeHelpJa,
                  Ja}),
    CaseName());

TEST(CommandLineTest, DataAndDateReachTheWindow) {
    const CommandLine command =
        ParseCommandLine({QStringLiteral("turvane"), QStringLiteral("--data"), Sample,
                          QStringLiteral("--date"), QStringLiteral("2003-05-17")});
    EXPECT_EQ(FilesFor(command)->PathOf(turvane::MeetingFile),
              (Sample + "/Cal1.dat").toStdString());
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
    EXPECT_EQ(ParseCommandLine({"turvane", "--pdf", "-"}).pdfFile, "-");
}

// The language of the command line, from the environment.
struct LanguageCase {
    const char* name;
    QStringList environment; // NAME=value
    Language language;
};

void PrintTo(const LanguageCase& c, std::ostream* os) {
    *os << c.name;
}

class LanguageTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageTest, ChosenAsGnuToolsDo) {
    QProcessEnvironment environment;
    for (const QString& variable : GetParam().environment) {
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    }
    EXPECT_EQ(MessageLanguage(environment), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, LanguageTest,
    testing::Values(
        LanguageCase{"Nothing", {}, Language::English},
        LanguageCase{"Lang", {"LANG=ja_JP.UTF-8"}, Ja},
        LanguageCase{"LangWithoutCodeset", {"LANG=ja_JP"}, Ja},
        LanguageCase{"LangOtherCodeset", {"LANG=ja_JP.eucJP"}, Ja},
        LanguageCase{"PlainC", {"LANG=C.UTF-8"}, Language::English},
        LanguageCase{"LcAllWins", {"LC_ALL=C", "LANG=ja_JP.UTF-8"}, Language::English},
        LanguageCase{"LcMessagesOverLang", {"LC_MESSAGES=ja_JP.UTF-8", "LANG=en_US.UTF-8"}, Ja},
        LanguageCase{"LcAllOverLcMessages",
                     {"LC_ALL=en_US.UTF-8", "LC_MESSAGES=ja_JP.UTF-8"},
                     Language::English},
        LanguageCase{"LanguageFirst", {"LANGUAGE=ja", "LANG=en_GB.UTF-8"}, Ja},
        LanguageCase{"LanguageListSkipsUntranslated", {"LANGUAGE=fr:ja", "LANG=de_DE.UTF-8"}, Ja},
        LanguageCase{"LanguageListEnglishFirst",
                     {"LANGUAGE=en_GB:ja", "LANG=ja_JP.UTF-8"},
                     Language::English},
        LanguageCase{"LanguageIgnoredUnderC", {"LANGUAGE=ja", "LC_ALL=POSIX"}, Language::English},
        LanguageCase{"OtherLanguage", {"LANG=de_DE.UTF-8"}, Language::English}),
    CaseName());

// The check's last line, counted from its findings.
struct SummaryCase {
    const char* name;
    std::vector<turvane::Severity> findings;
    QString text;
};

void PrintTo(const SummaryCase& c, std::ostream* os) {
    *os << c.name;
}

class SummaryTest : public testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryTest, CountsWhatTheCheckFound) {
    turvane::CheckReport report;
    report.lines = 12;
    for (const turvane::Severity severity : GetParam().findings) {
        report.findings.push_back({"x", 1, 1, severity, std::string("m")});
    }
    EXPECT_EQ(CheckSummary(report, "/d/Cal1.dat"),
              "turvane: checked Cal1.dat, Cal2.dat and jyuusyou.dat in '/d', 12 lines: " +
                  GetParam().text);
}

using turvane::Severity;
INSTANTIATE_TEST_SUITE_P(
    Counts, SummaryTest,
    testing::Values(SummaryCase{"Clean", {}, "no problems found"},
                    SummaryCase{"OneError", {Severity::Error}, "1 error"},
                    SummaryCase{"OneWarning", {Severity::Warning}, "1 warning"},
                    SummaryCase{"Both",
                                {Severity::Warning, Severity::Error, Severity::Error},
                                "2 errors, 1 warning"},
                    SummaryCase{"Warnings", {Severity::Warning, Severity::Warning}, "2 warnings"}),
    CaseName());

// The real program, with no display of any kind.
struct RunCase {
    const char* name;
    QStringList arguments;
    int status;
    QString out;                  // what standard output starts with
    QString err;                  // all of standard error
    QStringList environment = {}; // NAME=value, over plain C.UTF-8
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
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const QString& variable : GetParam().environment) {
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TURVANE_EXECUTABLE), arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), GetParam().status);
    const auto expected = [&](QString text) {
        text.replace(QStringLiteral("BROKEN"), broken.path());
        text.replace(QStringLiteral("PROGRAM_DIR"),
                     QFileInfo(QStringLiteral(TURVANE_EXECUTABLE)).path());
        return text;
    };
    EXPECT_TRUE(out.startsWith(expected(GetParam().out))) << out.toStdString();
    EXPECT_EQ(err.toStdString(), expected(GetParam().err).toStdString());
}

const QString Checked = QStringLiteral("turvane: checked Cal1.dat, Cal2.dat and jyuusyou.dat in ");
const QString NoDisplay = QStringLiteral(
    "turvane: a window needs a graphical display, and none is set (neither DISPLAY nor "
    "WAYLAND_DISPLAY); --check, --pdf and --ics work without one\n");

INSTANTIATE_TEST_SUITE_P(
    Options, ProgramTest,
    testing::Values(
        RunCase{"Help", {"--help"}, 0, "Usage: turvane [options]\n", {}},
        RunCase{"Version", {"-v"}, 0, "turvane " TURVANE_VERSION "\n", {}},
        RunCase{"CheckOfTheSampleYear",
                {"--check", "--data", Sample},
                0,
                {},
                Checked + "'" + Sample + "', 330 lines: no problems found\n"},
        RunCase{"CheckBesideTheProgram",
                {"--check", "-platform", "offscreen"},
                0,
                {},
                Checked + "'PROGRAM_DIR', 330 lines: no problems found\n"},
        RunCase{"CheckOfBrokenFiles",
                {"--check", "--data", "BROKEN"},
                1,
                "BROKEN/Cal1.dat:2:1: error: the date '0104' comes after '0105' on line 1; the "
                "lines must be in date order\n"
                "BROKEN/Cal2.dat: error: cannot open the file\n"
                "BROKEN/jyuusyou.dat: error: cannot open the file\n",
                Checked + "'BROKEN', 2 lines: 3 errors\n"},
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
        RunCase{"PdfToStandardOutput", {"--pdf", "-", "--data", Sample}, 0, "%PDF-1.", {}},
        RunCase{"PdfOfBrokenFiles",
                {"--pdf", "BROKEN/out.pdf", "--data", "BROKEN"},
                1,
                {},
                "turvane: no PDF written: ファイル BROKEN/Cal2.dat は開けません\n"},
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
                "turvane: unknown option '--bogus' (see 'turvane --help')\n"},
        RunCase{"NoSuchDay",
                {"--date", "2003-13-01"},
                2,
                {},
                "turvane: --date: '2003-13-01' is no day of the calendar (see 'turvane --help')\n"},
        // A window with nowhere to go says so instead of ending in Qt's abort.
        RunCase{"NoDisplay", {"--date", "2003-05-17"}, 1, {}, NoDisplay},
        RunCase{"DisplayThatDoesNotAnswer",
                {},
                1,
                {},
                "turvane: a window needs a graphical display, and the display ':5973' does not "
                "answer; --check, --pdf and --ics work without one\n",
                {"DISPLAY=:5973"}},
        // Japanese wherever the environment asks for it, in the GNU order.
        RunCase{"JapaneseHelp",
                {"--help"},
                0,
                "使用法: turvane [オプション]\n",
                {},
                {"LANG=ja_JP.UTF-8"}},
        RunCase{"JapaneseCheck",
                {"--check", "--data", "BROKEN"},
                1,
                "BROKEN/Cal1.dat:2:1: エラー: 日付 '0104' が 1 行目の '0105' より後にあります。"
                "行は日付順に並べてください\n"
                "BROKEN/Cal2.dat: エラー: ファイルを開けません\n",
                "turvane: 'BROKEN' の Cal1.dat、Cal2.dat、jyuusyou.dat（計 2 行）を検査しました: "
                "エラー 3 件\n",
                {"LANGUAGE=ja", "LANG=en_US.UTF-8"}},
        RunCase{
            "JapaneseUsageError",
            {"-x"},
            2,
            {},
            "turvane: '-x' というオプションはありません（'turvane --help' を参照してください）\n",
            {"LC_MESSAGES=ja_JP.UTF-8"}},
        RunCase{
            "JapaneseNoDisplay",
            {},
            1,
            {},
            "turvane: ウィンドウを開くにはグラフィカルなディスプレイが必要ですが、設定されていま"
            "せん（DISPLAY も WAYLAND_DISPLAY もありません）。--check、--pdf、--ics はディスプ"
            "レイがなくても使えます\n",
            {"LC_ALL=ja_JP.UTF-8"}},
        RunCase{"EnglishOverJapanese",
                {"--bogus"},
                2,
                {},
                "turvane: unknown option '--bogus' (see 'turvane --help')\n",
                {"LC_ALL=C", "LANG=ja_JP.UTF-8"}}),
    CaseName());

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
    CaseName());

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
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        const QString file = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        EXPECT_EQ(read(season + "/" + file), read(Sample + "/" + file)) << name;
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
    EXPECT_EQ(err, bad.fileName() +
                       ":2:3: error: the racecourse 'x' is none of 京都, 阪神, 中京, "
                       "小倉, 東京, 中山, 福島, 新潟, 札幌, 函館\n"
                       "turvane: nothing was written; the CSV file's problems are listed above\n");
    EXPECT_FALSE(QDir(dir.path() + "/other").exists());
}

} // namespace
