// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QWidget>

namespace runtime {

/// `face` itself, or, where Qt's AT-SPI bridge would report its place and size in Qt's scaled
/// pixels, `face` reporting them in the screen's own, as X11 and screen readers count them.
QAccessibleInterface* inScreenPixels(QAccessibleInterface* face);

/// Has every widget's interface that Qt makes itself (buttons, frames, images, windows) report
/// in the screen's own pixels, as inScreenPixels does. Done once, before any of the project's
/// own factories.
void installScreenPixelExtents();

/// Has Qt's accessibility answer for every widget of class `Widget` with an `Interface` made
/// from it, reporting in the screen's own pixels; installed once, however often it is called.
template <typename Widget, typename Interface>
void installAccessibleInterface() {
    installScreenPixelExtents();
    static const bool installed = (QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
        if (className != QLatin1String(Widget::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
        return inScreenPixels(new Interface(static_cast<QWidget*>(object)));
    }), true);
    Q_UNUSED(installed);
}

}  // namespace runtime
