#include "ErrorBox.h"

#include "AppContext.h"
#include "core/DataDir.h"

#include <QFileInfo>
#include <QMessageBox>

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}

QString ApplicationTitle(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName();
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf('.'));
    return name.left(1) + name.mid(1).toLower();
}

void ShowErrorBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.exec();
}

void ReportError(const AppContext& context, const std::exception& error) {
    // From the path's bytes: a directory name that is not UTF-8 (a Shift-JIS or
    // Latin-1 folder) must not cost the box its caption.
    const QString caption = ApplicationTitle(QString::fromUtf8(turvane::ExecutablePath()));
    const QString text = ErrorBoxText(QString::fromUtf8(error.what()));
    if (context.showError) {
        context.showError(caption, text);
    } else {
        ShowErrorBox(caption, text);
    }
}
