// Starts the main window exactly as the program does, waits until both grids
// have painted, and quits: one whole start, for timing as a process.
//
//   turvane_startup_bench [DATA-DIR] [--scroll-end] [--graded N]
//
// DATA-DIR defaults to the executable's directory. The date is fixed at
// 2003-05-17 so every run does the same work. --scroll-end prints how long
// scrolling to the last row and repainting takes; --graded N opens the
// graded-race list N times and prints the median time to a painted list.

#include "AppContext.h"
#include "Application.h"
#include "FirstPaint.h"
#include "GUnit.h"
#include "data/DataDir.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();

    auto dir = std::make_shared<turvane::DataDir>(turvane::DataDir::OfExecutable());
    bool scrollEnd = false;
    int gradedTimes = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scroll-end") == 0) {
            scrollEnd = true;
        } else if (std::strcmp(argv[i], "--graded") == 0 && i + 1 < argc) {
            gradedTimes = std::stoi(argv[++i]);
        } else {
            dir = std::make_shared<turvane::DataDir>(argv[i]);
        }
    }
    const AppContext context{dir,
                             [] {
                                 return turvane::CivilDate{2003, 5, 17};
                             },
                             [](const QString&, const QString& text) {
                                 std::fprintf(stderr, "error: %s\n", qPrintable(text));
                             }};
    TForm1 form(context);
    FirstPaint painted(GridViewports(&form), [&] {
        if (scrollEnd) {
            ScrollToEnd(form);
        }
        if (gradedTimes > 0) {
            OpenGradedList(context, form, gradedTimes);
        }
        QCoreApplication::quit();
    });
    form.show();
    return QApplication::exec();
}
