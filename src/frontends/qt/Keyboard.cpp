#include "Keyboard.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            auto* button = qobject_cast<QAbstractButton*>(watched);
            if (enter && button && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void PressWithEnter(QAbstractButton* button) {
    button->installEventFilter(new EnterPressesButton(button));
}
