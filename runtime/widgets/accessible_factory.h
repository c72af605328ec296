// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace runtime {

/// Has Qt's accessibility answer for the runtime's own widgets (text boxes, fitted labels,
/// announcements) with their own interfaces and, where Qt's AT-SPI bridge passes places on in
/// Qt's scaled pixels, for the Qt widgets and menus the windows show too, so that every place
/// and size screen readers are told is in the screen's own pixels. Installed once, however
/// often it is called, after the QApplication.
void installAccessibility();

/// `rect`, a place on the screen in Qt's pixels, in the pixels Qt's accessibility bridge hands
/// on to screen readers for `widget`'s screen: the screen's own on X11, where Qt scales.
QRect toBridgePixels(const QWidget* widget, const QRect& rect);
/// A point in the bridge's pixels for `widget`'s screen, in Qt's: the inverse of toBridgePixels.
QPoint fromBridgePixels(const QWidget* widget, const QPoint& point);

/// Qt's own interface for a widget, reporting its place and size in the bridge's pixels.
class BridgeWidgetAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QRect rect() const override { return toBridgePixels(widget(), QAccessibleWidget::rect()); }
};

}  // namespace runtime
