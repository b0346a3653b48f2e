#include "ScheduleDocument.h"

#include "Fonts.h"
#include "FromScreens.h"
#include "PaperPainting.h"
#include "outputs/PaperMarks.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

using namespace turvane;

namespace {

// The pale fixed cells of the grids, as a shade that any printer shows.
const QColor FixedCellShade(232, 232, 232);
const QColor GridLineColor(96, 96, 96);

QSizeF PageInPoints(const QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(orientation);
    return layout.paintRect(QPageLayout::Point).size();
}

TablePlan PlanOn(const PrintedTables& content, const PrintedTable& table,
                 const QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
    const TextMeasure measure(QFont(ToQString(table.fontFace)), device);
    const QSizeF page = PageInPoints(device, orientation);
    return PlanTable(table, content.texts, page.width(), page.height(),
                     [&](std::u16string_view text, double points, bool bold) {
                         return measure.width(text, points, bold);
                     });
}

// The larger print wins; portrait when both read at full size.
std::pair<QPageLayout::Orientation, TablePlan>
BestPlan(const PrintedTables& content, const PrintedTable& table, const QPagedPaintDevice& device) {
    TablePlan portrait = PlanOn(content, table, device, QPageLayout::Portrait);
    if (portrait.points >= TableMaxPoints) {
        return {QPageLayout::Portrait, std::move(portrait)};
    }
    TablePlan landscape = PlanOn(content, table, device, QPageLayout::Landscape);
    if (landscape.points > portrait.points) {
        return {QPageLayout::Landscape, std::move(landscape)};
    }
    return {QPageLayout::Portrait, std::move(portrait)};
}

class TablePainter {
public:
    TablePainter(QPainter& painter, const PrintedTable& table, const TablePlan& plan,
                 const std::vector<QString>& shown, const QPaintDevice& device)
        : painter_(painter), table_(table), plan_(plan), shown_(shown), scale_(device),
          measure_(QFont(ToQString(table.fontFace)), device) {}

    // The header row, if any, and rows first .. last - 1 under it.
    void paintRows(int first, int last) {
        double y = plan_.tableTop;
        int lines = 0;
        if (!table_.header.empty()) {
            paintRow(y, table_.header.data(), nullptr, true);
            y += plan_.rowHeight;
            ++lines;
        }
        const double firstRowTop = y;
        for (int r = first; r < last; ++r) {
            const auto at = static_cast<std::size_t>(r * table_.cols);
            paintRow(y, &table_.cells[at], &table_.emphasised, false, at);
            y += plan_.rowHeight;
            ++lines;
        }
        paintGridLines(lines);
        // A heavier rule where a month begins, unless at the table's top.
        painter_.setPen(QPen(Qt::black, scale_(1.2)));
        for (int r = first + 1; r < last; ++r) {
            if (table_.monthStarts[static_cast<std::size_t>(r)]) {
                const double ry = firstRowTop + (r - first) * plan_.rowHeight;
                painter_.drawLine(QPointF(scale_(plan_.left), scale_(ry)),
                                  QPointF(scale_(plan_.left + plan_.width()), scale_(ry)));
            }
        }
    }

private:
    void paintRow(double y, const screens::TextTable::Index* texts,
                  const std::vector<bool>* emphasised, bool fixedRow, std::size_t at = 0) {
        double x = plan_.left;
        for (int c = 0; c < table_.cols; ++c) {
            const double width = plan_.colWidths[static_cast<std::size_t>(c)];
            const QRectF cell = scale_.rect(x, y, width, plan_.rowHeight);
            // The date and its weekday are the grid's fixed column.
            if (fixedRow || c < 2) {
                painter_.fillRect(cell, FixedCellShade);
            }
            const QString& text = shown_[texts[c]];
            if (!text.isEmpty()) {
                const bool bold =
                    emphasised != nullptr && (*emphasised)[at + static_cast<std::size_t>(c)];
                painter_.setPen(Qt::black);
                painter_.setFont(measure_.font(plan_.points, bold));
                painter_.drawText(
                    cell.adjusted(scale_(plan_.inset), 0, 0, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
            }
            x += width;
        }
    }

    void paintGridLines(int rows) {
        painter_.setPen(QPen(GridLineColor, scale_(0.5)));
        const double top = plan_.tableTop;
        const double bottom = top + rows * plan_.rowHeight;
        const double right = plan_.left + plan_.width();
        for (int r = 0; r <= rows; ++r) {
            const double y = top + r * plan_.rowHeight;
            painter_.drawLine(QPointF(scale_(plan_.left), scale_(y)),
                              QPointF(scale_(right), scale_(y)));
        }
        double x = plan_.left;
        painter_.drawLine(QPointF(scale_(x), scale_(top)), QPointF(scale_(x), scale_(bottom)));
        for (const double w : plan_.colWidths) {
            x += w;
            painter_.drawLine(QPointF(scale_(x), scale_(top)), QPointF(scale_(x), scale_(bottom)));
        }
    }

    QPainter& painter_;
    const PrintedTable& table_;
    const TablePlan& plan_;
    const std::vector<QString>& shown_;
    PaperScale scale_;
    TextMeasure measure_;
};

} // namespace

ScheduleDocument ScheduleDocument::Read(const FileSource& files, ScheduleYear year) {
    ScheduleDocument document;
    document.content_ = ReadPrintedTables(files, year);
    // What a cell shows of its text: trailing blanks paint nothing.
    const screens::TextTable& texts = document.content_.texts;
    document.shown_.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        document.shown_.push_back(
            ToQString(VisibleText(texts[static_cast<screens::TextTable::Index>(i)])));
    }
    return document;
}

QString ScheduleDocument::title() const {
    return QStringLiteral("Turvane ") + ToQString(content_.year);
}

std::vector<TablePlan> ScheduleDocument::plans(const QPagedPaintDevice& device,
                                               QPageLayout::Orientation orientation) const {
    std::vector<TablePlan> plans;
    for (const PrintedTable& table : content_.tables) {
        plans.push_back(PlanOn(content_, table, device, orientation));
    }
    return plans;
}

QPageLayout::Orientation
ScheduleDocument::preferredOrientation(const QPagedPaintDevice& device) const {
    double portrait = TableMaxPoints;
    double landscape = TableMaxPoints;
    for (const TablePlan& plan : plans(device, QPageLayout::Portrait)) {
        portrait = std::min(portrait, plan.points);
    }
    for (const TablePlan& plan : plans(device, QPageLayout::Landscape)) {
        landscape = std::min(landscape, plan.points);
    }
    return landscape > portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int ScheduleDocument::paint(QPagedPaintDevice& device, bool orientationPerSection) const {
    std::vector<std::pair<QPageLayout::Orientation, TablePlan>> plans;
    int total = 0;
    for (const PrintedTable& table : content_.tables) {
        const QPageLayout::Orientation kept = device.pageLayout().orientation();
        plans.push_back(orientationPerSection
                            ? BestPlan(content_, table, device)
                            : std::pair{kept, PlanOn(content_, table, device, kept)});
        total += plans.back().second.pages;
    }
    if (orientationPerSection && !plans.empty()) {
        device.setPageOrientation(plans.front().first);
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    const PaperScale scale(device);
    const TextMeasure pageFont(QFont(ProportionalGothic), device);
    int page = 0;
    for (std::size_t s = 0; s < content_.tables.size(); ++s) {
        const PrintedTable& table = content_.tables[s];
        const auto& [orientation, plan] = plans[s];
        const QSizeF size = PageInPoints(device, orientation);
        for (int p = 0; p < plan.pages; ++p) {
            if (page > 0) {
                if (p == 0 && orientationPerSection &&
                    device.pageLayout().orientation() != orientation) {
                    device.setPageOrientation(orientation);
                }
                device.newPage();
            }
            ++page;
            painter.setPen(Qt::black);
            painter.setFont(pageFont.font(PageHeaderPoints, true));
            painter.drawText(scale.rect(0, 0, size.width(), plan.tableTop),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             title() + QLatin1Char(' ') + ToQString(table.title));
            painter.setFont(pageFont.font(PageFooterPoints, false));
            painter.drawText(
                scale.rect(0, plan.tableBottom, size.width(), size.height() - plan.tableBottom),
                Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                QStringLiteral("%1 / %2").arg(page).arg(total));
            TablePainter rows(painter, table, plan, shown_, device);
            const int first = p * plan.rowsPerPage;
            rows.paintRows(first, std::min(table.rows(), first + plan.rowsPerPage));
        }
    }
    painter.end();
    return page;
}
