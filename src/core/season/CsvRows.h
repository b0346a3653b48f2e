#pragma once

// CSV text as rows of cells (RFC 4180, as spreadsheets write it), through
// libcsv, with the line each cell and row starts on for messages.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

struct CsvCell {
    std::string text; // as written, blanks and all
    std::size_t line = 0;
};

struct CsvRow {
    std::vector<CsvCell> cells;
    std::size_t line = 0;
};

// Quoting no CSV reader can make sense of, at a line and a cell number.
struct CsvBreak {
    std::size_t line = 0;
    std::size_t column = 0;
    const char* message = ""; // marked for translation
};

// The rows of csv; lines end in CR LF, LF or CR, and blank lines hold no
// row. When the quoting breaks, broken says where, and the rows before it
// are kept.
std::vector<CsvRow> ReadCsvRows(std::string_view csv, std::optional<CsvBreak>& broken);

// Appends text as one cell, quoted only where RFC 4180 needs it and where a
// spreadsheet might trim blanks.
void AppendCsvCell(std::string& out, std::string_view text);

} // namespace turvane
