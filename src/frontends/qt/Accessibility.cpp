#include "Accessibility.h"

#include "ReadOnlyEdit.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QStyle>

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

// A read-only edit's text for screen readers. Qt's own interface for line
// edits answers every question about text attributes with an empty range at
// the offset asked for; a screen reader that splits the text into runs of
// equal attributes then loses characters (it read "２回 ８日目" as "２回 ８日").
// Here the whole text is one run without attributes, which is what it is.
class ReadOnlyEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) {
            return edit()->text();
        }
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        const int count = characterCount();
        if (offset < 0 || offset > count) {
            *startOffset = *endOffset = -1;
        } else {
            *startOffset = 0;
            *endOffset = count;
        }
        return {};
    }

    QString text(int startOffset, int endOffset) const override {
        if (startOffset < 0 || endOffset < startOffset) {
            return {};
        }
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(edit()->text().size()); }

    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && edit()->hasSelectedText()) {
            *startOffset = edit()->selectionStart();
            *endOffset = *startOffset + edit()->selectionLength();
        }
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) {
            edit()->deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0) {
            edit()->setSelection(startOffset, endOffset - startOffset);
        }
    }

    // The panel's texts always fit their edits: nothing scrolls, and each
    // character lies where the font puts it after the frame and the edit's
    // margin.
    QRect characterRect(int offset) const override {
        const QString shown = edit()->text();
        if (offset < 0 || offset >= shown.size()) {
            return {};
        }
        const QFontMetrics metrics(edit()->font());
        const QRect area = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        const int frame =
            edit()->hasFrame() ? edit()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QPoint topLeft(area.x() + frame + TextMargin +
                                 metrics.horizontalAdvance(shown.left(offset)),
                             area.y() + (area.height() - metrics.height() + 1) / 2);
        return {edit()->mapToGlobal(topLeft),
                QSize(metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (characterRect(offset).contains(point)) {
                return offset;
            }
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}

private:
    // What a line edit leaves between its frame and its text.
    static constexpr int TextMargin = 2;
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (className == QLatin1String(ReadOnlyEdit::staticMetaObject.className())) {
        return new ReadOnlyEditAccessible(static_cast<QLineEdit*>(widget));
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
