#include "Accessibility.h"
#include "CaseName.h"
#include "GUnit.h"
#include "HeaderCells.h"
#include "TestData.h"
#include "WidgetFactory.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <gtest/gtest.h>

namespace {

// Whether Qt sends accessibility events at all is the platform's to say: a
// screen reader on the desktop switches it on, the offscreen platform never
// does, and QAccessible::setActive only tells observers.
void ScreenReaderRunning(bool running) {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(running);
}

// Both windows on the sample year's 17 May, read only through Qt's
// accessibility interfaces, the way a screen reader reads them.
class ScreenReader : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ScreenReaderRunning(true);
        dir_ = new MemoryDataDir;
        dir_->CopySampleYear();
        ctx_ = new TestContext(dir_->source(), {2003, 5, 17});
        main_ = new TForm1(ctx_->context);
        list_ = new TForm2(ctx_->context);
    }
    static void TearDownTestSuite() {
        delete list_;
        delete main_;
        delete ctx_;
        delete dir_;
        ScreenReaderRunning(false);
    }

    static QWidget* Window(const char* name) {
        return QString::fromLatin1(name) == main_->objectName() ? static_cast<QWidget*>(main_)
                                                                : list_;
    }
    static QAccessibleInterface* Control(const char* window, const char* name) {
        auto* widget = Window(window)->findChild<QWidget*>(QString::fromLatin1(name));
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }
    static QAccessibleTableInterface* Table(const char* window, const char* grid) {
        QAccessibleInterface* control = Control(window, grid);
        return control ? control->tableInterface() : nullptr;
    }

    static inline MemoryDataDir* dir_ = nullptr;
    static inline TestContext* ctx_ = nullptr;
    static inline TForm1* main_ = nullptr;
    static inline TForm2* list_ = nullptr;
};

struct NameCase {
    const char* name;
    const char* window;
    const char* control;
    const char* accessibleName;
};

class AccessibleNames : public ScreenReader, public testing::WithParamInterface<NameCase> {};

TEST_P(AccessibleNames, SayWhatTheControlShows) {
    QAccessibleInterface* control = Control(GetParam().window, GetParam().control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(GetParam().accessibleName));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AccessibleNames,
    testing::Values(NameCase{"MeetingGrid", "Form1", "StringGrid1", "開催日程"},
                    NameCase{"CourseGrid", "Form1", "StringGrid2", "競馬場別開催日程"},
                    NameCase{"UntitledPanel", "Form1", "GroupBox3", "本日の開催と次の開催"},
                    NameCase{"TodayBoxWithDate", "Form1", "GroupBox4", "本日の開催 [2003/05/17]"},
                    NameCase{"TodaysFirstMeeting", "Form1", "Edit1", "本日の開催 1"},
                    NameCase{"NextDaysThirdMeeting", "Form1", "Edit6", "次の開催 3"},
                    NameCase{"Logo", "Form1", "Image1", "Turvane"},
                    NameCase{"CloseButton", "Form1", "Button2", "閉じる"},
                    NameCase{"RaceGrid", "Form2", "StringGrid1", "重賞日程一覧"},
                    NameCase{"BackButton", "Form2", "Button1", "戻る"},
                    NameCase{"BackButtonFrame", "Form2", "GroupBox2", "戻る"}),
    CaseName());

// Walks a window's accessible tree, leaving out the grids' cells, and
// collects every control a screen reader would announce without a name;
// decoration hidden from screen readers is not announced.
void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    static const QAccessible::Role controls[] = {QAccessible::Grouping,     QAccessible::PushButton,
                                                 QAccessible::EditableText, QAccessible::StaticText,
                                                 QAccessible::Graphic,      QAccessible::Table,
                                                 QAccessible::Border};
    const QAccessible::Role role = node->role();
    if (std::find(std::begin(controls), std::end(controls), role) != std::end(controls) &&
        !node->state().invisible && node->text(QAccessible::Name).isEmpty()) {
        unnamed << (node->object() ? node->object()->objectName() : QStringLiteral("?"));
    }
    if (role == QAccessible::Table) {
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        CollectUnnamed(node->child(i), unnamed);
    }
}

TEST_F(ScreenReader, TheListIsAModalDialogAndTheBevelIsHidden) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(list_);
    EXPECT_EQ(list->role(), QAccessible::Dialog);
    EXPECT_TRUE(list->state().modal);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(main_)->state().modal);
    QAccessibleInterface* bevel = Control("Form1", "Bevel1");
    ASSERT_NE(bevel, nullptr);
    EXPECT_TRUE(bevel->state().invisible);
}

TEST_F(ScreenReader, FindsNoControlWithoutAName) {
    for (QWidget* window : {static_cast<QWidget*>(main_), static_cast<QWidget*>(list_)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        QStringList unnamed;
        CollectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
    }
}

// The panel's edits read as their place in the box (the name) and what they
// show (the value), each once. Their text is one run of attributes from the
// first character to the last, wherever a screen reader asks.
TEST_F(ScreenReader, PanelEditsGiveTheirTextWholeAndOnce) {
    const struct {
        const char* edit;
        const char* text;
    } edits[] = {{"Edit1", "◆東京 ２回 ８日目"}, {"Edit2", "★京都 ３回 ８日目"},
                 {"Edit3", "□新潟 １回 ３日目"}, {"Edit4", "◆東京 ２回 ９日目"},
                 {"Edit5", "★京都 ３回 ９日目"}, {"Edit6", "□新潟 １回 ４日目"}};
    for (const auto& e : edits) {
        SCOPED_TRACE(e.edit);
        QAccessibleInterface* edit = Control("Form1", e.edit);
        ASSERT_NE(edit, nullptr);
        const QString text = QString::fromUtf8(e.text);
        EXPECT_EQ(edit->role(), QAccessible::EditableText);
        EXPECT_TRUE(edit->state().readOnly);
        EXPECT_EQ(edit->text(QAccessible::Value), text);
        EXPECT_NE(edit->text(QAccessible::Name), text);
        QAccessibleTextInterface* chars = edit->textInterface();
        ASSERT_NE(chars, nullptr);
        ASSERT_EQ(chars->characterCount(), text.size());
        EXPECT_EQ(chars->text(0, chars->characterCount()), text);
        EXPECT_EQ(chars->selectionCount(), 0);
        // The end of the text too, where the caret stands after the last character.
        for (const int offset :
             {0, 5, static_cast<int>(text.size()) - 1, static_cast<int>(text.size())}) {
            int start = -2;
            int end = -2;
            EXPECT_EQ(chars->attributes(offset, &start, &end), "");
            EXPECT_EQ(start, 0) << "at " << offset;
            EXPECT_EQ(end, text.size()) << "at " << offset;
        }
        // The first character starts the edit, within a character's width of
        // its left edge; the last lies on the edit, after the first.
        const QRect first = chars->characterRect(0);
        const QRect last = chars->characterRect(chars->characterCount() - 1);
        EXPECT_GT(last.left(), first.left());
        const auto* widget = static_cast<QWidget*>(edit->object());
        EXPECT_LT(first.left() - widget->mapToGlobal(QPoint()).x(), first.width());
        EXPECT_TRUE(QRect(widget->mapToGlobal(QPoint()), widget->size()).contains(last.center()));
        EXPECT_EQ(chars->offsetAtPoint(last.center()), chars->characterCount() - 1);
    }
}

// Cells are addressed without the fixed row and column: those are the
// tables' row and column headers, readable from each cell. A grid without a
// fixed row still reports a column header, with no text. Texts are read
// without the blanks at their ends; a screen reader reading a row reads its
// cells only, so the first says the row's date, and moving down a column it
// does not say the column's header, so a course grid's cell with text says
// its racecourse.
struct CellCase {
    const char* name;
    const char* window;
    const char* grid;
    int row;
    int column;
    const char* text;
    const char* rowHeader;
    const char* columnHeader;
};

class GridCells : public ScreenReader, public testing::WithParamInterface<CellCase> {};

TEST_P(GridCells, ReadWithTheirHeaders) {
    const CellCase& c = GetParam();
    QAccessibleTableInterface* table = Table(c.window, c.grid);
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* cell = table->cellAt(c.row, c.column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8(c.text));
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->rowIndex(), c.row);
    EXPECT_EQ(place->columnIndex(), c.column);
    const auto rowHeaders = RowHeaderCells(place);
    ASSERT_EQ(rowHeaders.size(), 1);
    EXPECT_EQ(rowHeaders[0]->text(QAccessible::Name), QString::fromUtf8(c.rowHeader));
    const auto columnHeaders = ColumnHeaderCells(place);
    ASSERT_EQ(columnHeaders.size(), 1);
    EXPECT_EQ(columnHeaders[0]->text(QAccessible::Name), QString::fromUtf8(c.columnHeader));
}

constexpr int May17 = 40; // the 41st meeting day of the sample year

INSTANTIATE_TEST_SUITE_P(SampleYear, GridCells,
                         testing::Values(CellCase{"MeetingFirstDay", "Form1", "StringGrid1", 0, 0,
                                                  "１月　５日 ■中山 １回 １日目", "１月　５日", ""},
                                         CellCase{"MeetingToday", "Form1", "StringGrid1", May17, 2,
                                                  "□新潟 １回 ３日目", "５月１７日", ""},
                                         CellCase{"MeetingNoThirdMeeting", "Form1", "StringGrid1",
                                                  0, 2, "空白", "１月　５日", ""},
                                         CellCase{"CourseFirstDay", "Form1", "StringGrid2", 0, 0,
                                                  "１月　５日 １回 １日目", "１月　５日", "★京都"},
                                         CellCase{"CourseToday", "Form1", "StringGrid2", May17, 4,
                                                  "２回 ８日目", "５月１７日", "◆東京"},
                                         CellCase{"CourseNotRacing", "Form1", "StringGrid2", May17,
                                                  1, "空白", "５月１７日", "●阪神"},
                                         CellCase{"CourseNotRacingFirst", "Form1", "StringGrid2",
                                                  16, 0, "３月　１日 空白", "３月　１日", "★京都"},
                                         CellCase{"LastCourseLastDay", "Form1", "StringGrid2", 109,
                                                  9, "空白", "１２月２８日", "◎函館"},
                                         CellCase{"ListDayWithoutRaces", "Form2", "StringGrid1", 1,
                                                  0, "１月１１日 空白", "１月１１日", ""}),
                         CaseName());

TEST_F(ScreenReader, GridTablesHaveTheBodyCellsAndTodaySelected) {
    struct {
        const char* window;
        const char* grid;
        int rows;
        int columns;
        int todayRow;
    } const grids[] = {{"Form1", "StringGrid1", 110, 3, May17},
                       {"Form1", "StringGrid2", 110, 10, May17},
                       {"Form2", "StringGrid1", 110, 3, May17}};
    for (const auto& g : grids) {
        SCOPED_TRACE(std::string(g.window) + "." + g.grid);
        QAccessibleTableInterface* table = Table(g.window, g.grid);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), g.rows);
        EXPECT_EQ(table->columnCount(), g.columns);
        // A screen reader starts on the selected cell: today's, first column.
        const auto selected = table->selectedCells();
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(selected[0]->tableCellInterface()->rowIndex(), g.todayRow);
        EXPECT_EQ(selected[0]->tableCellInterface()->columnIndex(), 0);
    }
}

// What a screen reader hears of focus changes: the role and name of each
// control or cell said to have the focus, in order.
QStringList focusHeard;

void HearFocus(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        if (QAccessibleInterface* focus = event->accessibleInterface()) {
            focusHeard
                << QStringLiteral("%1 %2").arg(focus->role()).arg(focus->text(QAccessible::Name));
        }
    }
}

// Entering a grid with the keyboard ends on its current cell, today's first,
// read with its date, after the grid itself, so the cell is what is heard.
TEST_F(ScreenReader, EnteringAGridAnnouncesItsCurrentCell) {
    TForm1 form(ctx_->context);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "StringGrid2");
    const QString table = QString::number(QAccessible::Table);
    const QString cell = QString::number(QAccessible::Cell);
    const struct {
        Qt::KeyboardModifiers modifiers;
        QStringList heard;
    } steps[] = {
        {Qt::NoModifier, {table + " 開催日程", cell + " ５月１７日 ◆東京 ２回 ８日目"}},
        {Qt::ShiftModifier, {table + " 競馬場別開催日程", cell + " ５月１７日 ３回 ８日目"}}};
    const auto previous = QAccessible::installUpdateHandler(HearFocus);
    for (const auto& step : steps) {
        focusHeard.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, step.modifiers);
        QCoreApplication::processEvents();
        EXPECT_EQ(focusHeard.join(" | ").toStdString(), step.heard.join(" | ").toStdString());
    }
    QAccessible::installUpdateHandler(previous);
}

} // namespace
