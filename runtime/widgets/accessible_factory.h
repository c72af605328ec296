// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QWidget>

namespace runtime {

/// Has Qt's accessibility answer for every widget of class `Widget` with an `Interface` made
/// from it; installed once, however often it is called.
template <typename Widget, typename Interface>
void installAccessibleInterface() {
    static const bool installed = (QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
        if (className != QLatin1String(Widget::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
        return new Interface(static_cast<QWidget*>(object));
    }), true);
    Q_UNUSED(installed);
}

}  // namespace runtime
