#include "PrintFromWindow.h"

#include "AppContext.h"
#include "ErrorBox.h"
#include "PosterDocument.h"
#include "ScheduleDocument.h"
#include "app/Language.h"
#include "core/DataDir.h"
#include "core/Errors.h"
#include "core/season/NewFiles.h"
#include "outputs/SystemError.h"
#include "print/PrintPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QPagedPaintDevice>
#include <QShortcut>
#include <QWidget>

#include <type_traits>

namespace {

// The schedule's tables or the poster, for the print plugin.
template <typename Document> class Printed : public PagedDocument {
public:
    Printed(Document document, const AppContext& context)
        : document_(std::move(document)), context_(context) {}
    QString title() const override { return document_.title(); }
    void setUp(QPagedPaintDevice& device) const override {
        device.setPageOrientation(document_.preferredOrientation(device));
    }
    // The preview shows every page in the printer's one orientation, which
    // the user may change there.
    void paint(QPagedPaintDevice& device) const override {
        if constexpr (std::is_same_v<Document, ScheduleDocument>) {
            document_.paint(device, false);
        } else {
            // Only a season far beyond any year fails to fit the page.
            RunReportingErrors(context_, [&] { document_.paint(device); });
        }
    }
    void writeFile(const QString& path, const QByteArray& pdf) const override {
        // Worded as the command line words it; the windows speak Japanese
        // whatever the locale.
        const CommandLineTranslations japanese(Language::Japanese);
        const int error = turvane::ReplaceFile(QFile::encodeName(path).toStdString(),
                                               std::string_view(pdf.constData(), pdf.size()));
        if (error) {
            ReportError(context_, turvane::ScheduleError(QCoreApplication::translate(
                                                             "CommandLine", "cannot write '%1': %2")
                                                             .arg(path, SystemErrorText(error))
                                                             .toStdString()));
        }
    }

private:
    Document document_;
    const AppContext& context_;
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
QFunctionPointer FromPrintPlugin(const char* symbol) {
    static QLibrary library(
        QDir(ProgramDirectory()).filePath(QString::fromLatin1(PrintPluginName)));
    const QFunctionPointer function = library.resolve(symbol);
    if (!function) {
        throw turvane::ScheduleError("印刷機能を読み込めません (" +
                                     library.errorString().toStdString() + ")");
    }
    return function;
}

template <typename Document> Printed<Document> ReadPrinted(const AppContext& context) {
    return {Document::Read(*context.files, context.year), context};
}

} // namespace

void PrintFromWindow(QWidget* window, const AppContext& context, Printout printout) {
    const auto preview =
        reinterpret_cast<PrintPreviewFunction>(FromPrintPlugin(PrintPreviewSymbol));
    if (printout == Printout::Poster) {
        preview(window, ReadPrinted<PosterDocument>(context));
    } else {
        preview(window, ReadPrinted<ScheduleDocument>(context));
    }
}

void PrintToFileFromWindow(const AppContext& context, const QString& path, Printout printout) {
    const auto print = reinterpret_cast<PrintToFileFunction>(FromPrintPlugin(PrintToFileSymbol));
    if (printout == Printout::Poster) {
        print(ReadPrinted<PosterDocument>(context), path);
    } else {
        print(ReadPrinted<ScheduleDocument>(context), path);
    }
}

void InstallPrintShortcut(QWidget* window, const AppContext& context) {
    auto* shortcut = new QShortcut(QKeySequence::Print, window);
    shortcut->setObjectName(QStringLiteral("PrintShortcut"));
    QObject::connect(shortcut, &QShortcut::activated, window, [window, context] {
        RunReportingErrors(context, [&] { PrintFromWindow(window, context); });
    });
}
