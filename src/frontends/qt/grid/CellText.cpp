#include "CellText.h"

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

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x3000);
}

} // namespace

QString SpokenCellText(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

QString SpokenTogether(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) {
        return first + second;
    }
    return first + QLatin1Char(' ') + second;
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
