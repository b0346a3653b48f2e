#include "AppContext.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "mainUnit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    turvane::InstallFontSubstitutions();

    turvane::TForm1 form(turvane::AppContext{turvane::DataDir::OfExecutable(), turvane::SystemToday,
                                             turvane::ShowErrorBox});
    form.show();
    return QApplication::exec();
}
