#include "Application.h"

#include "Accessibility.h"
#include "Fonts.h"
#include "app/Language.h"

#include <QApplication>

void PrepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    InstallFontSubstitutions();
    InstallAccessibleInterfaces();
    // The windows are Japanese whatever the locale, and so are the dialogs
    // Qt opens for them.
    InstallQtJapanese();
}
