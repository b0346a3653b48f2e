#include "ErrorBox.h"

#include "AppContext.h"
#include "FromScreens.h"
#include "core/DataDir.h"

#include <QMessageBox>

void ShowErrorBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.exec();
}

void ReportError(const AppContext& context, const std::exception& error) {
    // From the path's bytes: a directory name that is not UTF-8 (a Shift-JIS or
    // Latin-1 folder) must not cost the box its caption.
    const QString caption =
        ToQString(turvane::screens::ApplicationTitle(turvane::ExecutablePath()));
    const QString text = ToQString(turvane::screens::ErrorBoxText(error.what()));
    if (context.showError) {
        context.showError(caption, text);
    } else {
        ShowErrorBox(caption, text);
    }
}
