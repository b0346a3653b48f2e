#pragma once

#include "data/Today.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace turvane {
class FileSource;
}

// What the program was asked to do on its command line. Started without
// options it shows its window on the files beside its executable, today.
struct CommandLine {
    enum class Action { ShowWindow, Help, Version, Check, ExportCsv, ImportCsv, UsageError };

    Action action = Action::ShowWindow;
    // Where the data files are read from; empty for the executable's directory.
    QString dataDir;
    // The day shown as today; none for the system's date.
    std::optional<turvane::CivilDate> date;
    // The widget style asked for with Qt's -style; empty for the program's own.
    QString style;
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

// Does what needs no window (help, version, usage error, check, CSV) and returns
// the exit status; nothing when the window is to be shown.
std::optional<int> RunWithoutWindow(const CommandLine& command);
