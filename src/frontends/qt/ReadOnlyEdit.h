#pragma once

#include <QLineEdit>

// A line edit that only shows a text: read-only, and entered with Tab
// without selecting its text. Selecting it would invite typing over it, which
// cannot happen, and would have a screen reader read the text once more as
// selected, and again as unselected on the way out.
class ReadOnlyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ReadOnlyEdit(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
