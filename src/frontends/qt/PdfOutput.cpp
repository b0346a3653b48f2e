#include "PdfOutput.h"

#include "ScheduleDocument.h"
#include "core/Version.h"

#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

QPageSize DefaultPageSize() {
    if (QLocale::system().measurementSystem() == QLocale::ImperialUSSystem) {
        return QPageSize(QPageSize::Letter);
    }
    return QPageSize(QPageSize::A4);
}

bool WriteSchedulePdf(const ScheduleDocument& document, QIODevice& out, const QPageSize& pageSize) {
    QPdfWriter writer(&out);
    SetUpPdfWriter(writer, document.title(), pageSize, 12);
    return document.paint(writer, true) > 0;
}

void SetUpPdfWriter(QPdfWriter& writer, const QString& title, const QPageSize& pageSize,
                    double marginMm) {
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Turvane " TURVANE_VERSION));
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                     QPageLayout::Millimeter));
}
