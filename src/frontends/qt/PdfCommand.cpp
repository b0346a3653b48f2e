#include "PdfCommand.h"

#include "Fonts.h"
#include "PdfOutput.h"
#include "PosterDocument.h"
#include "ScheduleDocument.h"
#include "app/CommandLine.h"
#include "app/DataFailures.h"
#include "app/Language.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "core/season/NewFiles.h"
#include "outputs/SystemError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QProcessEnvironment>

#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fputs((QStringLiteral("turvane: ") + message + QLatin1Char('\n')).toUtf8().constData(),
               stderr);
    return 1;
}

// Qt notes on standard error that it made up a runtime directory (no
// XDG_RUNTIME_DIR, as under su or in a container); that is no concern of a
// command whose standard error says in one line why it failed.
QtMessageHandler QtHandler = nullptr;
void DropRuntimeDirNotes(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: "))) {
        return;
    }
    if (QtHandler) {
        QtHandler(type, context, message);
    }
}

QPageSize PageSizeOf(CommandLine::Paper paper, const QPageSize& otherwise) {
    switch (paper) {
    case CommandLine::Paper::A4:
        return QPageSize(QPageSize::A4);
    case CommandLine::Paper::A3:
        return QPageSize(QPageSize::A3);
    case CommandLine::Paper::Letter:
        return QPageSize(QPageSize::Letter);
    case CommandLine::Paper::Default:
        break;
    }
    return otherwise;
}

} // namespace

int WritePdfCommand(int& argc, char* argv[], const CommandLine& command) {
    // Fonts and painting need a platform; this one needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QtHandler = qInstallMessageHandler(DropRuntimeDirNotes);
    QGuiApplication app(argc, argv);
    const CommandLineTranslations translations(
        MessageLanguage(QProcessEnvironment::systemEnvironment()));
    InstallFontSubstitutions();

    const std::shared_ptr<const turvane::FileSource> files = FilesFor(command);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    try {
        if (command.action == CommandLine::Action::Poster) {
            written = WritePosterPdf(PosterDocument::Read(*files, command.year), buffer,
                                     PageSizeOf(command.paper, QPageSize::A3));
        } else {
            written = WriteSchedulePdf(ScheduleDocument::Read(*files, command.year), buffer,
                                       PageSizeOf(command.paper, DefaultPageSize()));
        }
    } catch (const turvane::ScheduleError& error) {
        SayOnStandardError(DataFailureLine(
            error, QCoreApplication::translate("CommandLine", "no PDF written"), command));
        return 1;
    }
    if (!written) {
        return Fail(QCoreApplication::translate("CommandLine", "no PDF written"));
    }
    // Damaged but readable files are still written, as asked, but not without a word.
    if (const QString notice = DamageNotice(*files, command); !notice.isEmpty()) {
        SayOnStandardError(notice);
    }
    const QByteArray& bytes = buffer.data();
    if (command.pdfFile == QLatin1String("-")) {
        if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
                static_cast<std::size_t>(bytes.size()) ||
            std::fflush(stdout) != 0) {
            return Fail(QCoreApplication::translate("CommandLine",
                                                    "cannot write the PDF to standard output"));
        }
        return 0;
    }
    if (const int error = turvane::ReplaceFile(
            QFile::encodeName(command.pdfFile).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return Fail(QCoreApplication::translate("CommandLine", "cannot write '%1': %2")
                        .arg(command.pdfFile, SystemErrorText(error)));
    }
    return 0;
}
