// Starts the main window exactly as the program does, waits until both grids
// have painted, and quits: one whole start, for timing as a process.
//
//   turvane_startup_bench [DATA-DIR] [--as-program] [--scroll-end] [--graded N]
//                         [--preview N]
//
// DATA-DIR defaults to the executable's directory. The date is fixed at
// 2003-05-17 so every run does the same work. --as-program first does what
// the program does before its window: an application object without display,
// the command line's translations in the user's language, the parsing and the
// display check. --scroll-end prints how long scrolling to the last row and
// repainting takes; --graded N opens the graded-race list N times and prints
// the median time to a painted list; --preview N presses Ctrl+P in the main
// window N times and prints the time until the print preview has painted its
// first page, the first press (which loads the print plugin) and the median
// of all.

#include "AppContext.h"
#include "Application.h"
#include "FirstPaint.h"
#include "GUnit.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/Language.h"
#include "app/Season.h"
#include "core/DataDir.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QProcessEnvironment>
#include <QScrollBar>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void ScrollToEnd(TForm1& form) {
    auto* grid = form.findChild<StringGrid*>("StringGrid1");
    QElapsedTimer timer;
    timer.start();
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    grid->viewport()->repaint();
    std::printf("scroll to row %d: %.3f ms\n", grid->topRow(), timer.nsecsElapsed() / 1e6);
}

void OpenGradedList(const AppContext& context, TForm1& form, int times) {
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        TForm2 list(context, &form);
        bool painted = false;
        FirstPaint watch({list.findChild<StringGrid*>("StringGrid1")->viewport()},
                         [&] { painted = true; });
        list.show();
        while (!painted) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
        list.close();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("graded list opened %d times: median %.3f ms\n", times, ms[ms.size() / 2]);
}

// Waits for the print preview's page view to paint with pages in it, then
// closes the preview.
class PreviewPainted : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted && event->type() == QEvent::Paint) {
            auto* view = qobject_cast<QGraphicsView*>(watched->parent());
            if (view && view->viewport() == watched && view->scene() &&
                !view->scene()->items().isEmpty() &&
                qstrcmp(view->window()->metaObject()->className(), "QPrintPreviewDialog") == 0) {
                painted = true;
                // After this paint has finished, not inside it.
                QMetaObject::invokeMethod(view->window(), "reject", Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void OpenPreview(TForm1& form, int times) {
    PreviewPainted watch;
    qApp->installEventFilter(&watch);
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        watch.painted = false;
        form.activateWindow();
        QElapsedTimer timer;
        timer.start();
        // Through the platform's key path, as a real key press: the
        // shortcut, the data read afresh, the plugin, the dialog.
        QWindowSystemInterface::handleKeyEvent(form.windowHandle(), QEvent::KeyPress, Qt::Key_P,
                                               Qt::ControlModifier);
        QWindowSystemInterface::handleKeyEvent(form.windowHandle(), QEvent::KeyRelease, Qt::Key_P,
                                               Qt::ControlModifier);
        while (!watch.painted) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
        // Let the preview close before the next press.
        QCoreApplication::processEvents();
    }
    qApp->removeEventFilter(&watch);
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::printf("preview after Ctrl+P %d times: first %.3f ms, median %.3f ms\n", times, first,
                ms[ms.size() / 2]);
}

// What the program's main() runs before its application object, on the
// arguments of a window start.
void CommandLineFirst(int argc, char* argv[]) {
    const QCoreApplication core(argc, argv);
    const CommandLineTranslations translations(
        MessageLanguage(QProcessEnvironment::systemEnvironment()));
    CommandLine command =
        ParseCommandLine({QStringLiteral("turvane"), QStringLiteral("--date=2003-05-17")});
    ChooseSeason(command);
    if (RunWithoutWindow(command)) {
        std::fprintf(stderr, "the command line asks for no window\n");
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (std::find_if(argv + 1, argv + argc, [](const char* arg) {
            return std::strcmp(arg, "--as-program") == 0;
        }) != argv + argc) {
        CommandLineFirst(argc, argv);
    }
    QApplication app(argc, argv);
    PrepareApplication();

    auto dir = std::make_shared<turvane::DataDir>(turvane::DataDir::OfExecutable());
    bool scrollEnd = false;
    int gradedTimes = 0;
    int previewTimes = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--as-program") == 0) {
            continue;
        }
        if (std::strcmp(argv[i], "--scroll-end") == 0) {
            scrollEnd = true;
        } else if (std::strcmp(argv[i], "--graded") == 0 && i + 1 < argc) {
            gradedTimes = std::stoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--preview") == 0 && i + 1 < argc) {
            previewTimes = std::stoi(argv[++i]);
        } else {
            dir = std::make_shared<turvane::DataDir>(argv[i]);
        }
    }
    const AppContext context{dir,
                             [] {
                                 return turvane::CivilDate{2003, 5, 17};
                             },
                             // An error box would time something else, and
                             // the preview would never come: stop.
                             [](const QString&, const QString& text) {
                                 std::fprintf(stderr, "error: %s\n", qPrintable(text));
                                 std::exit(1);
                             },
                             turvane::ScheduleYear{}};
    TForm1 form(context);
    FirstPaint painted(GridViewports(&form), [&] {
        if (scrollEnd) {
            ScrollToEnd(form);
        }
        if (gradedTimes > 0) {
            OpenGradedList(context, form, gradedTimes);
        }
        if (previewTimes > 0) {
            OpenPreview(form, previewTimes);
        }
        QCoreApplication::quit();
    });
    form.show();
    return QApplication::exec();
}
