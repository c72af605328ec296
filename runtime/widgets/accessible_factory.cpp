// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_factory.h"

#include "announcement.h"
#include "fitted_label.h"
#include "fitted_label_accessible.h"
#include "qt_widget_accessible.h"
#include "text_box.h"
#include "text_box_accessible.h"

#include <QAction>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QVersionNumber>
#include <QtMath>
#include <algorithm>

namespace runtime {
namespace {

// Qt's AT-SPI bridge hands rect(), characterRect() and offsetAtPoint()'s point on as they are, in
// Qt's pixels, where X11 and screen readers count the screen's own: its adaptor (atspiadaptor.cpp:
// getExtents, getCharacterExtents, GetOffsetAtPoint) scales none of them in 6.4 nor in 6.9's
// sources, and no Qt bug report names it. Later versions are unknown, so the gate stops at 6.11:
// on a newer Qt the AT-SPI test at 200 % tells whether the bridge scales by then.
bool bridgeCountsScreenPixels() {
    static const bool screenPixels = QLibraryInfo::version() < QVersionNumber(6, 11) && QGuiApplication::platformName() == QLatin1String("xcb");
    return screenPixels;
}

// The screen a widget is on, where Qt draws it at a scale of its own and the bridge counts its pixels.
const QScreen* scaledScreenOf(const QWidget* widget) {
    const QScreen* screen = widget && bridgeCountsScreenPixels() ? widget->screen() : nullptr;
    return screen && screen->devicePixelRatio() != 1 ? screen : nullptr;
}

// Where Qt scales some screen, the Qt widgets' own interfaces are replaced by ones that answer as
// they do in the bridge's pixels; elsewhere Qt's are left as they are.
bool qtScalesAScreen() {
    if (!bridgeCountsScreenPixels()) return false;
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [](const QScreen* screen) { return screen->devicePixelRatio() != 1; });
}

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object)) return qtScalesAScreen() ? menuItemAccessible(action) : nullptr;
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(TextBox::staticMetaObject.className())) return textBoxAccessible(widget);
    if (className == QLatin1String(FittedLabel::staticMetaObject.className())) return fittedLabelAccessible(widget);
    // Screen readers see an announcement as a notification, named by what it says.
    if (className == QLatin1String(Announcement::staticMetaObject.className())) return new BridgeWidgetAccessible(widget, QAccessible::Notification);
    return qtScalesAScreen() ? qtWidgetAccessible(className, widget) : nullptr;
}

}  // namespace

QRect toBridgePixels(const QWidget* widget, const QRect& rect) {
    const QScreen* screen = scaledScreenOf(widget);
    if (!screen || rect.isEmpty()) return rect;
    // Qt keeps each screen's top-left corner where X11 has it and scales from there.
    const QPointF origin = screen->geometry().topLeft();
    const qreal scale = screen->devicePixelRatio();
    return QRectF(origin + (QPointF(rect.topLeft()) - origin) * scale, QSizeF(rect.size()) * scale).toRect();
}

QPoint fromBridgePixels(const QWidget* widget, const QPoint& point) {
    const QScreen* screen = scaledScreenOf(widget);
    if (!screen) return point;
    const QPointF origin = screen->geometry().topLeft();
    const QPointF scaled = origin + (QPointF(point) - origin) / screen->devicePixelRatio();
    return QPoint(qFloor(scaled.x()), qFloor(scaled.y()));  // the pixel of Qt's that holds it
}

void installAccessibility() {
    // After the QApplication's own factory, so that ours is asked before it.
    Q_ASSERT_X(QCoreApplication::instance(), "installAccessibility", "called before the application exists");
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(installed);
}

}  // namespace runtime
