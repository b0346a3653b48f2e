#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace turvane {

// The lines of one data file: the file's bytes kept once, the lines as views
// into them. Read-only after it is built.
class LineList {
public:
    LineList() = default;

    // Splits bytes into lines. A line ends at CR, LF or CR LF (one break);
    // a last line without a break counts, a break at the very end adds no
    // empty line, and a NUL byte ends the text.
    static LineList Split(std::string bytes);

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }

    std::string_view operator[](std::size_t index) const {
        const Span& s = spans_[index];
        return std::string_view(text_).substr(s.offset, s.length);
    }

    // Like operator[], but throws ListIndexError past the end, placed in the
    // source file.
    std::string_view at(std::size_t index) const;

    // The path of the file the lines were read from, as messages name it;
    // empty for lines from elsewhere.
    const std::string& source() const { return source_; }
    void SetSource(std::string path) { source_ = std::move(path); }

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    std::string text_;
    std::vector<Span> spans_;
    std::string source_;
};

} // namespace turvane
