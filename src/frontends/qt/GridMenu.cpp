#include "GridMenu.h"

#include "AppContext.h"
#include "CalendarExportWindow.h"
#include "ErrorBox.h"
#include "FromScreens.h"
#include "PrintFromWindow.h"
#include "grid/StringGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <memory>

namespace {

// Opens the menu for the grid, its cells' viewport and its fixed row and
// column; their context-menu events all pass through here.
class GridMenuOpener : public QObject {
public:
    GridMenuOpener(StringGrid* grid, AppContext context, CalendarContent calendar)
        : QObject(grid), grid_(grid), context_(std::move(context)), calendar_(calendar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            const bool mouse = request->reason() == QContextMenuEvent::Mouse;
            open(mouse ? request->globalPos() : atCurrentCell(), !mouse);
            return true;
        }
        if (event->type() == QEvent::KeyPress && watched == grid_) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
            if (menuKey || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
                open(atCurrentCell(), true);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPoint atCurrentCell() const {
        const QRect cell = grid_->visualRect(grid_->currentIndex());
        const QPoint local = cell.isValid() && grid_->viewport()->rect().intersects(cell)
                                 ? cell.bottomLeft()
                                 : QPoint(0, 0);
        return grid_->viewport()->mapToGlobal(local);
    }

    // From the keyboard the first entry is made current as the menu shows,
    // as menus opened by keys do: a screen reader then reads the menu at once
    // instead of nothing until an arrow key.
    void open(const QPoint& at, bool fromKeyboard) {
        const std::unique_ptr<QMenu> menu(CreateGridMenu(grid_, context_, calendar_));
        if (fromKeyboard) {
            QTimer::singleShot(0, menu.get(),
                               [m = menu.get()] { m->setActiveAction(m->actions().value(0)); });
        }
        menu->exec(at);
    }

    StringGrid* grid_;
    AppContext context_;
    CalendarContent calendar_;
};

} // namespace

void InstallGridMenu(StringGrid* grid, const AppContext& context, CalendarContent calendar) {
    auto* opener = new GridMenuOpener(grid, context, calendar);
    grid->installEventFilter(opener);
    grid->viewport()->installEventFilter(opener);
    grid->horizontalHeader()->viewport()->installEventFilter(opener);
    grid->verticalHeader()->viewport()->installEventFilter(opener);
}

QMenu* CreateGridMenu(StringGrid* grid, const AppContext& context, CalendarContent calendar) {
    auto* menu = new QMenu(grid);
    menu->setObjectName(QStringLiteral("GridMenu"));
    // The shortcuts are shown as hints; the grid and the window handle the keys.
    menu->addAction(ToQString(turvane::screens::GridMenu.copy), QKeySequence::Copy, grid,
                    [grid] { grid->copySelection(); });
    menu->addAction(ToQString(turvane::screens::GridMenu.selectAll), QKeySequence::SelectAll, grid,
                    [grid] { grid->selectAll(); });
    menu->addSeparator();
    menu->addAction(
        ToQString(turvane::screens::GridMenu.print), QKeySequence::Print, grid, [grid, context] {
            RunReportingErrors(context, [&] { PrintFromWindow(grid->window(), context); });
        });
    menu->addAction(ToQString(turvane::screens::GridMenu.printPoster), grid, [grid, context] {
        RunReportingErrors(context,
                           [&] { PrintFromWindow(grid->window(), context, Printout::Poster); });
    });
    menu->addAction(ToQString(turvane::screens::GridMenu.exportCalendar), grid,
                    [grid, context, calendar] {
                        ExportCalendarFromWindow(grid->window(), context,
                                                 calendar == CalendarContent::GradedRacesOnly);
                    });
    return menu;
}
