#include "ScheduleCsv.h"

#include "CsvSchema.h"
#include "core/DataFiles.h"
#include "core/Translatable.h"
#include "core/check/DataCheck.h"

#include <algorithm>

// The two ways between the data files and the CSV: export checks and reads
// the files, writes the table and names what an import would not give back;
// import reads the CSV and builds the files.

namespace turvane {

using namespace csv;

CsvExport ExportScheduleCsv(const CheckedFile& meetings, const CheckedFile& courses,
                            const CheckedFile& races, int year) {
    CsvExport result;
    std::vector<Finding> check =
        CheckDataFiles(meetings, courses, races, ScheduleYear(year)).findings;
    std::erase_if(check, [](const Finding& f) { return f.severity != Severity::Error; });
    if (!check.empty()) {
        result.checkFailed = true;
        result.findings = std::move(check);
        return result;
    }
    // Lines are compared with what an import of the very CSV writes, so that
    // whatever the CSV changes on its way (a character's second code, say)
    // is named too.
    std::vector<Finding> importProblems;
    const auto throughCsv = [&](const ScheduleTable& table) {
        CsvImport imported = ImportScheduleCsv(WriteScheduleCsv(table, year), "(the CSV)", year);
        if (!imported.files) {
            importProblems = std::move(imported.problems);
            return BuildDataFiles(table);
        }
        return *imported.files;
    };
    TableReading reading = ReadDataFiles(meetings, courses, races, year, throughCsv);
    result.findings = std::move(reading.findings);
    // A table without a day makes a CSV the import refuses, and rightly so.
    if (!reading.table.days.empty()) {
        for (Finding& problem : importProblems) {
            problem.message =
                Message(QT_TRANSLATE_NOOP("DataCheck", "the exported CSV would not import: %1"),
                        {std::move(problem.message)});
            result.findings.push_back(std::move(problem));
        }
    }
    result.ok = std::none_of(result.findings.begin(), result.findings.end(),
                             [](const Finding& f) { return f.severity == Severity::Error; });
    if (result.ok) {
        result.csv = WriteScheduleCsv(reading.table, year);
    } else {
        std::erase_if(result.findings,
                      [](const Finding& f) { return f.severity != Severity::Error; });
    }
    return result;
}

CsvExport ExportScheduleCsv(const FileSource& files, int year) {
    return ExportScheduleCsv(ReadCheckedFile(files, MeetingFile),
                             ReadCheckedFile(files, CourseFile), ReadCheckedFile(files, RaceFile),
                             year);
}

CsvImport ImportScheduleCsv(std::string_view csv, const std::string& path,
                            std::optional<int> askedYear) {
    CsvImport result;
    CsvReading reading = ReadScheduleCsv(csv, path, askedYear);
    const int year = reading.year;
    result.year = year;
    if (!reading.problems.empty()) {
        result.problems = std::move(reading.problems);
        return result;
    }
    DataFileBytes files = BuildDataFiles(reading.table);
    // The reader admits only what the layout allows; should it ever let
    // something through, nothing is written.
    const std::vector<Finding> check =
        CheckDataFiles({std::string(MeetingFile), files[MeetingFileIndex]},
                       {std::string(CourseFile), files[CourseFileIndex]},
                       {std::string(RaceFile), files[RaceFileIndex]}, ScheduleYear(year))
            .findings;
    for (const Finding& f : check) {
        result.problems.push_back(
            {path, 0, 0, Severity::Error,
             Message(QT_TRANSLATE_NOOP("DataCheck",
                                       "the files built from the CSV would not pass the check: %1"),
                     {FormatFinding(f)})});
    }
    if (result.problems.empty()) {
        result.files = std::move(files);
    }
    return result;
}

} // namespace turvane
