#include "CommandLine.h"

#include "core/DataDir.h"
#include "core/FileSource.h"
#include "core/Version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRegularExpression>

#include <filesystem>
#include <variant>

namespace {

constexpr auto ProgramName = "turvane";

// Options the application object takes out of the arguments itself. The
// parser must know them, or it would call them unknown; those marked with a
// value name take the next argument (or one after '=').
struct QtOption {
    const char* name;
    const char* valueName;
};
constexpr QtOption QtOptions[] = {
    {"platform", "name"},
    {"platformpluginpath", "path"},
    {"platformtheme", "name"},
    {"plugin", "name"},
    {"qwindowgeometry", "geometry"},
    {"geometry", "geometry"},
    {"qwindowtitle", "title"},
    {"title", "title"},
    {"qwindowicon", "icon"},
    {"icon", "icon"},
    {"session", "id"},
    {"display", "display"},
    {"name", "name"},
    {"visual", "id"},
    {"style", "style"},
    {"stylesheet", "file"},
    {"qmljsdebugger", "options"},
    {"reverse", nullptr},
    {"testability", nullptr},
    {"widgetcount", nullptr},
    {"nograb", nullptr},
    {"dograb", nullptr},
    {"qdevel", nullptr},
};

CommandLine UsageError(const QString& message) {
    CommandLine command;
    command.action = CommandLine::Action::UsageError;
    command.text = QCoreApplication::translate("CommandLine", "turvane: %1 (see 'turvane --help')")
                       .arg(message);
    return command;
}

// The option as the user typed it, dashes and all, without a value after
// '='; the parser keeps only its name.
QString AsTyped(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        QString typed = arguments[i];
        typed.truncate(typed.indexOf(QLatin1Char('=')) < 0 ? typed.size()
                                                           : typed.indexOf(QLatin1Char('=')));
        qsizetype dashes = 0;
        while (dashes < typed.size() && typed[dashes] == QLatin1Char('-')) {
            ++dashes;
        }
        if (dashes > 0 && typed.mid(dashes) == name) {
            return typed;
        }
    }
    return QStringLiteral("--") + name;
}

// The parser's own error, said in the program's words where it is one the
// program knows. Its messages are Qt's translations; asking for the same
// texts gives the same translation to compare with.
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        return QCoreApplication::translate("CommandLine", "unknown option '%1'")
            .arg(AsTyped(arguments, parser.unknownOptionNames().constFirst()));
    }
    const QString error = parser.errorText();
    const qsizetype open = error.indexOf(QLatin1Char('\''));
    const qsizetype close = error.lastIndexOf(QLatin1Char('\''));
    if (open >= 0 && close > open) {
        const QString option = error.mid(open + 1, close - open - 1);
        if (error == QCoreApplication::translate("QCommandLineParser", "Missing value after '%1'.")
                         .arg(option)) {
            return QCoreApplication::translate("CommandLine", "missing value after '%1'")
                .arg(option);
        }
        if (error ==
            QCoreApplication::translate("QCommandLineParser", "Unexpected value after '%1'.")
                .arg(option)) {
            return QCoreApplication::translate("CommandLine", "'%1' takes no value")
                .arg(option.left(option.indexOf(QLatin1Char('='))));
        }
    }
    return error;
}

// YYYY-MM-DD and a real day; QDate alone would also take other shapes. Says
// what is wrong when it is not.
std::variant<turvane::CivilDate, QString> ParseDate(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!shape.match(text).hasMatch()) {
        return QCoreApplication::translate("CommandLine",
                                           "--date: '%1' is not a date of the form YYYY-MM-DD")
            .arg(text);
    }
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) {
        return QCoreApplication::translate("CommandLine", "--date: '%1' is no day of the calendar")
            .arg(text);
    }
    return turvane::CivilDate{date.year(), date.month(), date.day()};
}

// Qt's own texts in the help, so that the program's translation words them
// even where Qt's translations are not installed.
[[maybe_unused]] constexpr const char* ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
};

// Four digits, First to Last.
std::optional<turvane::ScheduleYear> ParseYear(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}$"));
    if (!shape.match(text).hasMatch() || text.toInt() < turvane::ScheduleYear::First) {
        return std::nullopt;
    }
    return turvane::ScheduleYear(text.toInt());
}

QString HelpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    // The usage line names the program as it was started (a path, or a
    // placeholder with no application object); the help names the command.
    const QString started = QCoreApplication::instance() != nullptr
                                ? QCoreApplication::arguments().value(0)
                                : QStringLiteral("<executable_name>");
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    QString usage = text.left(end);
    if (!started.isEmpty()) {
        usage.replace(started, QString::fromLatin1(ProgramName));
    }
    return usage + text.mid(end);
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform), so ours are read
    // the same way: -data works like --data, and -h and -v stay short options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Shows the horse-racing meeting schedule of one racing year: the meeting\n"
        "calendar, the same days by racecourse, today's meetings and the next meeting\n"
        "day, and the year's graded races. It reads Cal1.dat, Cal2.dat and jyuusyou.dat\n"
        "from the directory given with --data; without it, from your season of today's\n"
        "year, $XDG_DATA_HOME/turvane/<year> (~/.local/share/turvane/<year>) as\n"
        "--import-csv makes it, when there is one, and otherwise from the directory of\n"
        "its executable. The year is --year, or the one year.txt beside the files\n"
        "records, or 2003.\n"
        "Qt's own options, such as -platform and -style, work as well."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    const QCommandLineOption data(
        QStringLiteral("data"),
        QCoreApplication::translate(
            "CommandLine",
            "Read the three data files from <dir> instead of your season of today's year "
            "or the program's directory."),
        QStringLiteral("dir"));
    const QCommandLineOption date(
        QStringLiteral("date"),
        QCoreApplication::translate(
            "CommandLine", "Show the schedule as if today were <date>, given as YYYY-MM-DD."),
        QStringLiteral("date"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QCoreApplication::translate(
            "CommandLine", "Check the layout of the three data files, print every problem as "
                           "FILE:LINE:COLUMN: error|warning: message, and exit: 0 when there "
                           "is none, 1 when there is any."));
    const QCommandLineOption year(
        QStringLiteral("year"),
        QCoreApplication::translate(
            "CommandLine", "The year the data files describe, four digits (default: the one "
                           "in year.txt beside them, or 2003)."),
        QStringLiteral("year"));
    const QCommandLineOption ics(
        QStringLiteral("ics"),
        QCoreApplication::translate(
            "CommandLine",
            "Write the meetings and graded races as an iCalendar file <file> ('-' for "
            "standard output) and exit: 0 when written, 1 when not."),
        QStringLiteral("file"));
    const QCommandLineOption onlyGraded(
        QStringLiteral("only-graded"),
        QCoreApplication::translate("CommandLine", "With --ics: the graded races alone."));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QCoreApplication::translate("CommandLine",
                                    "Write the schedule as a PDF document to <file> ('-' for "
                                    "standard output) and exit, with no window."),
        QStringLiteral("file"));
    const QCommandLineOption poster(
        QStringLiteral("poster"),
        QCoreApplication::translate("CommandLine",
                                    "Write the whole season on one page, to pin on a wall, as a "
                                    "PDF document to <file> ('-' for standard output) and exit, "
                                    "with no window."),
        QStringLiteral("file"));
    const QCommandLineOption paper(
        QStringLiteral("paper"),
        QCoreApplication::translate("CommandLine",
                                    "With --pdf or --poster: the paper, A4, A3 or Letter (default "
                                    "A3 for the poster, the locale's paper for --pdf)."),
        QStringLiteral("size"));
    const QCommandLineOption exportCsv(
        QStringLiteral("export-csv"),
        QCoreApplication::translate("CommandLine",
                                    "Write the three data files as one CSV file for a spreadsheet "
                                    "to <file> ('-' for standard output), and exit."),
        QStringLiteral("file"));
    const QCommandLineOption importCsv(
        QStringLiteral("import-csv"),
        QCoreApplication::translate("CommandLine",
                                    "Build the three data files and year.txt from such a CSV "
                                    "file ('-' for standard input) in the directory given with "
                                    "--data, which must not hold any of them yet, or else in a "
                                    "new folder of your seasons named by the year of the CSV's "
                                    "dates, and exit."),
        QStringLiteral("file"));
    const QCommandLineOption seasons(
        QStringLiteral("seasons"),
        QCoreApplication::translate("CommandLine",
                                    "List your seasons, one a line, say which data the program "
                                    "shows when started without --data, and exit."));
    parser.addOptions({help, version, data, date, check, year, ics, onlyGraded, pdf, poster, paper,
                       exportCsv, importCsv, seasons});
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                                  qt.valueName != nullptr ? QString::fromLatin1(qt.valueName)
                                                          : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        return UsageError(ParseError(parser, arguments));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                              .arg(parser.positionalArguments().constFirst()));
    }

    CommandLine command;
    if (parser.isSet(data)) {
        command.dataDir = parser.value(data);
        std::error_code error;
        const std::filesystem::path dir(QFile::encodeName(command.dataDir).toStdString());
        // An import may make its directory.
        if (command.dataDir.isEmpty() ||
            (!std::filesystem::is_directory(dir, error) && !parser.isSet(importCsv))) {
            return UsageError(
                QCoreApplication::translate("CommandLine", "--data: '%1' is not a directory")
                    .arg(command.dataDir));
        }
    }
    if (parser.isSet(date)) {
        const std::variant<turvane::CivilDate, QString> day = ParseDate(parser.value(date));
        if (const QString* error = std::get_if<QString>(&day)) {
            return UsageError(*error);
        }
        command.date = std::get<turvane::CivilDate>(day);
    }
    if (parser.isSet(year)) {
        const std::optional<turvane::ScheduleYear> parsed = ParseYear(parser.value(year));
        if (!parsed) {
            return UsageError(QCoreApplication::translate(
                                  "CommandLine", "--year: '%1' is not a year from 1000 to 9999")
                                  .arg(parser.value(year)));
        }
        command.year = *parsed;
        command.yearGiven = true;
    }
    if (parser.isSet(ics)) {
        command.calendarFile = parser.value(ics);
        if (command.calendarFile.isEmpty()) {
            return UsageError(
                QCoreApplication::translate("CommandLine", "--ics: the file name is empty"));
        }
        if (parser.isSet(check)) {
            return UsageError(QCoreApplication::translate(
                "CommandLine", "--check and --ics cannot be used together"));
        }
    }
    command.gradedOnly = parser.isSet(onlyGraded);
    if (command.gradedOnly && !parser.isSet(ics)) {
        return UsageError(
            QCoreApplication::translate("CommandLine", "--only-graded works only with --ics"));
    }
    if (parser.isSet(paper)) {
        const QString size = parser.value(paper);
        if (size.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) {
            command.paper = CommandLine::Paper::A4;
        } else if (size.compare(QLatin1String("A3"), Qt::CaseInsensitive) == 0) {
            command.paper = CommandLine::Paper::A3;
        } else if (size.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) {
            command.paper = CommandLine::Paper::Letter;
        } else {
            return UsageError(
                QCoreApplication::translate("CommandLine", "--paper: '%1' is not A4, A3 or Letter")
                    .arg(size));
        }
        if (!parser.isSet(pdf) && !parser.isSet(poster)) {
            return UsageError(QCoreApplication::translate(
                "CommandLine", "--paper works only with --pdf or --poster"));
        }
    }
    if (parser.isSet(poster)) {
        for (const QCommandLineOption* other : {&check, &ics, &pdf}) {
            if (parser.isSet(*other)) {
                return UsageError(
                    QCoreApplication::translate("CommandLine", "%1 and --poster cannot be combined")
                        .arg(QStringLiteral("--") + other->names().constFirst()));
            }
        }
    }
    if (parser.isSet(QStringLiteral("style"))) {
        command.style = parser.value(QStringLiteral("style"));
    }
    command.platformGiven = parser.isSet(QStringLiteral("platform"));
    if (parser.isSet(help)) {
        command.action = CommandLine::Action::Help;
        command.text = HelpText(parser);
    } else if (parser.isSet(version)) {
        command.action = CommandLine::Action::Version;
        command.text = QStringLiteral("turvane " TURVANE_VERSION "\n") +
                       QCoreApplication::translate(
                           "CommandLine", "Copyright (C) 2026 Turvane developers\n"
                                          "This is free software under the MIT licence.\n");
    } else if (parser.isSet(check) && parser.isSet(pdf)) {
        return UsageError(
            QCoreApplication::translate("CommandLine", "--check and --pdf cannot be combined"));
    } else if (parser.isSet(ics) && parser.isSet(pdf)) {
        return UsageError(
            QCoreApplication::translate("CommandLine", "--ics and --pdf cannot be combined"));
    } else if (parser.isSet(check)) {
        command.action = CommandLine::Action::Check;
    } else if (parser.isSet(ics)) {
        command.action = CommandLine::Action::ExportCalendar;
    } else if (parser.isSet(pdf)) {
        command.action = CommandLine::Action::Pdf;
        command.pdfFile = parser.value(pdf);
        if (command.pdfFile.isEmpty()) {
            return UsageError(QCoreApplication::translate("CommandLine", "--pdf: no file given"));
        }
    } else if (parser.isSet(seasons)) {
        command.action = CommandLine::Action::ListSeasons;
    } else if (parser.isSet(poster)) {
        command.action = CommandLine::Action::Poster;
        command.pdfFile = parser.value(poster);
        if (command.pdfFile.isEmpty()) {
            return UsageError(
                QCoreApplication::translate("CommandLine", "--poster: no file given"));
        }
    } else if (parser.isSet(exportCsv) || parser.isSet(importCsv)) {
        const bool exporting = parser.isSet(exportCsv);
        if (exporting && parser.isSet(importCsv)) {
            return UsageError(QCoreApplication::translate(
                "CommandLine", "give only one of --export-csv and --import-csv"));
        }
        command.action =
            exporting ? CommandLine::Action::ExportCsv : CommandLine::Action::ImportCsv;
        command.csvFile = parser.value(exporting ? exportCsv : importCsv);
        if (command.csvFile.isEmpty()) {
            return UsageError(
                QCoreApplication::translate("CommandLine", "%1: the file name is empty")
                    .arg(exporting ? QStringLiteral("--export-csv")
                                   : QStringLiteral("--import-csv")));
        }
    }
    return command;
}

QStringList ArgumentList(int argc, char* argv[]) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

std::shared_ptr<const turvane::FileSource> FilesFor(const CommandLine& command) {
    if (command.dataDir.isEmpty()) {
        return std::make_shared<turvane::DataDir>(turvane::DataDir::OfExecutable());
    }
    // As given, so that messages name the path the way the user wrote it.
    return std::make_shared<turvane::DataDir>(
        std::filesystem::path(QFile::encodeName(command.dataDir).toStdString()));
}

turvane::TodaySource TodayFor(const CommandLine& command) {
    if (!command.date) {
        return turvane::SystemToday;
    }
    return [date = *command.date] { return date; };
}
