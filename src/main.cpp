#include "AppContext.h"
#include "Application.h"
#include "ErrorBox.h"
#include "mainUnit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();

    TForm1 form(AppContext{turvane::DataDir::OfExecutable(), turvane::SystemToday, ShowErrorBox});
    form.show();
    return QApplication::exec();
}
