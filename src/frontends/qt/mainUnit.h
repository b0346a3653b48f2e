#pragma once

#include <QWidget>

#include <cstddef>
#include <memory>
#include <string_view>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class StringGrid;
struct AppContext;

// The main window: the meeting grid (upper left), the course grid (below),
// and the panel with today's and the next meetings (upper right). Everything
// is read once, while the window is created.
//
// How a start reaches the screen: main reads the command line first (help,
// version, a usage error and --check end there, with no window) and hands
// the window where its files are and what day it is. Then "Cal1.dat" -> one
// meeting-grid row per line; "Cal2.dat" -> one course-grid row per line;
// "Cal1.dat" again, searched for today's date -> the panel, and both grids
// scrolled to the day found. Each read is a fresh LineList from the
// context's FileSource, cut by the readers in data/ into code page 932
// texts, turned into QStrings by ToDisplay on the way into a control (the
// grids through ScheduleTables, which fills the printed document too). A
// failure anywhere stops the filling there and is shown in the error box;
// the window still shows. Ctrl+P reads all three files afresh into the
// document (print/), which exists only when every read succeeded.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(const AppContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

private:
    void BuildLayout();
    void FormCreate();
    void WriteCourseHeader();
    void FillMeetingGrid();
    void FillCourseGrid();
    void ShowTodayAndNext();
    void Button2Click();
    void Button3Click();

    // What the search of the meeting calendar finds.
    void ShowTodaysMeetings(std::string_view line);
    void ShowNextMeetingDay(std::string_view line);
    void ShowNoMeetingToday();
    void ShowNoMoreMeetingsThisYear();
    void ScrollGridsTo(std::size_t lineIndex);

    // Held apart so that this header needs none of the data layer's types.
    std::unique_ptr<const AppContext> context_;

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    StringGrid* StringGrid1 = nullptr;
    StringGrid* StringGrid2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};
