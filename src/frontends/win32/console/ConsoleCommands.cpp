#include "ConsoleCommands.h"

#include "ConsoleOutput.h"
#include "ConsoleSeason.h"
#include "core/DataDir.h"
#include "core/DataFiles.h"
#include "core/Platform.h"
#include "core/check/DataCheck.h"

#include <string>

namespace turvane::win {

namespace {

constexpr char Context[] = "CommandLine";

// The check's last line: which files, how many lines, what was found. The
// same words as the Linux program's.
std::string CheckSummary(const CheckReport& report, const std::string& meetingFile,
                         Language language) {
    const auto tr = [language](const char* source) { return Translate(language, Context, source); };
    int errors = 0;
    int warnings = 0;
    for (const Finding& finding : report.findings) {
        ++(finding.severity == Severity::Error ? errors : warnings);
    }
    std::string found;
    if (errors + warnings == 0) {
        found = tr(QT_TRANSLATE_NOOP("CommandLine", "no problems found"));
    } else {
        if (errors > 0) {
            found = errors == 1 ? tr(QT_TRANSLATE_NOOP("CommandLine", "1 error"))
                                : Format(tr(QT_TRANSLATE_NOOP("CommandLine", "%1 errors")),
                                         {std::to_string(errors)});
        }
        if (warnings > 0) {
            if (!found.empty()) {
                found += tr(QT_TRANSLATE_NOOP("CommandLine", ", "));
            }
            found += warnings == 1 ? tr(QT_TRANSLATE_NOOP("CommandLine", "1 warning"))
                                   : Format(tr(QT_TRANSLATE_NOOP("CommandLine", "%1 warnings")),
                                            {std::to_string(warnings)});
        }
    }
    const std::size_t slash = meetingFile.find_last_of("\\/");
    const std::string directory =
        slash == std::string::npos || slash == 0 ? "." : meetingFile.substr(0, slash);
    return Format(tr(QT_TRANSLATE_NOOP("CommandLine",
                                       "turvane: checked Cal1.dat, Cal2.dat and jyuusyou.dat in "
                                       "'%1', %2 lines: %3")),
                  {directory, std::to_string(report.lines), found});
}

int RunCheck(const Command& command, Language language) {
    // The season the windows would show.
    const SeasonChoice season =
        ChooseSeason(command.dataDir, command.year, command.date.value_or(LocalDate()));
    if (const std::optional<std::string> problem = SeasonProblem(season, language)) {
        WriteText(STD_ERROR_HANDLE, "turvane: " + *problem + "\n");
        return 1;
    }
    const DataDir files = season.files();
    const CheckReport report = CheckDataFiles(files, season.year);
    std::string findings;
    for (const Finding& finding : report.findings) {
        findings += FormatFinding(finding, [language](const char* source) {
            return Translate(language, "DataCheck", source);
        });
        findings += '\n';
    }
    // Standard output holds the findings only, for tools; the summary is for
    // the person who ran the check, after the findings.
    WriteText(STD_OUTPUT_HANDLE, findings);
    WriteText(STD_ERROR_HANDLE, CheckSummary(report, files.PathOf(MeetingFile), language) + "\n");
    return report.findings.empty() ? 0 : 1;
}

} // namespace

std::optional<int> RunWithoutWindow(const Command& command, Language language) {
    switch (command.action) {
    case Command::Action::ShowWindow:
        return std::nullopt;
    case Command::Action::Help:
    case Command::Action::Version:
        WriteText(STD_OUTPUT_HANDLE, command.text);
        return 0;
    case Command::Action::UsageError:
        WriteText(STD_ERROR_HANDLE, command.text + "\n");
        return 2;
    case Command::Action::Check:
        return RunCheck(command, language);
    }
    return 2;
}

} // namespace turvane::win
