#pragma once

#include <QDialog>

#include <memory>

class QGroupBox;
class QPushButton;

class StringGrid;
struct AppContext;

// The modal list of graded races: one row per meeting day, each race in the
// column of its meeting (the meeting grid's columns), opened at the first day
// on or after today. Reads "jyuusyou.dat" and "Cal1.dat" afresh every time.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(const AppContext& context, QWidget* parent = nullptr);
    ~TForm2() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildLayout();
    // Centred on the window that owns it, clear of the screen's edges.
    void PlaceOnOwner();
    void FormCreate();
    void Button1Click();

    // Held apart so that this header needs none of the data layer's types.
    std::unique_ptr<const AppContext> context_;

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    StringGrid* StringGrid1 = nullptr;
    QPushButton* Button1 = nullptr;
};
