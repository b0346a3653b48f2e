#include "AppContext.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "mainUnit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    InstallFontSubstitutions();

    TForm1 form(AppContext{turvane::DataDir::OfExecutable(), turvane::SystemToday, ShowErrorBox});
    form.show();
    return QApplication::exec();
}
