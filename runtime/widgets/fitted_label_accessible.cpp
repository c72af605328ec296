// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_label_accessible.h"

#include "fitted_label.h"

#include "accessible_factory.h"

#include <algorithm>

namespace runtime {
namespace {

class FittedLabelAccessible : public BridgeWidgetAccessible, public QAccessibleTextInterface {
public:
    explicit FittedLabelAccessible(QWidget* label) : BridgeWidgetAccessible(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return widget()->accessibleName().isEmpty() ? caption() : widget()->accessibleName();
        if (kind == QAccessible::Value) return caption();
        return QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return caption().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(caption().size()); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = std::max(offset, characterCount());
        return QString();
    }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

private:
    QString caption() const { return static_cast<const QLabel*>(widget())->text(); }
};

}  // namespace

QAccessibleInterface* fittedLabelAccessible(QWidget* label) { return new FittedLabelAccessible(label); }

}  // namespace runtime
