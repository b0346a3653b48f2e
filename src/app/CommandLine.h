#pragma once

#include "Season.h"
#include "core/DateKeys.h"
#include "core/Today.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

namespace turvane {
class FileSource;
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
        Poster,
        ExportCsv,
        ImportCsv,
        ListSeasons,
        UsageError
    };

    Action action = Action::ShowWindow;
    // Where the data files are read from; empty for the executable's directory.
    // ChooseSeason (Season.h) fills it in when --data was not given.
    QString dataDir;
    DataOrigin origin = DataOrigin::BesideExecutable;
    // The day shown as today; none for the system's date.
    std::optional<turvane::CivilDate> date;
    // The year the data files describe, and whether --year named it.
    turvane::ScheduleYear year;
    bool yearGiven = false;
    // Why the data's year file could not say the year, when it could not.
    QString seasonProblem;
    // Where --ics writes the calendar ("-" for standard output), and whether
    // it holds the graded races alone.
    QString calendarFile;
    bool gradedOnly = false;
    // Where --pdf or --poster writes the document; "-" for standard output.
    QString pdfFile;
    // The paper --pdf and --poster print on; Default is A3 for the poster
    // and the locale's for --pdf.
    enum class Paper { Default, A4, A3, Letter };
    Paper paper = Paper::Default;
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
