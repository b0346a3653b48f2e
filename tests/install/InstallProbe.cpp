// Loaded into the installed program by Qt itself (QT_QPA_GENERIC_PLUGINS), so
// the program is checked as installed, with no hook of its own. It reads the
// windows through Qt's accessibility interfaces, as a screen reader would,
// prints what it finds, opens the graded-race list and closes it with Escape,
// prints through Ctrl+P's shortcut (which loads the print plugin) and closes
// the preview, then ends the program.

#include "HeaderCells.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGenericPlugin>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void Print(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QWidget* Shown(const QString& objectName) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// One line per grid: its accessible name, size, first cell and that cell's
// headers.
void PrintGrids(QWidget* window) {
    for (QWidget* grid : window->findChildren<QWidget*>()) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        if (table == nullptr || table->tableInterface() == nullptr) {
            continue;
        }
        QAccessibleTableInterface* cells = table->tableInterface();
        QString line =
            window->objectName() + QLatin1Char('.') + grid->objectName() +
            QStringLiteral(" name=") + Quoted(table->text(QAccessible::Name)) +
            QStringLiteral(" rows=%1 columns=%2").arg(cells->rowCount()).arg(cells->columnCount());
        if (QAccessibleInterface* first = cells->cellAt(0, 0)) {
            line += QStringLiteral(" first=") + Quoted(first->text(QAccessible::Name));
            const auto rowHeaders = RowHeaderCells(first->tableCellInterface());
            if (!rowHeaders.isEmpty()) {
                line +=
                    QStringLiteral(" rowHeader=") + Quoted(rowHeaders[0]->text(QAccessible::Name));
            }
            const auto columnHeaders = ColumnHeaderCells(first->tableCellInterface());
            if (!columnHeaders.isEmpty()) {
                line += QStringLiteral(" columnHeader=") +
                        Quoted(columnHeaders[0]->text(QAccessible::Name));
            }
        }
        Print(line);
    }
}

// The panel's captions and texts, and where each grid stands: what a start
// on another day or other data changes.
void PrintPanel(QWidget* window) {
    for (const QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (!box->title().isEmpty()) {
            Print(window->objectName() + QLatin1Char('.') + box->objectName() +
                  QStringLiteral(" title=") + Quoted(box->title()));
        }
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty()) {
            Print(window->objectName() + QLatin1Char('.') + label->objectName() +
                  QStringLiteral(" text=") + Quoted(label->text()));
        }
    }
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        Print(window->objectName() + QLatin1Char('.') + edit->objectName() +
              QStringLiteral(" text=") + Quoted(edit->text()));
    }
    for (const QWidget* grid : window->findChildren<QWidget*>()) {
        const QVariant row = grid->property("row");
        const QVariant topRow = grid->property("topRow");
        if (row.isValid() && topRow.isValid()) {
            Print(window->objectName() + QLatin1Char('.') + grid->objectName() +
                  QStringLiteral(" row=%1 topRow=%2").arg(row.toInt()).arg(topRow.toInt()));
        }
    }
}

class Probe : public QObject {
public:
    Probe() {
        QAccessible::setActive(true);
        connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
        timer_.start(100);
    }

private:
    enum class Stage { MainWindow, GradedRaces, Closing, Preview };

    void Step() {
        if (++ticks_ > 150) {
            Print(QStringLiteral("timeout"));
            QCoreApplication::exit(3);
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Print(QStringLiteral("error box: ") + box->text());
            box->done(QMessageBox::Ok);
            if (stage_ == Stage::Preview) {
                QCoreApplication::exit(0);
            }
            return;
        }
        switch (stage_) {
        case Stage::MainWindow:
            if (QWidget* main = Shown(QStringLiteral("Form1"))) {
                Print(QStringLiteral("executable: ") + QCoreApplication::applicationFilePath());
                Print(QStringLiteral("window: ") + main->windowTitle());
                PrintGrids(main);
                PrintPanel(main);
                stage_ = Stage::GradedRaces;
                // Clicked from the event loop: the list is modal and runs its own.
                if (auto* button = main->findChild<QAbstractButton*>(QStringLiteral("Button3"))) {
                    QTimer::singleShot(0, button, &QAbstractButton::click);
                }
            }
            break;
        case Stage::GradedRaces:
            if (QWidget* list = Shown(QStringLiteral("Form2"))) {
                PrintGrids(list);
                PrintPanel(list);
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(list, &escape);
                stage_ = Stage::Closing;
            }
            break;
        case Stage::Closing:
            if (Shown(QStringLiteral("Form2")) == nullptr) {
                Print(QStringLiteral("graded races closed"));
                QWidget* main = Shown(QStringLiteral("Form1"));
                QObject* print =
                    main ? main->findChild<QObject*>(QStringLiteral("PrintShortcut")) : nullptr;
                if (print == nullptr) {
                    Print(QStringLiteral("no print shortcut"));
                    QCoreApplication::exit(0);
                    return;
                }
                // Queued: the preview is modal and runs its own loop.
                QMetaObject::invokeMethod(print, "activated", Qt::QueuedConnection);
                stage_ = Stage::Preview;
            }
            break;
        case Stage::Preview:
            if (QWidget* preview = QApplication::activeModalWidget();
                preview && preview->inherits("QPrintPreviewDialog")) {
                Print(QStringLiteral("print preview opened"));
                QMetaObject::invokeMethod(preview, "reject", Qt::QueuedConnection);
                QCoreApplication::exit(0);
            }
            break;
        }
    }

    QTimer timer_;
    Stage stage_ = Stage::MainWindow;
    int ticks_ = 0;
};

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "InstallProbe.json")
public:
    QObject* create(const QString&, const QString&) override { return new Probe; }
};

} // namespace

#include "InstallProbe.moc"
