#include "app/CommandLine.h"
#include "CaseName.h"
#include "app/CheckCommand.h"
#include "app/DataFailures.h"
#include "app/Language.h"
#include "app/Season.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/DateKeys.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "core/Version.h"
#include "core/check/DataCheck.h"
#include "outputs/CalendarEvents.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <stdlib.h>
#include <unistd.h>

namespace {

const QString Sample = QStringLiteral(TURVANE_SAMPLE_DIR);

struct ParseCase {
    const char* name;
    QStringList arguments;
    CommandLine::Action action;
    QString text;          // the start of the help or version text, or the whole error
    QString japanese = {}; // the same under a Japanese locale; every error has one
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, TellsWhatToDoInTheUsersLanguage) {
    const ParseCase& c = GetParam();
    if (c.action == CommandLine::Action::UsageError) {
        EXPECT_FALSE(c.japanese.isEmpty()) << "every error is run in Japanese as well";
    }
    for (const Language language : {Language::English, Language::Japanese}) {
        const QString& text = language == Language::English ? c.text : c.japanese;
        if (language == Language::Japanese && text.isEmpty()) {
            continue;
        }
        const CommandLineTranslations translations(language);
        const CommandLine command =
            ParseCommandLine(QStringList{QStringLiteral("turvane")} + c.arguments);
        EXPECT_EQ(command.action, c.action);
        if (c.action == CommandLine::Action::UsageError) {
            EXPECT_EQ(command.text.toStdString(), text.toStdString());
        } else {
            EXPECT_TRUE(command.text.startsWith(text)) << command.text.toStdString();
        }
    }
}

using Action = CommandLine::Action;
const QString Usage = QStringLiteral("turvane: ");
const QString SeeHelp = QStringLiteral(" (see 'turvane --help')");
const QString SeeHelpJa = QStringLiteral("（'turvane --help' を参照してください）");
const Language Ja = Language::Japanese;

// A usage error in English and in Japanese.
ParseCase Refused(const char* name, QStringList arguments, const QString& english,
                  const QString& japanese) {
    return ParseCase{name, std::move(arguments), Action::UsageError, Usage + english + SeeHelp,
                     Usage + japanese + SeeHelpJa};
}

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
        ParseCase{"ShortHelp",
                  {"-h"},
                  Action::Help,
                  "Usage: turvane [options]\n",
                  "使用法: turvane [オプション]\nある年の競馬の開催日程を表示します。"},
        ParseCase{"LongHelp",
                  {"--help"},
                  Action::Help,
                  "Usage: turvane [options]\n",
                  "使用法: turvane [オプション]\n"},
        ParseCase{"HelpWinsOverCheck", {"--check", "--help"}, Action::Help, "Usage: turvane"},
        ParseCase{"ShortVersion",
                  {"-v"},
                  Action::Version,
                  "turvane " TURVANE_VERSION "\n",
                  "turvane " TURVANE_VERSION "\nCopyright (C) 2026 Turvane developers\n"
                  "このプログラムは MIT ライセンスのフリーソフトウェアです。\n"},
        ParseCase{"LongVersion", {"--version"}, Action::Version, "turvane " TURVANE_VERSION "\n"},
        ParseCase{"Check", {"--check", "--data", Sample}, Action::Check, {}},
        ParseCase{"Pdf", {"--pdf", "out.pdf", "--data", Sample}, Action::Pdf, {}},
        ParseCase{"PdfToStandardOutput", {"--pdf", "-"}, Action::Pdf, {}},
        Refused("PdfWithoutFile", {"--pdf"}, "missing value after '--pdf'",
                "'--pdf' の後に値がありません"),
        Refused("PdfOfNoName", {"--pdf", ""}, "--pdf: no file given",
                "--pdf: ファイル名がありません"),
        Refused("PdfAndCheck", {"--pdf", "out.pdf", "--check"},
                "--check and --pdf cannot be combined", "--check と --pdf は同時に指定できません"),
        Refused("PdfAndCalendar", {"--pdf", "out.pdf", "--ics", "x.ics"},
                "--ics and --pdf cannot be combined", "--ics と --pdf は同時に指定できません"),
        ParseCase{"Poster", {"--poster", "wall.pdf", "--year", "2027"}, Action::Poster, {}},
        ParseCase{"PosterOnLetter", {"--poster", "-", "--paper", "letter"}, Action::Poster, {}},
        ParseCase{"PdfOnA3", {"--pdf", "-", "--paper", "A3"}, Action::Pdf, {}},
        Refused("PosterOfNoName", {"--poster", ""}, "--poster: no file given",
                "--poster: ファイル名がありません"),
        Refused("PosterAndPdf", {"--poster", "a.pdf", "--pdf", "b.pdf"},
                "--pdf and --poster cannot be combined",
                "--pdf と --poster は同時に指定できません"),
        Refused("PosterAndCheck", {"--check", "--poster", "a.pdf"},
                "--check and --poster cannot be combined",
                "--check と --poster は同時に指定できません"),
        Refused("PaperOfNoKnownSize", {"--poster", "a.pdf", "--paper", "B4"},
                "--paper: 'B4' is not A4, A3 or Letter",
                "--paper: 'B4' は A4、A3、Letter のどれでもありません"),
        Refused("PaperWithoutPrinting", {"--paper", "A4"},
                "--paper works only with --pdf or --poster",
                "--paper は --pdf か --poster と一緒にしか使えません"),
        Refused("UnknownOption", {"--bogus"}, "unknown option '--bogus'",
                "'--bogus' というオプションはありません"),
        Refused("UnknownShortOption", {"-x"}, "unknown option '-x'",
                "'-x' というオプションはありません"),
        Refused("UnknownOptionWithAValue", {"--data", Sample, "--bogus=1"},
                "unknown option '--bogus'", "'--bogus' というオプションはありません"),
        Refused("FlagGivenAValue", {"--check=yes"}, "'--check' takes no value",
                "'--check' は値を取りません"),
        Refused("StrayArgument", {"Cal1.dat"}, "unexpected argument 'Cal1.dat'",
                "余計な引数 'Cal1.dat' があります"),
        Refused("DataWithoutDirectory", {"--data"}, "missing value after '--data'",
                "'--data' の後に値がありません"),
        Refused("DataDirectoryMissing", {"--data", "/nonexistent/turvane"},
                "--data: '/nonexistent/turvane' is not a directory",
                "--data: '/nonexistent/turvane' はディレクトリではありません"),
        Refused("DataIsAFile", {"--data", Sample + "/Cal1.dat"},
                "--data: '" + Sample + "/Cal1.dat' is not a directory",
                "--data: '" + Sample + "/Cal1.dat' はディレクトリではありません"),
        Refused("NoSuchDay", {"--date", "2003-02-29"},
                "--date: '2003-02-29' is no day of the calendar",
                "--date: '2003-02-29' という日は暦にありません"),
        Refused("DateOfAnotherShape", {"--date", "2003-5-17"},
                "--date: '2003-5-17' is not a date of the form YYYY-MM-DD",
                "--date: '2003-5-17' は YYYY-MM-DD 形式の日付ではありません"),
        ParseCase{"Calendar",
                  {"--ics", "-", "--only-graded", "--year", "2004"},
                  Action::ExportCalendar,
                  {}},
        Refused("CalendarOfNoName", {"--ics", ""}, "--ics: the file name is empty",
                "--ics: ファイル名が空です"),
        Refused("YearOfTwoDigits", {"--year", "03"}, "--year: '03' is not a year from 1000 to 9999",
                "--year: '03' は 1000 から 9999 までの年ではありません"),
        Refused("YearBeforeOneThousand", {"--year", "0999"},
                "--year: '0999' is not a year from 1000 to 9999",
                "--year: '0999' は 1000 から 9999 までの年ではありません"),
        Refused("OnlyGradedWithoutCalendar", {"--only-graded"},
                "--only-graded works only with --ics",
                "--only-graded は --ics と一緒にしか使えません"),
        Refused("CalendarAndCheck", {"--ics", "x.ics", "--check"},
                "--check and --ics cannot be used together",
                "--check と --ics は同時に指定できません"),
        ParseCase{"ExportCsv", {"--export-csv", "-"}, Action::ExportCsv, {}},
        Refused("ExportCsvOfNoName", {"--export-csv", ""}, "--export-csv: the file name is empty",
                "--export-csv: ファイル名が空です"),
        ParseCase{"ImportCsvIntoANewDirectory",
                  {"--import-csv", "s.csv", "--data", "/nonexistent/turvane"},
                  Action::ImportCsv,
                  {}},
        Refused("ImportCsvOfNoName", {"--import-csv", "", "--data", Sample},
                "--import-csv: the file name is empty", "--import-csv: ファイル名が空です"),
        ParseCase{"ImportCsvIntoTheUsersSeasons", {"--import-csv", "s.csv"}, Action::ImportCsv, {}},
        ParseCase{"Seasons", {"--seasons"}, Action::ListSeasons, {}},
        Refused("ExportAndImportAtOnce",
                {"--import-csv", "a.csv", "--export-csv", "b.csv", "--data", Sample},
                "give only one of --export-csv and --import-csv",
                "--export-csv と --import-csv はどちらか一方だけを指定してください"),
        Refused("ErrorWinsOverHelp", {"--help", "--date", "17.05.2003"},
                "--date: '17.05.2003' is not a date of the form YYYY-MM-DD",
                "--date: '17.05.2003' は YYYY-MM-DD 形式の日付ではありません")),
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
    EXPECT_EQ(ParseCommandLine({"turvane", "--pdf", "-"}).paper, CommandLine::Paper::Default);
    const CommandLine poster = ParseCommandLine({"turvane", "--poster", "w.pdf", "--paper", "a4"});
    EXPECT_EQ(poster.pdfFile, "w.pdf");
    EXPECT_EQ(poster.paper, CommandLine::Paper::A4);
}

// Which season a start shows, and in which year, decided once for the
// window and every command. ROOT is the seasons directory; each folder
// named there gets a meeting file and, when given, a year file.
struct SeasonCase {
    const char* name;
    QStringList arguments;
    std::vector<std::pair<const char*, const char*>> folders; // name, year.txt (null: none)
    QString dataDir;                                          // "" for the executable's
    DataOrigin origin;
    int year;
    QString problem = {};
};

void PrintTo(const SeasonCase& c, std::ostream* os) {
    *os << c.name;
}

class SeasonChoice : public testing::TestWithParam<SeasonCase> {};

TEST_P(SeasonChoice, FollowsTheOptionsThenTodaysSeasonThenTheProgramsFiles) {
    const SeasonCase& c = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const auto& [name, year] : c.folders) {
        ASSERT_TRUE(QDir(root.path()).mkpath(name));
        if (QString(name) != "2027-empty") {
            std::ofstream((root.path() + "/" + name + "/Cal1.dat").toStdString()) << "0530\r\n";
        }
        if (year != nullptr) {
            std::ofstream((root.path() + "/" + name + "/year.txt").toStdString(), std::ios::binary)
                << year;
        }
    }
    QStringList arguments = c.arguments;
    arguments.replaceInStrings(QStringLiteral("ROOT"), root.path());
    CommandLine command = ParseCommandLine(QStringList{QStringLiteral("turvane")} + arguments);
    ChooseSeason(command, root.path().toStdString());
    QString expected = c.dataDir;
    expected.replace(QStringLiteral("ROOT"), root.path());
    EXPECT_EQ(command.dataDir.toStdString(), expected.toStdString());
    EXPECT_EQ(command.origin, c.origin);
    EXPECT_EQ(command.year.value(), c.year);
    QString problem = c.problem;
    problem.replace(QStringLiteral("ROOT"), root.path());
    EXPECT_EQ(command.seasonProblem.toStdString(), problem.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Starts, SeasonChoice,
    testing::Values(
        SeasonCase{
            "NoSeasons", {"--date", "2027-05-30"}, {}, "", DataOrigin::BesideExecutable, 2003},
        SeasonCase{"SeasonOfToday",
                   {"--date", "2027-05-30", "--check"},
                   {{"2026", "2026\n"}, {"2027", "2027\n"}},
                   "ROOT/2027",
                   DataOrigin::UserSeason,
                   2027},
        SeasonCase{"OnlyOtherYears",
                   {"--date", "2027-05-30"},
                   {{"2026", "2026\n"}, {"2028", "2028\n"}},
                   "",
                   DataOrigin::BesideExecutable,
                   2003},
        SeasonCase{"FolderWithoutItsFiles",
                   {"--date", "2027-05-30"},
                   {{"2027-empty", nullptr}},
                   "",
                   DataOrigin::BesideExecutable,
                   2003},
        SeasonCase{"DataWinsAndItsYearFileCounts",
                   {"--date", "2027-05-30", "--data", "ROOT/2026"},
                   {{"2026", "2026\n"}, {"2027", "2027\n"}},
                   "ROOT/2026",
                   DataOrigin::DataOption,
                   2026},
        SeasonCase{"YearWins",
                   {"--date", "2027-05-30", "--year", "2004"},
                   {{"2027", "2027\n"}},
                   "ROOT/2027",
                   DataOrigin::UserSeason,
                   2004},
        SeasonCase{"NoYearFile",
                   {"--date", "2027-05-30", "--data", "ROOT/2027"},
                   {{"2027", nullptr}},
                   "ROOT/2027",
                   DataOrigin::DataOption,
                   2003},
        SeasonCase{"YearFileEditedWithBlanksAndAByteOrderMark",
                   {"--date", "2027-05-30"},
                   {{"2027", "\xef\xbb\xbf 2027 \r\n\r\n"}},
                   "ROOT/2027",
                   DataOrigin::UserSeason,
                   2027},
        SeasonCase{"YearFileWithoutAYear",
                   {"--date", "2027-05-30"},
                   {{"2027", "27\n"}},
                   "ROOT/2027",
                   DataOrigin::UserSeason,
                   2003,
                   "ROOT/2027/year.txt holds '27', not a year; write the season's year in four "
                   "digits there, such as 2027, or give --year"},
        SeasonCase{"ImportChoosesItsOwnFolder",
                   {"--date", "2027-05-30", "--import-csv", "s.csv"},
                   {{"2027", "2027\n"}},
                   "",
                   DataOrigin::BesideExecutable,
                   2003}),
    CaseName());

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

// Each failure of the data in the command line's words, placed where the
// error knows; the windows keep the error's own message.
struct FailureCase {
    const char* name;
    std::function<void()> fail; // throws
    QString english;
    QString japanese;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class FailureTextTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureTextTest, SaysWhereAndWhatInTheUsersLanguage) {
    for (const Language language : {Language::English, Language::Japanese}) {
        const CommandLineTranslations translations(language);
        try {
            GetParam().fail();
            ADD_FAILURE() << "no failure";
        } catch (const turvane::ScheduleError& error) {
            EXPECT_EQ(DataFailureText(error).toStdString(),
                      (language == Language::English ? GetParam().english : GetParam().japanese)
                          .toStdString());
        }
    }
}

template <typename Error, typename... Arguments>
std::function<void()> Throw(turvane::FailurePlace place, std::uint64_t size, std::uint64_t limit,
                            Arguments... arguments) {
    return [=] {
        Error error(arguments...);
        if (!place.path.empty()) {
            error.SetPlace(place);
        }
        error.size = size;
        error.limit = limit;
        throw error;
    };
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FailureTextTest,
    testing::Values(
        FailureCase{"CannotOpen", Throw<turvane::FileOpenError>({}, 0, 0, "/nonexistent/Cal2.dat"),
                    "/nonexistent/Cal2.dat: cannot open the file",
                    "/nonexistent/Cal2.dat: ファイルを開けません"},
        FailureCase{"TooLarge",
                    Throw<turvane::FileOpenError>({}, 293601280, 268435456, "/d/Cal1.dat",
                                                  turvane::FailureKind::TooLarge),
                    "/d/Cal1.dat: the file is 280.0 MiB, larger than the 256.0 MiB the program "
                    "reads",
                    "/d/Cal1.dat: ファイルは 280.0 MiB で、プログラムが読み込む 256.0 MiB を超えて"
                    "います"},
        FailureCase{"DateThatIsNoNumber",
                    [] {
                        turvane::LineList lines = turvane::LineList::Split("0105\n05x7\n");
                        lines.SetSource("/d/Cal1.dat");
                        turvane::CheckDateKeys(lines, turvane::ScheduleYear());
                    },
                    "/d/Cal1.dat:2:1: the date '05x7' is not a number",
                    "/d/Cal1.dat:2:1: 日付 '05x7' が数字ではありません"},
        FailureCase{"LineMissing",
                    [] {
                        turvane::LineList lines = turvane::LineList::Split("0105\n");
                        lines.SetSource("/d/Cal1.dat");
                        lines.at(1);
                    },
                    "/d/Cal1.dat:2: the line is missing: the file ends after line 1, and every "
                    "line of jyuusyou.dat that names races needs the line of the same day here",
                    "/d/Cal1.dat:2: 行がありません。このファイルは 1 行目で終わっていますが、重賞"
                    "のある jyuusyou.dat の行には、同じ日の行がこのファイルに必要です"},
        FailureCase{"NoDayOfTheYear",
                    [] {
                        throw turvane::CalendarDateError("/d/jyuusyou.dat", 7, "0229",
                                                         turvane::ScheduleYear(2003));
                    },
                    "/d/jyuusyou.dat:7:1: the date '0229' is not a day of 2003",
                    "/d/jyuusyou.dat:7:1: 日付 '0229' は 2003 年にない日です"},
        // Not the data's: said as it is.
        FailureCase{
            "Other", [] { throw turvane::ScheduleError("libical could not read a calendar date"); },
            "libical could not read a calendar date", "libical could not read a calendar date"}),
    CaseName());

// The real program, with no display of any kind.
struct RunCase {
    const char* name;
    QStringList arguments;
    int status;
    QString out;                  // what standard output starts with
    QString err;                  // all of standard error
    QStringList environment = {}; // NAME=value, over plain C.UTF-8
    QString errJa = {};           // all of standard error under ja_JP.UTF-8
    bool terminal = false;        // standard output a terminal
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class ProgramTest : public testing::TestWithParam<RunCase> {};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The sample year under dir/name, with change(file name, its lines) applied
// to each file; a file whose name comes back changed is saved under that name.
void DamagedYear(const QString& dir, const QString& name,
                 const std::function<void(QString&, QList<QByteArray>&)>& change) {
    ASSERT_TRUE(QDir(dir).mkpath(name));
    for (const char* file : {"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}) {
        QString saved = QString::fromLatin1(file);
        QList<QByteArray> lines = ReadAll(Sample + "/" + saved).split('\n');
        change(saved, lines);
        WriteAll(dir + "/" + name + "/" + saved, lines.join('\n'));
    }
}

// The ways a new user's copy of the year goes wrong, as dir/nan ...
void MakeDamagedYears(const QString& dir) {
    // Line 41 of Cal1.dat dated 05x7: no number to compare with today.
    DamagedYear(dir, "nan", [](const QString& file, QList<QByteArray>& lines) {
        if (file == "Cal1.dat") {
            lines[40].replace(0, 4, "05x7");
        }
    });
    // A meeting cut short: it reads, but not as it should.
    DamagedYear(dir, "damaged", [](const QString& file, QList<QByteArray>& lines) {
        if (file == "Cal1.dat") {
            lines[20] = lines[20].left(27) + "\r";
        }
    });
    // Copied from a system whose file names ignore case.
    DamagedYear(dir, "lower", [](QString& file, QList<QByteArray>&) {
        if (file == "Cal1.dat") {
            file = "cal1.dat";
        }
    });
    // Saved by an editor as UTF-8.
    DamagedYear(dir, "utf8", [](const QString& file, QList<QByteArray>& lines) {
        if (file == "jyuusyou.dat") {
            for (QByteArray& line : lines) {
                line = QString::fromStdString(turvane::Cp932ToUtf8(line.toStdString())).toUtf8();
            }
        }
    });
    // Larger than the program reads: a hole, which takes no disk space.
    DamagedYear(dir, "large", [](const QString&, QList<QByteArray>&) {});
    QFile large(dir + "/large/Cal1.dat");
    ASSERT_TRUE(large.resize(qint64{300} << 20));
}

TEST_P(ProgramTest, RunsWithoutADisplay) {
    const RunCase& c = GetParam();
    if (c.status != 0 && c.environment.isEmpty()) {
        EXPECT_FALSE(c.errJa.isEmpty()) << "every failure is run in Japanese as well";
    }
    QTemporaryDir broken;
    QTemporaryDir noSeasons; // whatever seasons the user running the tests has
    ASSERT_TRUE(broken.isValid() && noSeasons.isValid());
    std::ofstream((broken.path() + "/Cal1.dat").toStdString(), std::ios::binary)
        << "0105\r\n0104\r\n";
    MakeDamagedYears(broken.path());
    QStringList arguments = c.arguments;
    arguments.replaceInStrings(QStringLiteral("BROKEN"), broken.path());
    const auto expected = [&](QString text) {
        text.replace(QStringLiteral("BROKEN"), broken.path());
        text.replace(QStringLiteral("PROGRAM_DIR"),
                     QFileInfo(QStringLiteral(TURVANE_EXECUTABLE)).path());
        return text.toStdString();
    };

    for (const bool japanese : {false, true}) {
        if (japanese && c.errJa.isEmpty()) {
            break;
        }
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE",
                                 "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), noSeasons.path());
        for (const QString& variable : c.environment) {
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        }
        if (japanese) {
            environment.insert(QStringLiteral("LANG"), QStringLiteral("ja_JP.UTF-8"));
        }
        program.setProcessEnvironment(environment);
        int terminal = -1;
        if (c.terminal) {
            terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
            ASSERT_GE(terminal, 0);
            ASSERT_EQ(::grantpt(terminal), 0);
            ASSERT_EQ(::unlockpt(terminal), 0);
            program.setStandardOutputFile(QString::fromLocal8Bit(::ptsname(terminal)));
        }
        program.start(QStringLiteral(TURVANE_EXECUTABLE), arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        if (terminal >= 0) {
            ::close(terminal);
        }
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status);
        if (!japanese) {
            const std::string start = expected(c.out);
            EXPECT_EQ(out.toStdString().substr(0, start.size()), start);
        }
        EXPECT_EQ(err.toStdString(), expected(japanese ? c.errJa : c.err));
    }
}

// The paper asked for with --paper, A3 for a poster by default, turned
// either way: every page of the PDF on it.
TEST(Paper, EveryPageOnThePaperAsked) {
    struct Case {
        QStringList arguments;
        QSize points;
    };
    const Case cases[] = {
        {{"--poster", "-"}, {842, 1191}},
        {{"--poster", "-", "--paper", "Letter"}, {612, 792}},
        {{"--poster", "-", "--paper", "a4"}, {595, 842}},
        {{"--pdf", "-", "--paper", "A3"}, {842, 1191}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TURVANE_EXECUTABLE),
                      c.arguments + QStringList{QStringLiteral("--data"), Sample});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0);
        const QByteArray pdf = program.readAllStandardOutput();
        static const QRegularExpression box(
            QStringLiteral("/MediaBox \\[0 0 ([0-9]+)\\.[0-9]* ([0-9]+)\\.[0-9]*\\]"));
        int pages = 0;
        for (auto m = box.globalMatch(QString::fromLatin1(pdf)); m.hasNext(); ++pages) {
            const auto page = m.next();
            const QSize size(page.captured(1).toInt(), page.captured(2).toInt());
            EXPECT_TRUE(size == c.points || size == c.points.transposed())
                << size.width() << " x " << size.height();
        }
        EXPECT_GE(pages, 1);
    }
}

const QString Checked = QStringLiteral("turvane: checked Cal1.dat, Cal2.dat and jyuusyou.dat in ");
const QString NoDisplay = QStringLiteral(
    "turvane: a window needs a graphical display, and none is set (neither DISPLAY nor "
    "WAYLAND_DISPLAY); --check, --pdf, --ics, --export-csv and --import-csv work without one\n");
const QString NoDisplayJa = QStringLiteral(
    "turvane: ウィンドウを開くにはグラフィカルなディスプレイが必要ですが、設定されていません"
    "（DISPLAY も WAYLAND_DISPLAY もありません）。--check、--pdf、--ics、--export-csv、"
    "--import-csv はディスプレイがなくても使えます\n");

// How a failure of the data ends: where to see every problem.
QString SeeCheck(const QString& data) {
    return " ('turvane --check --data " + data + "' lists every problem of the data files)\n";
}
QString SeeCheckJa(const QString& data) {
    return "（データファイルのすべての問題は 'turvane --check --data " + data +
           "' で確認できます）\n";
}
const QString DamagedNotice = QStringLiteral(
    "BROKEN/damaged/Cal1.dat:21:21: error: meeting slot 2 ends with the line after 7 bytes of "
    "its 16\nturvane: 'turvane --check --data BROKEN/damaged' finds 1 error in the data files, "
    "the first above; they are written as they read\n");
const QString DamagedNoticeJa = QStringLiteral(
    "BROKEN/damaged/Cal1.dat:21:21: エラー: 開催枠 2 が 16 バイト中 7 バイトのところで行末に"
    "なっています\nturvane: データファイルに問題があります（'turvane --check --data "
    "BROKEN/damaged' の結果はエラー 1 件で、最初のものは上のとおりです）。読めたとおりに書き"
    "出します\n");
const QString NotANumber = QStringLiteral("turvane: BROKEN/nan/Cal1.dat:41:1: ");
const QString CaseSensitive = QStringLiteral(
    "'cal1.dat' is there, but file names are case-sensitive: rename it to 'Cal1.dat'");
const QString CaseSensitiveJa = QStringLiteral(
    "'cal1.dat' はありますが、ファイル名は大文字と小文字を区別します。'Cal1.dat' に名前を"
    "変えてください");

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
                Checked + "'BROKEN', 2 lines: 3 errors\n",
                {},
                "turvane: 'BROKEN' の Cal1.dat、Cal2.dat、jyuusyou.dat（計 2 行）を検査しました: "
                "エラー 3 件\n"},
        RunCase{"CalendarToStandardOutput",
                {"--ics", "-", "--data", Sample, "--year", "2003"},
                0,
                "BEGIN:VCALENDAR\r\nPRODID:-//Turvane developers//Turvane " TURVANE_VERSION
                "//JA\r\nVERSION:2.0\r\nCALSCALE:GREGORIAN\r\nNAME:Turvane 2003 開催日程\r\n",
                {}},
        RunCase{
            "CalendarOfBrokenFiles",
            {"--ics", "BROKEN/turvane.ics", "--data", "BROKEN"},
            1,
            {},
            "turvane: BROKEN/jyuusyou.dat: cannot open the file; no calendar written" +
                SeeCheck("BROKEN"),
            {},
            "turvane: BROKEN/jyuusyou.dat: ファイルを開けません。カレンダーは書き出していません" +
                SeeCheckJa("BROKEN")},
        RunCase{"CalendarOfADateThatIsNoNumber",
                {"--ics", "-", "--data", "BROKEN/nan"},
                1,
                {},
                NotANumber + "the date '05x7' is not a day of 2003; no calendar written" +
                    SeeCheck("BROKEN/nan"),
                {},
                NotANumber +
                    "日付 '05x7' は 2003 年にない日です。カレンダーは書き出して"
                    "いません" +
                    SeeCheckJa("BROKEN/nan")},
        RunCase{"CalendarOfDamagedData",
                {"--ics", "-", "--data", "BROKEN/damaged"},
                0,
                "BEGIN:VCALENDAR\r\n",
                DamagedNotice},
        RunCase{"CalendarStampThatIsNoNumber",
                {"--ics", "-", "--data", Sample},
                1,
                {},
                "turvane: SOURCE_DATE_EPOCH: 'soon' is not a count of seconds since 1970\n",
                {"SOURCE_DATE_EPOCH=soon"},
                "turvane: SOURCE_DATE_EPOCH: 'soon' は 1970 年からの秒数ではありません\n"},
        RunCase{"YearOutOfRange",
                {"--year", "10000"},
                2,
                {},
                "turvane: --year: '10000' is not a year from 1000 to 9999 (see 'turvane --help')\n",
                {},
                "turvane: --year: '10000' は 1000 から 9999 までの年ではありません（'turvane "
                "--help' を参照してください）\n"},
        RunCase{"PdfToStandardOutput", {"--pdf", "-", "--data", Sample}, 0, "%PDF-1.", {}},
        RunCase{"PosterOfAnotherYear",
                {"--poster", "-", "--year", "2027", "--paper", "A4", "--data", Sample},
                0,
                "%PDF-1.",
                {}},
        RunCase{"PdfOfBrokenFiles",
                {"--pdf", "BROKEN/out.pdf", "--data", "BROKEN"},
                1,
                {},
                "turvane: BROKEN/Cal2.dat: cannot open the file; no PDF written" +
                    SeeCheck("BROKEN"),
                {},
                "turvane: BROKEN/Cal2.dat: ファイルを開けません。PDF は書き出していません" +
                    SeeCheckJa("BROKEN")},
        RunCase{"PdfOfADateThatIsNoNumber",
                {"--pdf", "BROKEN/out.pdf", "--data", "BROKEN/nan", "--year", "2004"},
                1,
                {},
                NotANumber + "the date '05x7' is not a number; no PDF written (" +
                    "'turvane --check --data BROKEN/nan --year 2004' lists every problem of the "
                    "data files)\n",
                {},
                NotANumber + "日付 '05x7' が数字ではありません。PDF は書き出していません（データ"
                             "ファイルのすべての問題は 'turvane --check --data BROKEN/nan --year "
                             "2004' で確認できます）\n"},
        RunCase{"PdfOfDamagedData",
                {"--pdf", "-", "--data", "BROKEN/damaged"},
                0,
                "%PDF-1.",
                DamagedNotice,
                {},
                DamagedNoticeJa},
        RunCase{"PdfWithTheNameInAnotherCase",
                {"--pdf", "BROKEN/out.pdf", "--data", "BROKEN/lower"},
                1,
                {},
                "turvane: BROKEN/lower/Cal1.dat: cannot open the file; " + CaseSensitive +
                    "; no PDF written" + SeeCheck("BROKEN/lower"),
                {},
                "turvane: BROKEN/lower/Cal1.dat: ファイルを開けません。" + CaseSensitiveJa +
                    "。PDF は書き出していません" + SeeCheckJa("BROKEN/lower")},
        RunCase{"PdfToATerminal",
                {"--pdf", "-", "--data", Sample},
                1,
                {},
                "turvane: the PDF is not written to a terminal; send it to a file or a program "
                "instead: 'turvane --pdf - > schedule.pdf' or 'turvane --pdf - | lp'\n",
                {},
                "turvane: PDF は端末には書き出しません。ファイルかプログラムに送ってください: "
                "'turvane --pdf - > schedule.pdf' または 'turvane --pdf - | lp'\n",
                true},
        RunCase{"CheckWithTheNameInAnotherCase",
                {"--check", "--data", "BROKEN/lower"},
                1,
                "BROKEN/lower/Cal1.dat: error: cannot open the file\n"
                "BROKEN/lower/Cal1.dat: note: " +
                    CaseSensitive + "\n",
                Checked + "'BROKEN/lower', 220 lines: 1 error\n",
                {},
                "turvane: 'BROKEN/lower' の Cal1.dat、Cal2.dat、jyuusyou.dat（計 220 行）を検査しま"
                "した: エラー 1 件\n"},
        RunCase{"CheckOfAFileLargerThanTheLimit",
                {"--check", "--data", "BROKEN/large"},
                1,
                "BROKEN/large/Cal1.dat: error: cannot open the file\n"
                "BROKEN/large/Cal1.dat: note: the file is 300.0 MiB, larger than the 256.0 MiB "
                "the program reads\n",
                Checked + "'BROKEN/large', 220 lines: 1 error\n",
                {},
                "turvane: 'BROKEN/large' の Cal1.dat、Cal2.dat、jyuusyou.dat（計 220 行）を検査しま"
                "した: エラー 1 件\n"},
        RunCase{"CheckOfAFileSavedAsUtf8",
                {"--check", "--data", "BROKEN/utf8"},
                1,
                "BROKEN/utf8/jyuusyou.dat: error: the file looks like UTF-8: save it as Shift_JIS "
                "(code page 932); of the 289 problems this makes, the first 3 follow\n"
                "BROKEN/utf8/jyuusyou.dat:1:",
                Checked + "'BROKEN/utf8', 330 lines: 4 errors\n",
                {},
                "turvane: 'BROKEN/utf8' の Cal1.dat、Cal2.dat、jyuusyou.dat（計 330 行）を検査しま"
                "した: エラー 4 件\n"},
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
                "turvane: BROKEN/Cal1.dat:2:1: the date '0104' comes after '0105' on line 1; the "
                "lines must be in date order; nothing was exported" +
                    SeeCheck("BROKEN"),
                {},
                "turvane: BROKEN/Cal1.dat:2:1: 日付 '0104' が 1 行目の '0105' より後にあります。"
                "行は日付順に並べてください。何も書き出していません" +
                    SeeCheckJa("BROKEN")},
        RunCase{"ImportOfAMissingFile",
                {"--import-csv", "BROKEN/none.csv", "--data", "BROKEN/new"},
                1,
                {},
                "turvane: cannot read 'BROKEN/none.csv': no such file or folder\n",
                {},
                "turvane: 'BROKEN/none.csv' を読み込めません: "
                "そのようなファイルやフォルダーはありません\n"},
        RunCase{"UnknownOption",
                {"--bogus"},
                2,
                {},
                "turvane: unknown option '--bogus' (see 'turvane --help')\n",
                {},
                "turvane: '--bogus' というオプションはありません（'turvane --help' "
                "を参照してください）\n"},
        RunCase{"NoSuchDay",
                {"--date", "2003-13-01"},
                2,
                {},
                "turvane: --date: '2003-13-01' is no day of the calendar (see 'turvane --help')\n",
                {},
                "turvane: --date: '2003-13-01' という日は暦にありません（'turvane --help' "
                "を参照してください）\n"},
        // A window with nowhere to go says so instead of ending in Qt's abort.
        RunCase{"NoDisplay", {"--date", "2003-05-17"}, 1, {}, NoDisplay, {}, NoDisplayJa},
        RunCase{"DisplayThatDoesNotAnswer",
                {},
                1,
                {},
                "turvane: a window needs a graphical display, and the display ':5973' does not "
                "answer; --check, --pdf, --ics, --export-csv and --import-csv work without one\n",
                {"DISPLAY=:5973"},
                "turvane: ウィンドウを開くにはグラフィカルなディスプレイが必要ですが、ディスプレイ "
                "':5973' に接続できません。--check、--pdf、--ics、--export-csv、--import-csv は"
                "ディスプレイがなくても使えます\n"},
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
        RunCase{"JapaneseNoDisplay", {}, 1, {}, NoDisplayJa, {"LC_ALL=ja_JP.UTF-8"}},
        RunCase{"EnglishOverJapanese",
                {"--bogus"},
                2,
                {},
                "turvane: unknown option '--bogus' (see 'turvane --help')\n",
                {"LC_ALL=C", "LANG=ja_JP.UTF-8"}}),
    CaseName());

// Every writer, and every way its write fails for root too (a folder's
// permissions do not stop root, so: a full disk, a missing folder, a path
// through a file, a target that is a folder, the program killed as it
// writes). The user's file stays byte for byte, nothing else is left in its
// folder, and one line says why in the user's language.
struct WriteCase {
    const char* name;
    QStringList arguments; // DIR is a folder holding the user's file "kept"
                           // and an empty folder "folder"
    const char* limit;     // run under these shell commands first
    QString english;       // all of standard error; DIR replaced
    QString japanese;
    int status = 1; // -1: killed
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteTest : public testing::TestWithParam<WriteCase> {};

const QByteArray Kept = "the user's own file\n";

// The sample year as a CSV file, for the imports.
QByteArray SampleCsv() {
    static const QByteArray csv = [] {
        QProcess program;
        program.start(QStringLiteral(TURVANE_EXECUTABLE),
                      {QStringLiteral("--export-csv"), QStringLiteral("-"),
                       QStringLiteral("--data"), Sample});
        program.waitForFinished(30000);
        return program.readAllStandardOutput();
    }();
    return csv;
}

TEST_P(WriteTest, IsWholeOrLeavesTheFileAlone) {
    for (const char* lang : {"C.UTF-8", "ja_JP.UTF-8"}) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        QFile kept(dir.filePath(QStringLiteral("kept")));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write(Kept);
        kept.close();
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QStringList arguments = GetParam().arguments;
        arguments.replaceInStrings(QStringLiteral("DIR"), dir.path());
        arguments.replaceInStrings(QStringLiteral("SAMPLE"), Sample);

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
        program.setProcessEnvironment(environment);
        program.start(
            QStringLiteral("/bin/sh"),
            QStringList{
                "-c",
                QStringLiteral("%1; exec \"$0\" \"$@\"").arg(QString::fromLatin1(GetParam().limit)),
                QStringLiteral(TURVANE_EXECUTABLE)} +
                arguments);
        if (arguments.contains(QStringLiteral("--import-csv"))) {
            program.write(SampleCsv());
            program.closeWriteChannel();
        }
        ASSERT_TRUE(program.waitForFinished(30000));
        if (GetParam().status < 0) {
            EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << lang;
        } else {
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << lang;
            EXPECT_EQ(program.exitCode(), GetParam().status) << lang;
        }
        QString expected =
            QByteArrayView(lang) == "C.UTF-8" ? GetParam().english : GetParam().japanese;
        expected.replace(QStringLiteral("DIR"), dir.path());
        EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()).toStdString(),
                  expected.toStdString())
            << lang;

        QStringList left;
        QDirIterator files(dir.path(), QDir::Files | QDir::Hidden | QDir::System,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            left << QDir(dir.path()).relativeFilePath(files.next());
        }
        left.sort();
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        const QByteArray bytes = kept.readAll();
        if (GetParam().status == 0) {
            // Written whole: a file its readers take.
            EXPECT_TRUE(bytes.startsWith("%PDF-1.") || bytes.startsWith("BEGIN:VCALENDAR\r\n"))
                << bytes.left(20).toStdString();
            EXPECT_TRUE(bytes.endsWith("%%EOF\n") || bytes.endsWith("END:VCALENDAR\r\n"))
                << bytes.right(20).toStdString();
        } else {
            EXPECT_EQ(bytes, Kept) << lang;
        }
        EXPECT_EQ(left, QStringList{QStringLiteral("kept")}) << lang;
    }
}

const char* const Unlimited = ":";
// A full disk: the kernel refuses writes past 4 KiB.
const char* const FullDisk = "trap '' XFSZ; ulimit -f 4";
// Killed by the kernel at the first write past 4 KiB: a deterministic kill
// in the middle of writing.
const char* const KilledWriting = "ulimit -f 4";
const QString Larger = QStringLiteral("the file would be larger than allowed");
const QString LargerJa = QStringLiteral("ファイルが許される大きさを超えます");
const QString NoSuch = QStringLiteral("no such file or folder");
const QString NoSuchJa = QStringLiteral("そのようなファイルやフォルダーはありません");
const QString NotAFolder = QStringLiteral("a part of the path is a file, not a folder");
const QString NotAFolderJa = QStringLiteral("パスの途中がフォルダーではなくファイルです");
const QString IsAFolder = QStringLiteral("it is a folder");
const QString IsAFolderJa = QStringLiteral("フォルダーです");
const QString NothingJa = QStringLiteral("。何も書き出していません\n");

// A target's failure: "turvane: cannot write 'TARGET': REASON" in English
// and Japanese, with the ending of the command's messages.
WriteCase Failure(const char* name, QStringList arguments, const char* limit, const QString& target,
                  const QString& reason, const QString& reasonJa,
                  const QString& ending = QStringLiteral("\n"),
                  const QString& endingJa = QStringLiteral("\n")) {
    return WriteCase{name, std::move(arguments), limit,
                     "turvane: cannot write '" + target + "': " + reason + ending,
                     "turvane: '" + target + "' に書き込めません: " + reasonJa + endingJa};
}

const QString Nothing = QStringLiteral("; nothing was written\n");

INSTANTIATE_TEST_SUITE_P(
    Writers, WriteTest,
    testing::Values(
        WriteCase{
            "PdfReplacesTheFile", {"--pdf", "DIR/kept", "--data", "SAMPLE"}, Unlimited, {}, {}, 0},
        WriteCase{"PdfOfUnreadableData",
                  {"--pdf", "DIR/kept", "--data", "DIR"},
                  Unlimited,
                  "turvane: DIR/Cal1.dat: cannot open the file; no PDF written ('turvane --check "
                  "--data DIR' lists every problem of the data files)\n",
                  "turvane: DIR/Cal1.dat: ファイルを開けません。PDF は書き出していません（データ"
                  "ファイルのすべての問題は 'turvane --check --data DIR' で確認できます）\n"},
        Failure("PdfOnAFullDisk", {"--pdf", "DIR/kept", "--data", "SAMPLE"}, FullDisk, "DIR/kept",
                Larger, LargerJa),
        Failure("PdfIntoAMissingFolder", {"--pdf", "DIR/none/x.pdf", "--data", "SAMPLE"}, Unlimited,
                "DIR/none/x.pdf", NoSuch, NoSuchJa),
        Failure("PdfThroughAFile", {"--pdf", "DIR/kept/x.pdf", "--data", "SAMPLE"}, Unlimited,
                "DIR/kept/x.pdf", NotAFolder, NotAFolderJa),
        Failure("PdfOverAFolder", {"--pdf", "DIR/folder", "--data", "SAMPLE"}, Unlimited,
                "DIR/folder", IsAFolder, IsAFolderJa),
        WriteCase{"PdfKilledWriting",
                  {"--pdf", "DIR/kept", "--data", "SAMPLE"},
                  KilledWriting,
                  {},
                  {},
                  -1},
        WriteCase{"PosterReplacesTheFile",
                  {"--poster", "DIR/kept", "--data", "SAMPLE"},
                  Unlimited,
                  {},
                  {},
                  0},
        WriteCase{"PosterOfUnreadableData",
                  {"--poster", "DIR/kept", "--data", "DIR"},
                  Unlimited,
                  "turvane: DIR/Cal1.dat: cannot open the file; no PDF written ('turvane --check "
                  "--data DIR' lists every problem of the data files)\n",
                  "turvane: DIR/Cal1.dat: ファイルを開けません。PDF は書き出していません（データ"
                  "ファイルのすべての問題は 'turvane --check --data DIR' で確認できます）\n"},
        Failure("PosterOnAFullDisk", {"--poster", "DIR/kept", "--data", "SAMPLE"}, FullDisk,
                "DIR/kept", Larger, LargerJa),
        WriteCase{"CalendarReplacesTheFile",
                  {"--ics", "DIR/kept", "--data", "SAMPLE"},
                  Unlimited,
                  {},
                  {},
                  0},
        Failure("CalendarOnAFullDisk", {"--ics", "DIR/kept", "--data", "SAMPLE"}, FullDisk,
                "DIR/kept", Larger, LargerJa),
        Failure("CalendarIntoAMissingFolder", {"--ics", "DIR/none/x.ics", "--data", "SAMPLE"},
                Unlimited, "DIR/none/x.ics", NoSuch, NoSuchJa),
        Failure("CalendarThroughAFile", {"--ics", "DIR/kept/x.ics", "--data", "SAMPLE"}, Unlimited,
                "DIR/kept/x.ics", NotAFolder, NotAFolderJa),
        Failure("CalendarOverAFolder", {"--ics", "DIR/folder", "--data", "SAMPLE"}, Unlimited,
                "DIR/folder", IsAFolder, IsAFolderJa),
        WriteCase{"CalendarKilledWriting",
                  {"--ics", "DIR/kept", "--data", "SAMPLE"},
                  KilledWriting,
                  {},
                  {},
                  -1},
        Failure("CsvExportOnAFullDisk", {"--export-csv", "DIR/new.csv", "--data", "SAMPLE"},
                FullDisk, "DIR/new.csv", Larger, LargerJa, Nothing, NothingJa),
        Failure("CsvExportThroughAFile", {"--export-csv", "DIR/kept/x.csv", "--data", "SAMPLE"},
                Unlimited, "DIR/kept/x.csv", NotAFolder, NotAFolderJa, Nothing, NothingJa),
        WriteCase{"CsvExportOverAFolder",
                  {"--export-csv", "DIR/folder", "--data", "SAMPLE"},
                  Unlimited,
                  "turvane: 'DIR/folder' exists already and stays as it is; nothing was written\n",
                  "turvane: 'DIR/folder' はすでにあるので、そのままにしました。何も書き出していま"
                  "せん\n"},
        WriteCase{"CsvExportKilledWriting",
                  {"--export-csv", "DIR/new.csv", "--data", "SAMPLE"},
                  KilledWriting,
                  {},
                  {},
                  -1},
        Failure("CsvImportOnAFullDisk", {"--import-csv", "-", "--data", "DIR/season"}, FullDisk,
                "DIR/season/Cal1.dat", Larger, LargerJa, Nothing, NothingJa),
        Failure("CsvImportThroughAFile", {"--import-csv", "-", "--data", "DIR/kept/season"},
                Unlimited, "DIR/kept/season/Cal1.dat", NotAFolder, NotAFolderJa, Nothing,
                NothingJa),
        WriteCase{"CsvImportKilledWriting",
                  {"--import-csv", "-", "--data", "DIR/season"},
                  KilledWriting,
                  {},
                  {},
                  -1}),
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
    EXPECT_EQ(QDir(season).entryList(QDir::Files | QDir::Hidden).size(), 4);
    EXPECT_EQ(read(season + "/year.txt"), "2003\n");

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
                       "already and stays as it is; nothing was written\n" +
                       "turvane: '" + season +
                       "/year.txt' exists already and stays as it is; nothing was written\n");
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

// A season of today's kind, from a spreadsheet to the window: imported once
// into the user's seasons without options, then shown by a start with none
// (only the day, so that today is in 2027), with its twelve-day meetings;
// read the same with --data on its folder and no --year; never imported
// over.
TEST(Seasons, ImportedOnceThenShownWithoutOptions) {
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(home.isValid() && elsewhere.isValid());
    struct Run {
        int status;
        QString out;
        QString err;
    };
    // With the probe, which prints what the window shows and closes it.
    const auto run = [](const QStringList& arguments, const QString& dataHome, bool window = false,
                        const QByteArray& input = {}) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES",
                                 "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        if (window) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            environment.insert(QStringLiteral("QT_PLUGIN_PATH"),
                               QStringLiteral(TURVANE_PROBE_PLUGINS));
            environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                               QStringLiteral("turvaneprobe"));
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TURVANE_EXECUTABLE), arguments);
        program.write(input);
        program.closeWriteChannel();
        EXPECT_TRUE(program.waitForFinished(60000));
        return Run{program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                   QString::fromUtf8(program.readAllStandardError())};
    };
    const QByteArray csv = "kind,date,racecourse,meeting,day,slot,race\r\n"
                           "meeting,2027/5/29,東京,2,11,,\r\n"
                           "meeting,2027/5/29,京都,3,10,,\r\n"
                           "meeting,2027/5/30,東京,2,12,,\r\n"
                           "race,2027/5/30,東京,,,,東京優駿 GⅠ\r\n"
                           "meeting,2027/5/30,京都,3,12,,\r\n"
                           "meeting,2027/6/5,東京,3,1,,\r\n";
    const QString folder = home.path() + "/turvane/2027";
    const auto files = [&] {
        QStringList contents;
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
            QFile file(folder + "/" + name);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            contents << name + ":" + QString::fromLatin1(file.readAll().toHex());
        }
        return contents;
    };

    const Run imported = run({"--import-csv", "-"}, home.path(), false, csv);
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out,
              "turvane: wrote Cal1.dat, Cal2.dat, jyuusyou.dat and year.txt (2027) into '" +
                  folder +
                  "'\nturvane: started without --data in 2027, the program shows this season\n");
    const QStringList written = files();
    ASSERT_EQ(written.size(), 4);
    EXPECT_EQ(written[3], "year.txt:" + QString::fromLatin1(QByteArray("2027\n").toHex()));

    const QStringList shown = {"Form1.Label1 text=\"開催日程\n　２０２７\"",
                               "Form1.GroupBox4 title=\"本日の開催 [2027/05/30]\"",
                               "Form1.Edit1 text=\"◆東京 ２回１２日目\"",
                               "Form1.Edit2 text=\"★京都 ３回１２日目\"",
                               "Form1.GroupBox5 title=\"次の開催 [2027/06/05]\"",
                               "Form1.StringGrid1 name=\"開催日程\" rows=3 columns=3 "
                               "first=\"５月２９日 ◆東京 ２回１１日目\"",
                               "print preview opened"};
    for (const QStringList& arguments : {QStringList{"--date", "2027-05-30"},
                                         QStringList{"--date", "2027-05-30", "--data", folder}}) {
        // With --data, the seasons directory holds nothing.
        const Run window =
            run(arguments, arguments.size() > 2 ? elsewhere.path() : home.path(), true);
        EXPECT_EQ(window.status, 0) << window.err.toStdString();
        for (const QString& line : shown) {
            EXPECT_TRUE(window.out.contains(line))
                << arguments.join(' ').toStdString() << ": " << line.toStdString() << "\n"
                << window.out.toStdString();
        }
        EXPECT_FALSE(window.out.contains("error box")) << window.out.toStdString();
    }

    // The commands find what the window does.
    const Run check = run({"--check", "--date", "2027-05-30"}, home.path());
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.err, "turvane: checked Cal1.dat, Cal2.dat and jyuusyou.dat in '" + folder +
                             "', 9 lines: no problems found\n");
    const Run seasons = run({"--seasons", "--date", "2027-05-30"}, home.path());
    EXPECT_EQ(seasons.status, 0);
    EXPECT_EQ(seasons.out, "2027 " + folder + "\n");
    EXPECT_EQ(seasons.err, "turvane: started without --data, the program shows the season of "
                           "2027, today's year: '" +
                               folder + "'\n");

    // A second import of the year is refused and changes nothing.
    const Run again = run({"--import-csv", "-"}, home.path(), false, csv);
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "turvane: your season of 2027 exists already in '" + folder +
                             "' and stays as it is; nothing was written. To replace it, delete "
                             "that folder first; to keep both, import into a directory of your "
                             "choice with --data <dir>\n");
    EXPECT_EQ(files(), written);

    // Dates of another year than the one asked for: one message for them all.
    const Run otherYear =
        run({"--import-csv", "-", "--year", "2026"}, elsewhere.path(), false, csv);
    EXPECT_EQ(otherYear.status, 1);
    EXPECT_EQ(otherYear.err,
              "<stdin>:2:2: error: the dates are in 2027, not in 2026, the year asked for with "
              "--year; leave --year out to import the season of 2027\n"
              "turvane: nothing was written; the CSV file's problems are listed above\n");
    EXPECT_FALSE(QDir(elsewhere.path() + "/turvane").exists());
}

} // namespace
