// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box_accessible.h"

#include "text_box.h"

#include "accessible_factory.h"

#include <algorithm>

namespace runtime {
namespace {

class TextBoxAccessible : public BridgeWidgetAccessible, public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QWidget* box) : BridgeWidgetAccessible(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override { return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind); }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The text carries no attributes: one run covers all of it, whatever the offset.
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = std::max(offset, characterCount());
        return QString();
    }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !box()->hasSelectedText()) return;
        *start = box()->selectionStart();
        *end = *start + static_cast<int>(box()->selectedText().size());
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    void removeSelection(int) override { box()->deselect(); }
    QRect characterRect(int offset) const override {
        const QRect shown = box()->characterBox(offset);
        return shown.isEmpty() ? shown : toBridgePixels(box(), shown.translated(box()->mapToGlobal(QPoint())));
    }
    int offsetAtPoint(const QPoint& point) const override { return box()->cursorPositionAt(box()->mapFromGlobal(fromBridgePixels(box(), point))); }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        const QString before = box()->text();
        box()->setText(before.left(start) + text + before.mid(end));
    }

private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* textBoxAccessible(QWidget* box) { return new TextBoxAccessible(box); }

}  // namespace runtime
