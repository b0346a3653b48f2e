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

// A cell's text without the ASCII and ideographic blanks at its ends: what a
// screen reader should say for it. A cell of blanks is then empty to a
// screen reader instead of a pause read out.
QString SpokenCellText(const QString& text);

// Two spoken texts one after the other, a blank between them when both say
// something.
QString SpokenTogether(const QString& first, const QString& second);
