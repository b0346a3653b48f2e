#include "LineList.h"

#include "Errors.h"

#include <cstring>

namespace turvane {

LineList LineList::Split(std::string bytes) {
    LineList list;
    list.text_ = std::move(bytes);
    // std::string keeps a NUL after its bytes, so strcspn stops at the first
    // NUL in the text or at its end, whichever comes first: exactly where the
    // text ends.
    const char* const begin = list.text_.c_str();
    const char* p = begin;
    for (;;) {
        const char* const lineEnd = p + std::strcspn(p, "\r\n");
        if (*lineEnd == '\0') {
            if (lineEnd != p) {
                list.spans_.push_back(
                    {static_cast<std::size_t>(p - begin), static_cast<std::size_t>(lineEnd - p)});
            }
            break;
        }
        list.spans_.push_back(
            {static_cast<std::size_t>(p - begin), static_cast<std::size_t>(lineEnd - p)});
        p = lineEnd + (lineEnd[0] == '\r' && lineEnd[1] == '\n' ? 2 : 1);
    }
    return list;
}

std::string_view LineList::at(std::size_t index) const {
    if (index >= spans_.size()) {
        ListIndexError error(index);
        error.SetPlace({source_, index + 1, 0, {}});
        error.size = spans_.size();
        throw error;
    }
    return (*this)[index];
}

} // namespace turvane
