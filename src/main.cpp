#include "AppContext.h"
#include "Application.h"
#include "ErrorBox.h"
#include "data/DataDir.h"
#include "mainUnit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TURVANE_APP_ID));

    TForm1 form(AppContext{std::make_shared<turvane::DataDir>(turvane::DataDir::OfExecutable()),
                           turvane::SystemToday, ShowErrorBox});
    form.show();
    return QApplication::exec();
}
