#pragma once

// The season as a CSV file a spreadsheet opens and saves back: UTF-8,
// RFC 4180, a header row, CR LF. One file, one row per meeting, graded race
// or short line, with a column saying which: a spreadsheet sorts and filters
// one sheet easily, and a day's races stay beside its meetings.
//
//   kind     meeting | race | line
//   date     YYYY-MM-DD (also YYYY/MM/DD and YYYY/M/D, as spreadsheets save)
//   racecourse  one of the ten names (meeting, race)
//   meeting  the meeting number, one digit or empty (meeting)
//   day      the day number, one or two digits or empty (meeting)
//   mark     the character before the name in the meeting's label; empty
//            for the racecourse's usual one (meeting)
//   slot     1-3, the slot the meeting or race is stored in; empty for the
//            next free one in row order (meeting) or its meeting's (race)
//   race     the race's text (race)
//   file, bytes  a line of that file which is not at full width, and its
//            size without the line end (line)

#include "ScheduleTable.h"
#include "core/check/DataCheck.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

class FileSource;

// The table as CSV, its dates in year.
std::string WriteScheduleCsv(const ScheduleTable& table, int year);

struct CsvReading {
    ScheduleTable table;
    // The season's year: the one asked for, or the one the dates are in.
    int year = ScheduleYear::Default;
    // Every problem, at the CSV's line and column (the cell's number,
    // counted from 1 as a spreadsheet does); the table is sound only when
    // there is none.
    std::vector<Finding> problems;
};

// Reads a CSV as a spreadsheet saves it: quotes added or dropped, trailing
// empty cells and rows, columns in any order, extra columns ignored, rows
// in any order. path only names the file in messages. Without a year, the
// season is of the year its dates are in.
CsvReading ReadScheduleCsv(std::string_view csv, const std::string& path,
                           std::optional<int> year = std::nullopt);

struct CsvExport {
    bool ok = false;
    std::string csv;
    // When not ok: the errors that keep the files from being exported (the
    // layout check's, or what the CSV cannot carry). Otherwise warnings:
    // lines an import would not give back byte for byte.
    std::vector<Finding> findings;
    // Whether the layout check found errors (then the findings are its own).
    bool checkFailed = false;
};

// Exports the three files of a year's schedule.
CsvExport ExportScheduleCsv(const CheckedFile& meetings, const CheckedFile& courses,
                            const CheckedFile& races, int year);
CsvExport ExportScheduleCsv(const FileSource& files, int year);

struct CsvImport {
    // The files' bytes, in the order of DataFileNames; none when the CSV has
    // any problem. They always pass the layout check.
    std::optional<DataFileBytes> files;
    std::vector<Finding> problems;
    // The season's year, as ReadScheduleCsv chose it.
    int year = ScheduleYear::Default;
};

CsvImport ImportScheduleCsv(std::string_view csv, const std::string& path,
                            std::optional<int> year = std::nullopt);

} // namespace turvane
