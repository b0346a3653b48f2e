#include "AppContext.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "mainUnit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TURVANE_APP_ID));
    InstallFontSubstitutions();

    TForm1 form(AppContext{turvane::DataDir::OfExecutable(), turvane::SystemToday, ShowErrorBox});
    form.show();
    return QApplication::exec();
}
