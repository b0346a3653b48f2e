#include "IcsExport.h"

#include "CalendarEvents.h"
#include "IcsWriter.h"
#include "SystemError.h"
#include "core/Version.h"
#include "core/season/NewFiles.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace turvane;

namespace {

[[noreturn]] void Fail(const QString& message) {
    throw CalendarExportError(message.toUtf8().toStdString());
}

// The latest stamp an iCalendar date-time can hold: 9999-12-31 23:59:59 UTC.
constexpr long long LastStamp = 253402300799LL;

// Writes to standard output in pieces as they come.
void WriteToStandardOutput(const IcsCalendar& calendar, const std::vector<CalendarEvent>& events) {
    WriteIcs(calendar, events, [](std::string_view piece) {
        if (std::fwrite(piece.data(), 1, piece.size(), stdout) != piece.size()) {
            Fail(QCoreApplication::translate("CommandLine",
                                             "cannot write the calendar to standard output: %1")
                     .arg(SystemErrorText(errno)));
        }
    });
    if (std::fflush(stdout) != 0) {
        Fail(QCoreApplication::translate("CommandLine",
                                         "cannot write the calendar to standard output: %1")
                 .arg(SystemErrorText(errno)));
    }
}

void WriteToFile(const QString& path, const IcsCalendar& calendar,
                 const std::vector<CalendarEvent>& events) {
    if (const int error =
            ReplaceFile(QFile::encodeName(path).toStdString(), IcsText(calendar, events))) {
        Fail(QCoreApplication::translate("CommandLine", "cannot write '%1': %2")
                 .arg(path, SystemErrorText(error)));
    }
}

} // namespace

std::time_t CalendarStamp() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0') {
        return std::time(nullptr);
    }
    long long seconds = -1;
    const char* end = epoch + std::strlen(epoch);
    const auto [at, error] = std::from_chars(epoch, end, seconds);
    if (error != std::errc() || at != end || seconds < 0 || seconds > LastStamp) {
        Fail(QCoreApplication::translate(
                 "CommandLine", "SOURCE_DATE_EPOCH: '%1' is not a count of seconds since 1970")
                 .arg(QString::fromLocal8Bit(epoch)));
    }
    return static_cast<std::time_t>(seconds);
}

QString CalendarFileName(ScheduleYear year) {
    return QStringLiteral("turvane-%1.ics").arg(year.value());
}

void ExportCalendar(const FileSource& files, const CalendarExport& what, const QString& path,
                    const std::function<void()>& beforeWriting) {
    // Everything that can go wrong with the data goes wrong before the file
    // is touched.
    const IcsCalendar calendar{"-//Turvane developers//Turvane " TURVANE_VERSION "//JA",
                               CalendarName(what.year, what.gradedOnly), what.year,
                               CalendarStamp()};
    const std::vector<CalendarEvent> events = ScheduleEvents(files, what.year, what.gradedOnly);
    if (beforeWriting) {
        beforeWriting();
    }
    if (path == QLatin1String("-")) {
        WriteToStandardOutput(calendar, events);
    } else {
        WriteToFile(path, calendar, events);
    }
}
