#pragma once

#include <stdexcept>

// A grid row outside 0 .. rowCount - 1. what() is a UTF-8 message ready for
// the error box.
class GridIndexError : public std::out_of_range {
public:
    GridIndexError() : std::out_of_range("グリッドインデックス が範囲を超えています") {}
};
