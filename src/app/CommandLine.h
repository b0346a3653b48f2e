#pragma once

#include "core/DateKeys.h"
#include "core/Today.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

namespace turvane {
class FileSource;
struct CheckReport;
struct Finding;
} // namespace turvane

// What the program was asked to do on its command line. Started without
// options it shows its window on the files beside its executable, today.
struct CommandLine {
    enum class Action {
        ShowWindow,
        Help,
        Version,
        Check,
        ExportCalendar,
        Pdf,
        ExportCsv,
        ImportCsv,
        UsageError
    };

    Action action = Action::ShowWindow;
    // Where the data files are read from; empty for the executable's directory.
    QString dataDir;
    // The day shown as today; none for the system's date.
    std::optional<turvane::CivilDate> date;
    // The year the data files describe.
    turvane::ScheduleYear year;
    // Where --ics writes the calendar ("-" for standard output), and whether
    // it holds the graded races alone.
    QString calendarFile;
    bool gradedOnly = false;
    // Where --pdf writes the document; "-" for standard output.
    QString pdfFile;
    // The widget style asked for with Qt's -style; empty for the program's own.
    QString style;
    // Whether Qt's -platform names where the window goes.
    bool platformGiven = false;
    // The CSV file to export to or import from; "-" for standard output or input.
    QString csvFile;
    // The help or version text, or the usage error in one line.
    QString text;
};

// Parses the arguments (the program's name first). Needs no application
// object, so help, version, usage errors and the check run with no display.
// Qt's own options (-platform, -style, ...) are accepted and left to the
// application object, which reads them from the same arguments.
CommandLine ParseCommandLine(const QStringList& arguments);

// The arguments as Qt would see them, read before any application object.
QStringList ArgumentList(int argc, char* argv[]);

// Where the window reads its files from, and the day it shows as today.
std::shared_ptr<const turvane::FileSource> FilesFor(const CommandLine& command);
turvane::TodaySource TodayFor(const CommandLine& command);

// The check's last line: which files, how many lines, how many errors and
// warnings, or that it found nothing.
QString CheckSummary(const turvane::CheckReport& report, const QString& meetingFile);

// A finding of the check or of a CSV file in the command line's language.
std::string FormatTranslated(const turvane::Finding& finding);

// Does what needs no window (help, version, usage error, check, calendar
// export, CSV) and returns the exit status; nothing when the window is to be
// shown or the document written, which need an application object. Without
// a display for a window, says so and returns 1. Its texts are in the
// language of the translations installed, if any.
std::optional<int> RunWithoutWindow(const CommandLine& command);
