#include "Commands.h"

#include "CheckCommand.h"
#include "CommandLine.h"
#include "CsvCommands.h"
#include "DisplayCheck.h"
#include "Season.h"
#include "core/Platform.h"
#include "outputs/IcsExport.h"

#include <QProcessEnvironment>

#include <cstdio>
#include <exception>

namespace {

// Whether the command reads the data files, and so needs their year.
bool ReadsData(CommandLine::Action action) {
    using Action = CommandLine::Action;
    return action == Action::Check || action == Action::ExportCalendar || action == Action::Pdf ||
           action == Action::ExportCsv;
}

} // namespace

std::optional<int> RunWithoutWindow(const CommandLine& command) {
    // The window shows the problem in its error box instead.
    if (!command.seasonProblem.isEmpty() && ReadsData(command.action)) {
        std::fputs((QStringLiteral("turvane: ") + command.seasonProblem + QLatin1Char('\n'))
                       .toUtf8()
                       .constData(),
                   stderr);
        return 1;
    }
    switch (command.action) {
    case CommandLine::Action::ShowWindow:
        if (const std::optional<QString> missing =
                MissingDisplay(QProcessEnvironment::systemEnvironment(), command.platformGiven)) {
            std::fputs((*missing + QLatin1Char('\n')).toUtf8().constData(), stderr);
            return 1;
        }
        return std::nullopt;
    case CommandLine::Action::Pdf:
    case CommandLine::Action::Poster:
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
    case CommandLine::Action::ListSeasons:
        return ListSeasonsCommand(command, turvane::UserSeasonsDirectory());
    case CommandLine::Action::Check:
        return RunCheck(command);
    case CommandLine::Action::ExportCalendar:
        try {
            ExportCalendar(*FilesFor(command), CalendarExport{command.year, command.gradedOnly},
                           command.calendarFile);
            return 0;
        } catch (const std::exception& error) {
            std::fputs((QStringLiteral("turvane") + QStringLiteral(": ") +
                        QString::fromUtf8(error.what()) + QLatin1Char('\n'))
                           .toUtf8()
                           .constData(),
                       stderr);
            return 1;
        }
    }
    return 2;
}
