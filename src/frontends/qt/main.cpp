#include "AppContext.h"
#include "Application.h"
#include "ErrorBox.h"
#include "PdfCommand.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/Language.h"
#include "app/Season.h"
#include "core/Errors.h"
#include "mainUnit.h"

#include <QApplication>
#include <QProcessEnvironment>

int main(int argc, char* argv[]) {
    CommandLine command;
    {
        // Help, version, usage errors and the check need no display, so they
        // run before the application object, which would need one. They speak
        // the user's language through Qt's translations, which want an
        // application object of some kind: this one needs no display.
        const QCoreApplication core(argc, argv);
        const CommandLineTranslations translations(
            MessageLanguage(QProcessEnvironment::systemEnvironment()));
        command = ParseCommandLine(ArgumentList(argc, argv));
        ChooseSeason(command);
        if (const std::optional<int> status = RunWithoutWindow(command)) {
            return *status;
        }
    }
    if (command.action == CommandLine::Action::Pdf ||
        command.action == CommandLine::Action::Poster) {
        return WritePdfCommand(argc, argv, command);
    }

    QApplication app(argc, argv);
    PrepareApplication();
    // The program draws its layouts in its own style unless asked for another.
    if (!command.style.isEmpty()) {
        QApplication::setStyle(command.style);
    }
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TURVANE_APP_ID));

    const AppContext context{FilesFor(command), TodayFor(command), ShowErrorBox, command.year};
    TForm1 form(context);
    form.show();
    // A year file that records no year: the window shows the files all the
    // same, in the default year, and says why.
    if (!command.seasonProblem.isEmpty()) {
        ReportError(context, turvane::ScheduleError(command.seasonProblem.toStdString()));
    }
    return QApplication::exec();
}
