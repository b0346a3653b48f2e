// The print plugin: Qt's print preview dialog and the system's printers.
// Loaded by the program on the first print; see PrintPlugin.h.

#include "PrintPlugin.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void turvane_print_preview(QWidget* parent,
                                                    const PagedDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title());
    document.setUp(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { document.paint(*target); });
    dialog.exec();
}

// The program calls it through this type.
[[maybe_unused]] static constexpr PrintPreviewFunction EntryPoint = &turvane_print_preview;
