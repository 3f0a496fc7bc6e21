#include "ui/common/accessible_text_field.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace quillet::ui {

namespace {

class AccessibleTextField : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextField(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value && !field()->isReadOnly())
            field()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = field()->isReadOnly();
        s.editable = !field()->isReadOnly();
        s.passwordEdit = field()->echoMode() != QLineEdit::Normal;
        s.selectableText = true;
        return s;
    }

    // ---- text ----
    // The whole text is one run of the field's one font and colours.
    QString attributes(int offset, int* start, int* end) const override {
        const int count = characterCount();
        *start = offset < 0 || offset > count ? -1 : 0;
        *end = offset < 0 || offset > count ? -1 : count;
        return {};
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + static_cast<int>(field()->selectedText().size());
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            field()->setSelection(start, end - start);
    }

    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }

    // From the cursor's place, which Qt tells, and the advance of the text
    // between it and the character.
    QRect characterRect(int offset) const override {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        const QFontMetrics metrics(field()->font());
        const int cursor = field()->cursorPosition();
        const QRect at = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = offset >= cursor ? at.x() + metrics.horizontalAdvance(text(cursor, offset))
                                       : at.x() - metrics.horizontalAdvance(text(offset, cursor));
        return {field()->mapToGlobal(QPoint(x, at.y())),
                QSize(metrics.horizontalAdvance(character), metrics.height())};
    }

    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }

    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }

    // ---- editing ----
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (!field()->isReadOnly())
            field()->setText(field()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }

    // What the field shows: never a password's characters.
    QString shown() const {
        return field()->echoMode() == QLineEdit::Normal ? field()->text() : field()->displayText();
    }
};

QAccessibleInterface* text_field_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("QLineEdit"))
        return new AccessibleTextField(static_cast<QLineEdit*>(object));
    return nullptr;
}

} // namespace

// Qt keeps one entry per factory.
void install_accessible_text_fields() {
    QAccessible::installFactory(text_field_factory);
}

} // namespace quillet::ui
