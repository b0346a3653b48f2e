#pragma once

#include <QModelIndexList>
#include <QString>

// Cells as text for the clipboard, the way spreadsheets exchange them: one
// line per row, cells separated by tabs, rows and columns in the model's
// order whatever the order of the list. Cells inside the list's bounding
// rectangle that are not in the list stay empty, so columns keep lining up.
// A cell holding a tab, a line break or a double quote is put in double
// quotes, its quotes doubled. No line break after the last row.
QString TabSeparatedText(const QModelIndexList& cells);

// A cell's text as the screens layer speaks it: without the ASCII and
// ideographic blanks at its ends.
QString SpokenCellText(const QString& text);
