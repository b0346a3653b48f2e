#pragma once

#include <Qt>

// A grid cell's text as stored, blanks and all: what the grid paints and
// copies. The display role gives it without the blanks at its ends.
inline constexpr int StoredTextRole = Qt::UserRole;
