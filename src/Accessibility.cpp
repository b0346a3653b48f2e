#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QFrame>

namespace {

class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(QWidget* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isModal();
        return state;
    }
};

class DecorationAccessible : public QAccessibleWidget {
public:
    explicit DecorationAccessible(QWidget* frame) : QAccessibleWidget(frame, QAccessible::Border) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (className == QLatin1String("QDialog")) {
        return new DialogAccessible(widget);
    }
    // Subclasses of QFrame (labels, views, ...) show something; a QFrame
    // itself with nothing inside is only a line drawn around other controls.
    if (className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject &&
        widget->findChildren<QWidget*>().isEmpty()) {
        return new DecorationAccessible(widget);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(CreateAccessible);
}
