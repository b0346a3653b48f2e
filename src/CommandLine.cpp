#include "CommandLine.h"

#include "CsvCommands.h"
#include "data/DataCheck.h"
#include "data/DataDir.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <filesystem>

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
    command.text = QString::fromLatin1(ProgramName) + QStringLiteral(": ") + message +
                   QStringLiteral(" (see 'turvane --help')");
    return command;
}

// YYYY-MM-DD and a real day; QDate alone would also take other shapes.
std::optional<turvane::CivilDate> ParseDate(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!shape.match(text).hasMatch()) {
        return std::nullopt;
    }
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return turvane::CivilDate{date.year(), date.month(), date.day()};
}

QString HelpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    // The parser has no application object to take the program's name from.
    text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(ProgramName));
    return text;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform), so ours are read
    // the same way: -data works like --data, and -h and -v stay short options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Shows the horse-racing meeting schedule of the 2003 racing year: the meeting\n"
        "calendar, the same days by racecourse, today's meetings and the next meeting\n"
        "day, and the year's graded races. It reads Cal1.dat, Cal2.dat and jyuusyou.dat\n"
        "from the directory of its executable, or from the one given with --data.\n"
        "Qt's own options, such as -platform and -style, work as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption data(
        QStringLiteral("data"),
        QStringLiteral("Read the three data files from <dir> instead of the program's directory."),
        QStringLiteral("dir"));
    const QCommandLineOption date(
        QStringLiteral("date"),
        QStringLiteral("Show the schedule as if today were <date>, given as YYYY-MM-DD."),
        QStringLiteral("date"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Check the layout of the three data files, print every problem as "
                       "FILE:LINE:COLUMN: error|warning: message, and exit: 0 when there "
                       "is none, 1 when there is any."));
    const QCommandLineOption exportCsv(
        QStringLiteral("export-csv"),
        QCoreApplication::translate("CommandLine",
                                    "Write the three data files as one CSV file for a spreadsheet "
                                    "to <file> ('-' for standard output), and exit."),
        QStringLiteral("file"));
    const QCommandLineOption importCsv(
        QStringLiteral("import-csv"),
        QCoreApplication::translate("CommandLine",
                                    "Build the three data files from such a CSV file ('-' for "
                                    "standard input) in the directory given with --data, which "
                                    "must not hold any of them yet, and exit."),
        QStringLiteral("file"));
    parser.addOptions({help, version, data, date, check, exportCsv, importCsv});
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                                  qt.valueName != nullptr ? QString::fromLatin1(qt.valueName)
                                                          : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        QString message = parser.errorText();
        message[0] = message[0].toLower();
        if (message.endsWith(QLatin1Char('.'))) {
            message.chop(1);
        }
        return UsageError(message);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(QStringLiteral("unexpected argument '%1'")
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
                QStringLiteral("--data: '%1' is not a directory").arg(command.dataDir));
        }
    }
    if (parser.isSet(date)) {
        command.date = ParseDate(parser.value(date));
        if (!command.date) {
            return UsageError(QStringLiteral("--date: '%1' is not a date of the form YYYY-MM-DD")
                                  .arg(parser.value(date)));
        }
    }
    if (parser.isSet(QStringLiteral("style"))) {
        command.style = parser.value(QStringLiteral("style"));
    }
    if (parser.isSet(help)) {
        command.action = CommandLine::Action::Help;
        command.text = HelpText(parser);
    } else if (parser.isSet(version)) {
        command.action = CommandLine::Action::Version;
        command.text = QStringLiteral("turvane " TURVANE_VERSION "\n"
                                      "Copyright (C) 2026 Turvane developers\n"
                                      "This is free software under the MIT licence.\n");
    } else if (parser.isSet(check)) {
        command.action = CommandLine::Action::Check;
    } else if (parser.isSet(exportCsv) || parser.isSet(importCsv)) {
        const bool exporting = parser.isSet(exportCsv);
        if (exporting && parser.isSet(importCsv)) {
            return UsageError(QCoreApplication::translate(
                "CommandLine", "give only one of --export-csv and --import-csv"));
        }
        if (!exporting && command.dataDir.isEmpty()) {
            return UsageError(QCoreApplication::translate(
                "CommandLine", "--import-csv needs --data <dir>, the directory to build the "
                               "files in"));
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

std::optional<int> RunWithoutWindow(const CommandLine& command) {
    switch (command.action) {
    case CommandLine::Action::ShowWindow:
        return std::nullopt;
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        std::fputs(command.text.toUtf8().constData(), stdout);
        return 0;
    case CommandLine::Action::UsageError:
        std::fputs((command.text + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return 2;
    case CommandLine::Action::ExportCsv:
        return RunExportCsv(command);
    case CommandLine::Action::ImportCsv:
        return RunImportCsv(command);
    case CommandLine::Action::Check: {
        const std::vector<turvane::Finding> findings = turvane::CheckDataFiles(*FilesFor(command));
        for (const turvane::Finding& finding : findings) {
            std::fputs((turvane::FormatFinding(finding) + '\n').c_str(), stdout);
        }
        return findings.empty() ? 0 : 1;
    }
    }
    return 2;
}
