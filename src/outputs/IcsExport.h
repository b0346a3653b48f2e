#pragma once

// The schedule written to an .ics file or to standard output, for the
// command line and the windows alike.

#include "core/DateKeys.h"
#include "core/Errors.h"

#include <QString>

#include <ctime>
#include <functional>
#include <optional>

namespace turvane {
class FileSource;
}

// A failure of the export, its message ready to show (UTF-8).
class CalendarExportError : public turvane::ScheduleError {
public:
    using ScheduleError::ScheduleError;
};

struct CalendarExport {
    turvane::ScheduleYear year;
    // The graded races alone, without the meetings.
    bool gradedOnly = false;
};

// The events' DTSTAMP: SOURCE_DATE_EPOCH when it is set, so the same data
// gives the same bytes; otherwise now. Throws CalendarExportError when the
// variable holds anything but a count of seconds.
std::time_t CalendarStamp();

// The proposed file name, "turvane-YYYY.ics".
QString CalendarFileName(turvane::ScheduleYear year);

// Reads the files and writes the calendar to path ("-" for standard output),
// calling beforeWriting, if given, once the events are read.
// A file is replaced only once everything is written: on any failure the file
// that was there stays as it was and no partial file remains. Throws the
// data's own ScheduleError when the files cannot be read into events (a
// CalendarDateError for a date that is no day of the year), and
// CalendarExportError with a message ready to show for the rest.
void ExportCalendar(const turvane::FileSource& files, const CalendarExport& what,
                    const QString& path, const std::function<void()>& beforeWriting = {});
