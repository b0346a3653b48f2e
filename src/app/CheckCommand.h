#pragma once

// --check: the layout check's findings, one a line, in the command line's
// language.

#include <QString>

#include <string>

namespace turvane {
struct CheckReport;
struct Finding;
} // namespace turvane

struct CommandLine;

// The check's last line: which files, how many lines, how many errors and
// warnings, or that it found nothing.
QString CheckSummary(const turvane::CheckReport& report, const QString& meetingFile);

// What the check found: "2 errors, 1 warning", or that it found nothing.
QString FoundInReport(const turvane::CheckReport& report);

// A finding of the check or of a CSV file in the command line's language.
std::string FormatTranslated(const turvane::Finding& finding);

// Prints the findings on standard output and the summary on standard error;
// the exit status.
int RunCheck(const CommandLine& command);
