#include "DataFailures.h"

#include "CheckCommand.h"
#include "CommandLine.h"
#include "core/DataDir.h"
#include "core/Errors.h"
#include "core/check/DataCheck.h"
#include "outputs/CalendarEvents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// "PATH", "PATH:LINE" or "PATH:LINE:COLUMN".
QString Place(const std::string& path, std::size_t line, std::size_t column) {
    QString place = Utf8(path);
    if (line > 0) {
        place += QLatin1Char(':') + QString::number(line);
        if (column > 0) {
            place += QLatin1Char(':') + QString::number(column);
        }
    }
    return place;
}

QString Mebibytes(std::uint64_t bytes) {
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1);
}

QString TooLarge(std::uint64_t size, std::uint64_t limit) {
    return QCoreApplication::translate(
               "CommandLine", "the file is %1 MiB, larger than the %2 MiB the program reads")
        .arg(Mebibytes(size), Mebibytes(limit));
}

QString Reason(const turvane::ScheduleError& error) {
    using turvane::FailureKind;
    const turvane::FailurePlace& place = error.place();
    switch (error.kind()) {
    case FailureKind::CannotOpen: {
        const QString note = FileNote(Utf8(place.path));
        return note.isEmpty()
                   ? QCoreApplication::translate("CommandLine", "cannot open the file")
                   : QCoreApplication::translate("CommandLine", "cannot open the file; %1")
                         .arg(note);
    }
    case FailureKind::TooLarge:
        return TooLarge(error.size, error.limit);
    case FailureKind::NotAnInteger:
        return QCoreApplication::translate("CommandLine", "the date '%1' is not a number")
            .arg(Utf8(place.text));
    case FailureKind::ListIndex:
        return QCoreApplication::translate(
                   "CommandLine",
                   "the line is missing: the file ends after line %1, and every line of "
                   "jyuusyou.dat that names races needs the line of the same day here")
            .arg(error.size);
    case FailureKind::Other:
        break;
    }
    if (const auto* date = dynamic_cast<const turvane::CalendarDateError*>(&error)) {
        return QCoreApplication::translate("CommandLine", "the date '%1' is not a day of %2")
            .arg(Utf8(date->mmdd))
            .arg(date->year.value());
    }
    return Utf8(error.what());
}

bool IsTheData(const turvane::ScheduleError& error) {
    return error.kind() != turvane::FailureKind::Other ||
           dynamic_cast<const turvane::CalendarDateError*>(&error) != nullptr;
}

QString Line(const QString& text, const QString& consequence, const CommandLine& command) {
    return QCoreApplication::translate(
               "CommandLine", "turvane: %1; %2 ('%3' lists every problem of the data files)")
        .arg(text, consequence, CheckCommandFor(command));
}

} // namespace

QString CheckCommandFor(const CommandLine& command) {
    QString check = QStringLiteral("turvane --check");
    if (!command.dataDir.isEmpty()) {
        check += QStringLiteral(" --data ") + command.dataDir;
    }
    if (command.year.value() != turvane::ScheduleYear::Default) {
        check += QStringLiteral(" --year ") + QString::number(command.year.value());
    }
    return check;
}

QString FileNote(const QString& path) {
    const QFileInfo file(path);
    if (file.isFile() &&
        static_cast<std::uint64_t>(file.size()) > turvane::DataDir::DefaultMaxTextBytes) {
        return TooLarge(static_cast<std::uint64_t>(file.size()),
                        turvane::DataDir::DefaultMaxTextBytes);
    }
    if (file.exists() || path.isEmpty()) {
        return {};
    }
    // Files copied from a system whose names ignore case keep the case they
    // were given there.
    const QStringList entries = file.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(file.fileName(), Qt::CaseInsensitive) == 0) {
            return QCoreApplication::translate(
                       "CommandLine",
                       "'%1' is there, but file names are case-sensitive: rename it to '%2'")
                .arg(entry, file.fileName());
        }
    }
    return {};
}

QString DataFailureText(const turvane::ScheduleError& error) {
    const turvane::FailurePlace& place = error.place();
    if (const auto* date = dynamic_cast<const turvane::CalendarDateError*>(&error)) {
        return Place(date->path, date->line, 1) + QStringLiteral(": ") + Reason(error);
    }
    if (place.path.empty() || !IsTheData(error)) {
        return Reason(error);
    }
    return Place(place.path, place.line, place.column) + QStringLiteral(": ") + Reason(error);
}

QString DataFailureLine(const turvane::ScheduleError& error, const QString& consequence,
                        const CommandLine& command) {
    if (!IsTheData(error)) {
        return QStringLiteral("turvane: ") + Utf8(error.what());
    }
    return Line(DataFailureText(error), consequence, command);
}

QString DataFailureLine(const turvane::Finding& finding, const QString& consequence,
                        const CommandLine& command) {
    QString what = Utf8(turvane::Render(finding.message, [](const char* source) {
        return QCoreApplication::translate("DataCheck", source).toStdString();
    }));
    if (const QString note = finding.line == 0 ? FileNote(Utf8(finding.path)) : QString();
        !note.isEmpty()) {
        what = QCoreApplication::translate("CommandLine", "%1; %2").arg(what, note);
    }
    return Line(Place(finding.path, finding.line, finding.column) + QStringLiteral(": ") + what,
                consequence, command);
}

QString DamageNotice(const turvane::FileSource& files, const CommandLine& command) {
    const turvane::CheckReport report = turvane::CheckDataFiles(files, command.year);
    if (report.findings.empty()) {
        return {};
    }
    return Utf8(FormatTranslated(report.findings.front())) + QLatin1Char('\n') +
           QCoreApplication::translate(
               "CommandLine",
               "turvane: '%1' finds %2 in the data files, the first above; they are written as "
               "they read")
               .arg(CheckCommandFor(command), FoundInReport(report));
}

void SayOnStandardError(const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
}
