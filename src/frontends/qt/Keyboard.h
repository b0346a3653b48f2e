#pragma once

class QAbstractButton;

// Enter and Return press the button while it has the focus, as Space does.
// A push button takes Enter only while it is a dialog's default button; the
// windows have none, so that Enter in a grid presses nothing.
void PressWithEnter(QAbstractButton* button);
