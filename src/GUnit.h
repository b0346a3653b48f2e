#pragma once

#include "AppContext.h"

#include <QDialog>

class QGroupBox;
class QPushButton;

class StringGrid;

// The modal list of graded races: one row per meeting day, each race in the
// column of its meeting (the meeting grid's columns), opened at the first day
// on or after today. Reads "jyuusyou.dat" and "Cal1.dat" afresh every time.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(AppContext context, QWidget* parent = nullptr);
    ~TForm2() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildLayout();
    void FormCreate();
    void Button1Click();

    AppContext context_;

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    StringGrid* StringGrid1 = nullptr;
    QPushButton* Button1 = nullptr;
};
