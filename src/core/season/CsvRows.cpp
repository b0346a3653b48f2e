#include "CsvRows.h"

#include "core/Translatable.h"

#include <csv.h>

namespace turvane {

namespace {

// libcsv says neither where a field starts nor on which line, so the bytes
// go in one at a time and the lines are counted here.
class CsvParser {
public:
    CsvParser() {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        // Every blank belongs to its cell: a race text may start with one.
        csv_set_space_func(&parser_, [](unsigned char) { return 0; });
    }
    ~CsvParser() { csv_free(&parser_); }
    CsvParser(const CsvParser&) = delete;
    CsvParser& operator=(const CsvParser&) = delete;

    // The rows, and a message with its line when the quoting is broken;
    // the rows before the break are kept.
    std::vector<CsvRow> Parse(std::string_view csv, std::optional<CsvBreak>& broken) {
        for (std::size_t i = 0; i < csv.size(); ++i) {
            const char c = csv[i];
            // A cell starts at its first byte; an empty last cell, at the
            // line end after its comma. Blank lines start nothing.
            if (startPending_ && ((c != '\r' && c != '\n') || !current_.cells.empty())) {
                cellLine_ = line_;
                startPending_ = false;
            }
            if (csv_parse(&parser_, &c, 1, OnCell, OnRowEnd, this) != 1) {
                broken = CsvBreak{line_, current_.cells.size() + 1, BrokenQuoteMessage(c)};
                return std::move(rows_);
            }
            if (c == '\n') {
                if (!afterCr_) {
                    ++line_;
                }
                afterCr_ = false;
            } else if (c == '\r') {
                ++line_;
                afterCr_ = true;
            } else {
                afterCr_ = false;
            }
        }
        if (csv_fini(&parser_, OnCell, OnRowEnd, this) != 0) {
            broken = CsvBreak{
                cellLine_, current_.cells.size() + 1,
                QT_TRANSLATE_NOOP("DataCheck",
                                  "a quoted cell starts here and is never closed (a '\"' is "
                                  "missing)")};
        }
        return std::move(rows_);
    }

private:
    static const char* BrokenQuoteMessage(char c) {
        return c == '"' ? QT_TRANSLATE_NOOP("DataCheck",
                                            "a '\"' stands inside a cell that is not quoted; write "
                                            "it as '\"\"' inside a quoted cell")
                        : QT_TRANSLATE_NOOP("DataCheck",
                                            "text follows the closing '\"' of a quoted cell");
    }

    static void OnCell(void* data, std::size_t size, void* self) {
        auto& p = *static_cast<CsvParser*>(self);
        std::string text;
        if (size > 0) {
            text.assign(static_cast<const char*>(data), size);
        }
        p.current_.cells.push_back({std::move(text), p.cellLine_});
        if (p.current_.cells.size() == 1) {
            p.current_.line = p.cellLine_;
        }
        p.startPending_ = true;
    }

    static void OnRowEnd(int, void* self) {
        auto& p = *static_cast<CsvParser*>(self);
        p.rows_.push_back(std::move(p.current_));
        p.current_ = {};
        p.startPending_ = true;
    }

    csv_parser parser_{};
    std::vector<CsvRow> rows_;
    CsvRow current_;
    std::size_t line_ = 1;
    std::size_t cellLine_ = 1;
    bool startPending_ = true;
    bool afterCr_ = false;
};

} // namespace

std::vector<CsvRow> ReadCsvRows(std::string_view csv, std::optional<CsvBreak>& broken) {
    return CsvParser().Parse(csv, broken);
}

void AppendCsvCell(std::string& out, std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (blank(text.front()) || blank(text.back())));
    if (!quote) {
        out += text;
        return;
    }
    std::string quoted(text.size() * 2 + 2, '\0');
    quoted.resize(csv_write(quoted.data(), quoted.size(), text.data(), text.size()));
    out += quoted;
}

} // namespace turvane
