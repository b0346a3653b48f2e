#include "CheckCommand.h"

#include "CommandLine.h"
#include "DataFailures.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "core/check/DataCheck.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>

QString FoundInReport(const turvane::CheckReport& report) {
    int errors = 0;
    int warnings = 0;
    for (const turvane::Finding& finding : report.findings) {
        ++(finding.severity == turvane::Severity::Error ? errors : warnings);
    }
    QString found;
    if (errors + warnings == 0) {
        found = QCoreApplication::translate("CommandLine", "no problems found");
    } else {
        QStringList counts;
        if (errors > 0) {
            counts.append(
                errors == 1 ? QCoreApplication::translate("CommandLine", "1 error")
                            : QCoreApplication::translate("CommandLine", "%1 errors").arg(errors));
        }
        if (warnings > 0) {
            counts.append(
                warnings == 1
                    ? QCoreApplication::translate("CommandLine", "1 warning")
                    : QCoreApplication::translate("CommandLine", "%1 warnings").arg(warnings));
        }
        found = counts.join(QCoreApplication::translate("CommandLine", ", "));
    }
    return found;
}

QString CheckSummary(const turvane::CheckReport& report, const QString& meetingFile) {
    QString directory = meetingFile;
    directory.truncate(std::max<qsizetype>(directory.lastIndexOf(QLatin1Char('/')), 0));
    if (directory.isEmpty()) {
        directory = QStringLiteral(".");
    }
    return QCoreApplication::translate("CommandLine",
                                       "turvane: checked Cal1.dat, Cal2.dat and jyuusyou.dat in "
                                       "'%1', %2 lines: %3")
        .arg(directory)
        .arg(report.lines)
        .arg(FoundInReport(report));
}

std::string FormatTranslated(const turvane::Finding& finding) {
    return turvane::FormatFinding(finding, [](const char* source) {
        return QCoreApplication::translate("DataCheck", source).toStdString();
    });
}

int RunCheck(const CommandLine& command) {
    const std::shared_ptr<const turvane::FileSource> files = FilesFor(command);
    const turvane::CheckReport report = turvane::CheckDataFiles(*files, command.year);
    for (const turvane::Finding& finding : report.findings) {
        std::fputs((FormatTranslated(finding) + '\n').c_str(), stdout);
        // A file that cannot be read may say why, as compilers add a note.
        const QString note =
            finding.line == 0 ? FileNote(QString::fromStdString(finding.path)) : QString();
        if (!note.isEmpty()) {
            std::fputs(QCoreApplication::translate("CommandLine", "%1: note: %2")
                           .arg(QString::fromStdString(finding.path), note)
                           .append(QLatin1Char('\n'))
                           .toUtf8()
                           .constData(),
                       stdout);
        }
    }
    // Standard output stays findings only, for tools; the summary is for
    // the person who ran it, after the findings when both go to one place.
    std::fflush(stdout);
    const QString summary =
        CheckSummary(report, QString::fromStdString(files->PathOf(turvane::MeetingFile)));
    std::fputs((summary + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return report.findings.empty() ? 0 : 1;
}
