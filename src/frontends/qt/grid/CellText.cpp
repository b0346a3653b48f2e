#include "CellText.h"

#include "FromScreens.h"
#include "GridRoles.h"

#include <QAbstractItemModel>

#include <algorithm>
#include <vector>

namespace {

QString Field(QString text) {
    if (!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('"'))) {
        return text;
    }
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString SpokenCellText(const QString& text) {
    return ToQString(turvane::screens::SpokenText(text.toStdU16String()));
}

QString TabSeparatedText(const QModelIndexList& cells) {
    if (cells.isEmpty()) {
        return {};
    }
    int top = cells.front().row();
    int bottom = top;
    int left = cells.front().column();
    int right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    const int width = right - left + 1;
    std::vector<QString> fields(static_cast<std::size_t>((bottom - top + 1) * width));
    for (const QModelIndex& cell : cells) {
        fields[static_cast<std::size_t>((cell.row() - top) * width + cell.column() - left)] =
            Field(cell.data(StoredTextRole).toString());
    }
    QString text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text +=
                i % static_cast<std::size_t>(width) == 0 ? QLatin1Char('\n') : QLatin1Char('\t');
        }
        text += fields[i];
    }
    return text;
}
