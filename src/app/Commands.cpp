#include "Commands.h"

#include "CheckCommand.h"
#include "CommandLine.h"
#include "CsvCommands.h"
#include "DataFailures.h"
#include "DisplayCheck.h"
#include "Season.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "core/Platform.h"
#include "outputs/IcsExport.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

#include <cstdio>
#include <exception>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Whether the command reads the data files, and so needs their year.
bool ReadsData(CommandLine::Action action) {
    using Action = CommandLine::Action;
    return action == Action::Check || action == Action::ExportCalendar || action == Action::Pdf ||
           action == Action::Poster || action == Action::ExportCsv;
}

bool StandardOutputIsATerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdout)) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
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
        // A document is bytes for a file or a program, never for a terminal.
        if (command.pdfFile == QLatin1String("-") && StandardOutputIsATerminal()) {
            SayOnStandardError(QCoreApplication::translate(
                "CommandLine", "turvane: the PDF is not written to a terminal; send it to a file "
                               "or a program instead: 'turvane --pdf - > schedule.pdf' or "
                               "'turvane --pdf - | lp'"));
            return 1;
        }
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
            const std::shared_ptr<const turvane::FileSource> files = FilesFor(command);
            ExportCalendar(*files, CalendarExport{command.year, command.gradedOnly},
                           command.calendarFile, [&] {
                               if (const QString notice = DamageNotice(*files, command);
                                   !notice.isEmpty()) {
                                   SayOnStandardError(notice);
                               }
                           });
            return 0;
        } catch (const turvane::ScheduleError& error) {
            SayOnStandardError(DataFailureLine(
                error, QCoreApplication::translate("CommandLine", "no calendar written"), command));
            return 1;
        } catch (const std::exception& error) {
            SayOnStandardError(QStringLiteral("turvane: ") + QString::fromUtf8(error.what()));
            return 1;
        }
    }
    return 2;
}
