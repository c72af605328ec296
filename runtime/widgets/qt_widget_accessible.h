// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>

class QAction;
class QWidget;

namespace runtime {

/// For a Qt widget of class `className` of those the windows, their menus and message boxes
/// show, an interface that answers as the one Qt's own factory makes, but for places and sizes,
/// which are in the bridge's pixels (toBridgePixels); null for any other class.
QAccessibleInterface* qtWidgetAccessible(const QString& className, QWidget* widget);

/// The same for a menu's item: `action` in the menu that shows it; null where no menu holds it.
QAccessibleInterface* menuItemAccessible(QAction* action);

}  // namespace runtime
