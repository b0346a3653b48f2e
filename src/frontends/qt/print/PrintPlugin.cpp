// The print plugin: Qt's print preview dialog and the system's printers.
// Loaded by the program on the first print; see PrintPlugin.h.

#include "PrintPlugin.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Paints the document on printer; a PDF file is painted in memory, with the
// printer's settings, and handed to the program to write (see
// PagedDocument::writeFile).
void Print(QPrinter& printer, const PagedDocument& document) {
    // The preview paints on its own engine whatever the output.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat &&
                        !printer.outputFileName().isEmpty() &&
                        printer.paintEngine()->type() != QPaintEngine::Picture;
    if (!toFile) {
        document.paint(printer);
        return;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        writer.setPdfVersion(printer.pdfVersion());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setPageRanges(printer.pageRanges());
        document.paint(writer);
    }
    document.writeFile(printer.outputFileName(), pdf.data());
}

} // namespace

extern "C" Q_DECL_EXPORT void turvane_print_preview(QWidget* parent,
                                                    const PagedDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title());
    document.setUp(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { Print(*target, document); });
    dialog.exec();
}

extern "C" Q_DECL_EXPORT void turvane_print_to_file(const PagedDocument& document,
                                                    const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title());
    document.setUp(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    Print(printer, document);
}

// The program calls them through these types.
[[maybe_unused]] static constexpr PrintPreviewFunction EntryPoint = &turvane_print_preview;
[[maybe_unused]] static constexpr PrintToFileFunction ToFileEntryPoint = &turvane_print_to_file;
