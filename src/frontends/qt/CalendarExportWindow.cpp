#include "CalendarExportWindow.h"

#include "AppContext.h"
#include "ErrorBox.h"
#include "app/DataFailures.h"
#include "app/Language.h"
#include "outputs/CalendarEvents.h"
#include "outputs/IcsExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

bool ExportCalendarTo(const QString& path, const AppContext& context, bool gradedOnly) {
    // The export words its failures for the command line; the windows speak
    // Japanese whatever the locale.
    const CommandLineTranslations japanese(Language::Japanese);
    bool written = false;
    RunReportingErrors(context, [&] {
        try {
            ExportCalendar(*context.files, CalendarExport{context.year, gradedOnly}, path);
        } catch (const turvane::CalendarDateError& error) {
            // No message of the design's for it: the command line's, in Japanese.
            throw turvane::ScheduleError(
                QCoreApplication::translate(
                    "CommandLine", "%1; 'turvane --check' lists every problem of the files")
                    .arg(DataFailureText(error))
                    .toStdString());
        }
        written = true;
    });
    return written;
}

bool ExportCalendarFromWindow(QWidget* parent, const AppContext& context, bool gradedOnly) {
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("カレンダーに書き出す"),
        QDir::home().filePath(CalendarFileName(context.year)), QStringLiteral("iCalendar (*.ics)"));
    if (path.isEmpty()) {
        return false;
    }
    return ExportCalendarTo(path, context, gradedOnly);
}
