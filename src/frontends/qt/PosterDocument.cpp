#include "PosterDocument.h"

#include "Fonts.h"
#include "FromScreens.h"
#include "PaperPainting.h"
#include "PdfOutput.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

using namespace turvane;

namespace {

// Dark enough for white type, and apart from the shades in grey.
const QColor HeadingBar(31, 58, 95);
const QColor FrameLine(90, 90, 90);
const QColor DayLine(175, 175, 175);
const QColor SaturdayShade(228, 238, 252);
const QColor SundayShade(246, 200, 200);
const QColor GradeOneShade(255, 214, 102);
const QColor SaturdayInk(0, 55, 150);
const QColor SundayInk(170, 0, 25);

bool IsBold(PosterStyle style) {
    switch (style) {
    case PosterStyle::Year:
    case PosterStyle::Title:
    case PosterStyle::MonthHeading:
    case PosterStyle::Sunday:
    case PosterStyle::Holiday:
    case PosterStyle::GradeOneRace:
        return true;
    default:
        return false;
    }
}

QColor InkOf(PosterStyle style) {
    switch (style) {
    case PosterStyle::Year:
        return HeadingBar;
    case PosterStyle::MonthHeading:
        return Qt::white;
    case PosterStyle::Saturday:
        return SaturdayInk;
    case PosterStyle::Sunday:
    case PosterStyle::Holiday:
        return SundayInk;
    default:
        return Qt::black;
    }
}

QSizeF PaperInPoints(const QPagedPaintDevice& device) {
    return device.pageLayout().paintRect(QPageLayout::Point).size();
}

} // namespace

PosterDocument PosterDocument::Read(const FileSource& files, ScheduleYear year) {
    PosterDocument document;
    document.poster_ = ReadPoster(files, year);
    return document;
}

QString PosterDocument::title() const {
    return QStringLiteral("Turvane ") + ToQString(poster_.year) + QLatin1Char(' ') +
           ToQString(poster_.title);
}

PosterLayout PosterDocument::layOut(const QPagedPaintDevice& device, PosterTurn turn) const {
    const TextMeasure measure(QFont(ProportionalGothic), device);
    const QSizeF paper = PaperInPoints(device);
    return LayOutPoster(
        poster_, paper.width(), paper.height(), 0,
        [&](std::u16string_view text, PosterStyle style, double points) {
            return measure.width(text, points, IsBold(style));
        },
        turn);
}

QPageLayout::Orientation
PosterDocument::preferredOrientation(const QPagedPaintDevice& device) const {
    return layOut(device, PosterTurn::Best).landscape ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait;
}

bool PosterDocument::paint(QPagedPaintDevice& device) const {
    const QSizeF paper = PaperInPoints(device);
    return paint(device, layOut(device, paper.width() > paper.height() ? PosterTurn::Landscape
                                                                       : PosterTurn::Portrait));
}

bool PosterDocument::paint(QPagedPaintDevice& device, const PosterLayout& layout) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const PaperScale scale(device);
    const TextMeasure fonts(QFont(ProportionalGothic), device);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PosterShapeBox& box : layout.shapes) {
        const QRectF rect = scale.rect(box.x, box.y, box.width, box.height);
        switch (box.shape) {
        case PosterShape::MonthHeading:
            painter.fillRect(rect, HeadingBar);
            break;
        case PosterShape::SaturdayShade:
            painter.fillRect(rect, SaturdayShade);
            break;
        case PosterShape::SundayShade:
            painter.fillRect(rect, SundayShade);
            break;
        case PosterShape::GradeOneShade:
            painter.fillRect(rect, GradeOneShade);
            break;
        case PosterShape::MonthFrame:
            painter.setPen(QPen(FrameLine, scale(0.8 * layout.points / 10)));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect);
            break;
        case PosterShape::DayRule:
            painter.setPen(QPen(DayLine, scale(0.4 * layout.points / 10)));
            painter.drawLine(rect.topLeft(), rect.topRight());
            break;
        }
    }
    for (const PosterText& text : layout.texts) {
        painter.setPen(InkOf(text.style));
        painter.setFont(fonts.font(text.points, IsBold(text.style)));
        painter.drawText(scale.rect(text.x, text.y, text.width, text.height),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                         ToQString(text.text));
    }
    painter.end();
    return true;
}

bool WritePosterPdf(const PosterDocument& poster, QIODevice& out, const QPageSize& pageSize) {
    QPdfWriter writer(&out);
    SetUpPdfWriter(writer, poster.title(), pageSize, 10);
    // Laid out once, on the paper turned whichever way prints larger.
    const PosterLayout layout = poster.layOut(writer, PosterTurn::Best);
    writer.setPageOrientation(layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return PosterDocument::paint(writer, layout);
}
