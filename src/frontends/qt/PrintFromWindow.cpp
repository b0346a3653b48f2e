#include "PrintFromWindow.h"

#include "AppContext.h"
#include "ErrorBox.h"
#include "ScheduleDocument.h"
#include "core/DataDir.h"
#include "core/Errors.h"
#include "print/PrintPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPagedPaintDevice>
#include <QShortcut>
#include <QWidget>

namespace {

class PrintedSchedule : public PagedDocument {
public:
    explicit PrintedSchedule(ScheduleDocument document) : document_(std::move(document)) {}
    QString title() const override { return document_.title(); }
    void setUp(QPagedPaintDevice& device) const override {
        device.setPageOrientation(document_.preferredOrientation(device));
    }
    // The preview shows every page in the printer's one orientation, which
    // the user may change there.
    void paint(QPagedPaintDevice& device) const override { document_.paint(device, false); }

private:
    ScheduleDocument document_;
};

QString ProgramDirectory() {
    const std::string path = turvane::ExecutablePath();
    if (path.empty()) {
        return QCoreApplication::applicationDirPath();
    }
    return QFileInfo(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())))
        .absolutePath();
}

// Loaded once and kept: the dialog's classes live in it.
PrintPreviewFunction LoadPrintPreview() {
    static PrintPreviewFunction preview = nullptr;
    if (preview) {
        return preview;
    }
    static QLibrary library;
    library.setFileName(QDir(ProgramDirectory()).filePath(QString::fromLatin1(PrintPluginName)));
    preview = reinterpret_cast<PrintPreviewFunction>(library.resolve(PrintPreviewSymbol));
    if (!preview) {
        throw turvane::ScheduleError("印刷機能を読み込めません (" +
                                     library.errorString().toStdString() + ")");
    }
    return preview;
}

} // namespace

void PrintFromWindow(QWidget* window, const AppContext& context) {
    const PrintedSchedule document(ScheduleDocument::Read(*context.files, context.year));
    LoadPrintPreview()(window, document);
}

void InstallPrintShortcut(QWidget* window, const AppContext& context) {
    auto* shortcut = new QShortcut(QKeySequence::Print, window);
    shortcut->setObjectName(QStringLiteral("PrintShortcut"));
    QObject::connect(shortcut, &QShortcut::activated, window, [window, context] {
        RunReportingErrors(context, [&] { PrintFromWindow(window, context); });
    });
}
