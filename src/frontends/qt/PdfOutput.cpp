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
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("Turvane " TURVANE_VERSION));
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                     QPageLayout::Millimeter));
    return document.paint(writer, true) > 0;
}
