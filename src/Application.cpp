#include "Application.h"

#include "Fonts.h"

#include <QApplication>

void PrepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    InstallFontSubstitutions();
}
