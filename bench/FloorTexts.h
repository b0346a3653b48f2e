#pragma once

#include <cstddef>

// Texts of the main window on the sample year, generated at build time by
// MakeFloorTexts from a real start.
struct FloorCell {
    int col;
    int row;
    const char16_t* text;
};

struct FloorGrid {
    const char* name;
    int rowCount;
    int row;
    int topRow;
    const FloorCell* cells;
    std::size_t cellCount;
};

struct FloorText {
    const char* name;
    const char16_t* text;
};

extern const FloorGrid FloorGrids[2];
extern const FloorText FloorEdits[6];
extern const FloorText FloorCaptions[2];
