#include "Application.h"

#include "Accessibility.h"
#include "Fonts.h"

#include <QApplication>

void PrepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    InstallFontSubstitutions();
    InstallAccessibleInterfaces();
}
