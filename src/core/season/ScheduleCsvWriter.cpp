// The season table written as CSV.

#include "CsvRows.h"
#include "CsvSchema.h"
#include "ScheduleCsv.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"

#include <algorithm>

namespace turvane {

using namespace csv;

namespace {

void AppendRow(std::string& out, const std::array<std::string, ColumnNames.size()>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) {
            out += ',';
        }
        AppendCsvCell(out, cells[c]);
    }
    out += "\r\n";
}

std::string Numeral(char c) {
    return c == ' ' ? std::string() : std::string(1, c);
}

} // namespace

std::string WriteScheduleCsv(const ScheduleTable& table, int year) {
    std::string out;
    std::array<std::string, ColumnNames.size()> header;
    std::copy(ColumnNames.begin(), ColumnNames.end(), header.begin());
    AppendRow(out, header);
    for (const TableDay& day : table.days) {
        const std::string date = DateText(year, day.month, day.day);
        for (const TableMeeting& m : day.meetings) {
            std::array<std::string, ColumnNames.size()> row;
            row[Kind] = "meeting";
            row[Date] = date;
            row[Racecourse] = Cp932ToUtf8(CourseNameBytes(m.course));
            row[Number] = Numeral(m.number);
            row[DayNumber] = Numeral(m.dayTens) + Numeral(m.day);
            row[Mark] = Cp932ToUtf8(m.mark);
            row[Slot] = std::to_string(m.slot);
            AppendRow(out, row);
        }
        for (const TableRace& r : day.races) {
            std::array<std::string, ColumnNames.size()> row;
            row[Kind] = "race";
            row[Date] = date;
            row[Racecourse] = Cp932ToUtf8(CourseNameBytes(r.course));
            row[Slot] = std::to_string(r.slot);
            row[Race] = Cp932ToUtf8(r.text);
            AppendRow(out, row);
        }
        for (std::size_t f = 0; f < DataFileCount; ++f) {
            if (day.lineSizes[f]) {
                std::array<std::string, ColumnNames.size()> row;
                row[Kind] = "line";
                row[Date] = date;
                row[File] = DataFileNames[f];
                row[Bytes] = std::to_string(*day.lineSizes[f]);
                AppendRow(out, row);
            }
        }
    }
    return out;
}

} // namespace turvane
