#include "ScheduleDocument.h"

#include "Fonts.h"
#include "FromScreens.h"
#include "core/DataFiles.h"
#include "core/DateKeys.h"
#include "core/FileSource.h"
#include "core/GradedRaces.h"
#include "core/LineList.h"
#include "screens/Design.h"
#include "screens/Fill.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <cmath>

using namespace turvane;

namespace {

// Sizes in points. Tables print at the reading size unless their widest
// texts need a smaller one to fit the page width.
constexpr qreal ReadingSize = 10.5;
constexpr qreal PageHeaderSize = 12;
constexpr qreal FooterSize = 9;
// Around each text, in ems of the table's font.
constexpr qreal CellInset = 0.4;
constexpr qreal RowPitch = 1.45;
// The pale fixed cells of the grids, as a shade that any printer shows.
const QColor FixedCellShade(232, 232, 232);
const QColor GridLineColor(96, 96, 96);

// What a cell shows of its text: trailing blanks paint nothing.
QString Visible(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace()) {
        --end;
    }
    return text.left(end);
}

// A section of the document: a window's grid as the screens layer fills it,
// under its box's caption and in the grid's font; rows lines of its file
// under its fixed row, if it has one.
ScheduleDocument::Section SectionOf(const screens::WindowDesign& window, std::string_view box,
                                    std::string_view grid, const screens::GridFill& table,
                                    const std::vector<QString>& texts, std::size_t rows) {
    const screens::ControlDesign& design = *window.find(grid);
    ScheduleDocument::Section section{ToQString(window.find(box)->text),
                                      QFont(ToQString(design.font->face)),
                                      table.colCount(),
                                      {},
                                      {}};
    const int first = design.grid->fixedRows;
    for (int r = 0; r < first; ++r) {
        for (int c = 0; c < table.colCount(); ++c) {
            section.header.push_back(texts[table.cell(c, r)]);
        }
    }
    section.cells.reserve(rows * static_cast<std::size_t>(table.colCount()));
    for (int r = first; r < first + static_cast<int>(rows); ++r) {
        for (int c = 0; c < table.colCount(); ++c) {
            section.cells.push_back(texts[table.cell(c, r)]);
        }
    }
    return section;
}

QFont FontAt(QFont font, qreal points, bool bold = false) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

qreal PointsToDevice(qreal points, const QPaintDevice& device) {
    return points * device.logicalDpiY() / 72.0;
}

// How one section is laid out on the pages of one orientation.
struct SectionPlan {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    qreal pointSize = ReadingSize;
    std::vector<qreal> colWidths; // device units, insets included
    qreal rowHeight = 0;
    qreal inset = 0;
    int rowsPerPage = 1;
    int pages = 1;
};

// Everything that is the same on every page of an orientation.
struct PageFrame {
    QSizeF size;       // the paintable area, device units
    qreal tableTop;    // under the page header
    qreal tableBottom; // over the footer
};

PageFrame FrameOf(const QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(orientation);
    const QSizeF size = layout.paintRectPixels(device.logicalDpiX()).size();
    const QFontMetricsF header(FontAt(QFont(ProportionalGothic), PageHeaderSize, true), &device);
    const QFontMetricsF footer(FontAt(QFont(ProportionalGothic), FooterSize), &device);
    return {size, header.height() * 1.6, size.height() - footer.height() * 1.8};
}

// The distinct visible texts of each column, the header included.
std::vector<QStringList> DistinctTexts(const ScheduleDocument::Section& section) {
    std::vector<QSet<QString>> sets(static_cast<std::size_t>(section.cols));
    for (std::size_t i = 0; i < section.header.size(); ++i) {
        sets[i].insert(Visible(section.header[i]));
    }
    for (std::size_t i = 0; i < section.cells.size(); ++i) {
        sets[i % sets.size()].insert(Visible(section.cells[i]));
    }
    std::vector<QStringList> texts;
    for (const QSet<QString>& set : sets) {
        texts.push_back(set.values());
    }
    return texts;
}

std::vector<qreal> ColumnWidths(const std::vector<QStringList>& texts, const QFont& font,
                                const QPaintDevice& device, qreal inset) {
    const QFontMetricsF metrics(font, &device);
    std::vector<qreal> widths;
    for (const QStringList& column : texts) {
        qreal widest = 0;
        for (const QString& text : column) {
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
        widths.push_back(std::ceil(widest + 2 * inset));
    }
    return widths;
}

qreal Sum(const std::vector<qreal>& widths) {
    qreal sum = 0;
    for (const qreal w : widths) {
        sum += w;
    }
    return sum;
}

SectionPlan PlanSection(const ScheduleDocument::Section& section,
                        const std::vector<QStringList>& texts, const QPagedPaintDevice& device,
                        QPageLayout::Orientation orientation) {
    const PageFrame frame = FrameOf(device, orientation);
    SectionPlan plan;
    plan.orientation = orientation;
    // Widths grow with the font size; start from the size that fits by
    // proportion, then step down until the measured texts really fit.
    const auto widthsAt = [&](qreal points) {
        plan.inset = PointsToDevice(points * CellInset, device);
        return ColumnWidths(texts, FontAt(section.font, points), device, plan.inset);
    };
    const qreal natural = Sum(widthsAt(ReadingSize));
    qreal points = ReadingSize;
    if (natural > frame.size.width()) {
        points = std::floor(ReadingSize * frame.size.width() / natural * 10) / 10;
    }
    plan.colWidths = widthsAt(points);
    while (Sum(plan.colWidths) > frame.size.width() && points > 0.5) {
        points *= 0.97;
        plan.colWidths = widthsAt(points);
    }
    plan.pointSize = points;
    plan.rowHeight = std::ceil(PointsToDevice(points * RowPitch, device));
    const int headerRows = section.header.empty() ? 0 : 1;
    const int fitting = static_cast<int>((frame.tableBottom - frame.tableTop) / plan.rowHeight);
    plan.rowsPerPage = std::max(1, fitting - headerRows);
    plan.pages = std::max(1, (section.rows() + plan.rowsPerPage - 1) / plan.rowsPerPage);
    return plan;
}

// The larger print wins; portrait when both read at full size.
SectionPlan BestPlan(const ScheduleDocument::Section& section, const QPagedPaintDevice& device) {
    const std::vector<QStringList> texts = DistinctTexts(section);
    const SectionPlan portrait = PlanSection(section, texts, device, QPageLayout::Portrait);
    if (portrait.pointSize >= ReadingSize) {
        return portrait;
    }
    const SectionPlan landscape = PlanSection(section, texts, device, QPageLayout::Landscape);
    return landscape.pointSize > portrait.pointSize ? landscape : portrait;
}

void PaintRow(QPainter& painter, const ScheduleDocument::Section& section, const SectionPlan& plan,
              qreal y, const QString* texts, bool fixedRow) {
    qreal x = 0;
    for (int c = 0; c < section.cols; ++c) {
        const qreal width = plan.colWidths[static_cast<std::size_t>(c)];
        const QRectF cell(x, y, width, plan.rowHeight);
        if (fixedRow || c == 0) {
            painter.fillRect(cell, FixedCellShade);
        }
        if (!texts[c].isEmpty()) {
            painter.drawText(
                cell.adjusted(plan.inset, 0, 0, 0),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, texts[c]);
        }
        x += width;
    }
}

void PaintGridLines(QPainter& painter, const SectionPlan& plan, qreal top, int rows) {
    const qreal width = Sum(plan.colWidths);
    const qreal bottom = top + rows * plan.rowHeight;
    for (int r = 0; r <= rows; ++r) {
        const qreal y = top + r * plan.rowHeight;
        painter.drawLine(QPointF(0, y), QPointF(width, y));
    }
    qreal x = 0;
    painter.drawLine(QPointF(0, top), QPointF(0, bottom));
    for (const qreal w : plan.colWidths) {
        x += w;
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
}

} // namespace

ScheduleDocument ScheduleDocument::Read(const FileSource& files, ScheduleYear year) {
    const LineList calendar = LoadLines(files, MeetingFile);
    const LineList courses = LoadLines(files, CourseFile);
    const LineList races = LoadLines(files, RaceFile);
    // The windows compare these dates with today's and stop at the first that
    // is no number; which one depends on the day, so none may be.
    CheckDateKeys(calendar, year);
    CheckDateKeys(races, year);

    ScheduleDocument document;
    document.year_ =
        QString::fromLatin1(year.text().data(), static_cast<qsizetype>(year.text().size()));
    // The three grids' tables, filled as the windows fill them.
    const screens::WindowDesign& main = screens::MainWindowDesign();
    const screens::WindowDesign& list = screens::ListWindowDesign();
    screens::TextTable texts;
    screens::GridFill meetingTable(main.find("StringGrid1")->grid->colCount, 0);
    screens::FillMeetingRows(calendar, texts, meetingTable, 0);
    screens::GridFill courseTable(main.find("StringGrid2")->grid->colCount, 0);
    screens::WriteCourseHeader(texts, courseTable);
    screens::FillCourseRows(courses, texts, courseTable, 1);
    screens::GridFill raceTable(list.find("StringGrid1")->grid->colCount, 0);
    screens::FillRaceRows(races, calendar, texts, raceTable);
    const std::vector<QString> shown = ToQStrings(texts);

    Section meetings =
        SectionOf(main, "GroupBox1", "StringGrid1", meetingTable, shown, calendar.size());
    Section byCourse =
        SectionOf(main, "GroupBox2", "StringGrid2", courseTable, shown, courses.size());
    Section graded = SectionOf(list, "GroupBox1", "StringGrid1", raceTable, shown, races.size());

    document.sections_ = {std::move(meetings), std::move(byCourse), std::move(graded)};
    return document;
}

QString ScheduleDocument::title() const {
    return QStringLiteral("Turvane ") + year_;
}

QPageLayout::Orientation
ScheduleDocument::preferredOrientation(const QPagedPaintDevice& device) const {
    qreal portrait = ReadingSize;
    qreal landscape = ReadingSize;
    for (const Section& section : sections_) {
        const std::vector<QStringList> texts = DistinctTexts(section);
        portrait = std::min(portrait,
                            PlanSection(section, texts, device, QPageLayout::Portrait).pointSize);
        landscape = std::min(landscape,
                             PlanSection(section, texts, device, QPageLayout::Landscape).pointSize);
    }
    return landscape > portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int ScheduleDocument::paint(QPagedPaintDevice& device, bool orientationPerSection) const {
    std::vector<SectionPlan> plans;
    int total = 0;
    for (const Section& section : sections_) {
        plans.push_back(orientationPerSection ? BestPlan(section, device)
                                              : PlanSection(section, DistinctTexts(section), device,
                                                            device.pageLayout().orientation()));
        total += plans.back().pages;
    }
    if (orientationPerSection && !plans.empty()) {
        device.setPageOrientation(plans.front().orientation);
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    const QFont headerFont = FontAt(QFont(ProportionalGothic), PageHeaderSize, true);
    const QFont footerFont = FontAt(QFont(ProportionalGothic), FooterSize);
    const QPen gridPen(GridLineColor, PointsToDevice(0.5, device));
    int page = 0;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const Section& section = sections_[s];
        const SectionPlan& plan = plans[s];
        const PageFrame frame = FrameOf(device, plan.orientation);
        const QFont tableFont = FontAt(section.font, plan.pointSize);
        for (int p = 0; p < plan.pages; ++p) {
            if (page > 0) {
                if (p == 0 && orientationPerSection &&
                    device.pageLayout().orientation() != plan.orientation) {
                    device.setPageOrientation(plan.orientation);
                }
                device.newPage();
            }
            ++page;
            painter.setPen(Qt::black);
            painter.setFont(headerFont);
            painter.drawText(QRectF(0, 0, frame.size.width(), frame.tableTop),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             title() + QLatin1Char(' ') + section.title);
            painter.setFont(footerFont);
            painter.drawText(QRectF(0, frame.tableBottom, frame.size.width(),
                                    frame.size.height() - frame.tableBottom),
                             Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                             QStringLiteral("%1 / %2").arg(page).arg(total));

            painter.setFont(tableFont);
            qreal y = frame.tableTop;
            int tableRows = 0;
            if (!section.header.empty()) {
                PaintRow(painter, section, plan, y, section.header.data(), true);
                y += plan.rowHeight;
                ++tableRows;
            }
            const int first = p * plan.rowsPerPage;
            const int last = std::min(section.rows(), first + plan.rowsPerPage);
            for (int r = first; r < last; ++r) {
                PaintRow(painter, section, plan, y, &section.cell(0, r), false);
                y += plan.rowHeight;
                ++tableRows;
            }
            painter.setPen(gridPen);
            PaintGridLines(painter, plan, frame.tableTop, tableRows);
        }
    }
    painter.end();
    return page;
}
