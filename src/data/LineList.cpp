#include "LineList.h"

#include "Errors.h"

#include <cstring>

namespace turvane {

LineList LineList::Split(std::string bytes) {
    LineList list;
    list.text_ = std::move(bytes);
    const char* const begin = list.text_.data();
    const char* end = begin + list.text_.size();
    if (const void* nul = std::memchr(begin, '\0', list.text_.size())) {
        end = static_cast<const char*>(nul);
    }
    const char* lineStart = begin;
    for (const char* p = begin; p < end; ++p) {
        if (*p != '\r' && *p != '\n') {
            continue;
        }
        list.spans_.push_back(
            {static_cast<std::size_t>(lineStart - begin), static_cast<std::size_t>(p - lineStart)});
        if (*p == '\r' && p + 1 < end && p[1] == '\n') {
            ++p;
        }
        lineStart = p + 1;
    }
    if (lineStart < end) {
        list.spans_.push_back({static_cast<std::size_t>(lineStart - begin),
                               static_cast<std::size_t>(end - lineStart)});
    }
    return list;
}

std::string_view LineList::at(std::size_t index) const {
    if (index >= spans_.size()) {
        throw ListIndexError(index);
    }
    return (*this)[index];
}

} // namespace turvane
