#pragma once

#include <QWidget>

#include <memory>

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
// scrolled to the day found. The window's controls come from its design in
// screens/, and what they show from the screens layer's fill of the window
// (each read a fresh LineList from the context's FileSource, cut by the
// readers in core/ into code page 932 texts, decoded once into UTF-16); the
// window only puts both into widgets. A failure anywhere stops the filling
// there and is shown in the error box; the window still shows. Ctrl+P reads
// all three files afresh into the document (print/), which exists only when
// every read succeeded.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(const AppContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

private:
    void BuildLayout();
    void FormCreate();
    void Button2Click();
    void Button3Click();

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
