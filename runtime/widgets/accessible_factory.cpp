// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_factory.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QVersionNumber>

namespace runtime {
namespace {

// Qt 6's AT-SPI bridge passes each interface's rect() on as it is, in Qt's device-independent
// pixels, where X11 and screen readers count the screen's own.
bool bridgeReportsScaledPixels() {
    static const bool scaled = QLibraryInfo::version() < QVersionNumber(7) && QGuiApplication::platformName() == QLatin1String("xcb");
    return scaled;
}

// Qt's interface for a widget, answering as it does but for its place and size, and for the
// point asked about, which are in the screen's own pixels.
class ScreenPixels : public QAccessibleInterface {
public:
    explicit ScreenPixels(QAccessibleInterface* qts) : qts_(qts), qtsId_(QAccessible::uniqueId(qts)) {}
    ~ScreenPixels() override { QAccessible::deleteAccessibleInterface(qtsId_); }

    QRect rect() const override {
        const QRect rect = qts_->rect();
        const QScreen* screen = shownOn();
        if (rect.isEmpty() || !screen) return rect;
        const QPoint origin = screen->geometry().topLeft();
        const qreal scale = screen->devicePixelRatio();
        return QRect(origin + (rect.topLeft() - origin) * scale, rect.size() * scale);
    }
    // Qt finds the child whose rect() holds the point, and each child's is in screen pixels too.
    QAccessibleInterface* childAt(int x, int y) const override { return qts_->childAt(x, y); }

    bool isValid() const override { return qts_->isValid(); }
    QObject* object() const override { return qts_->object(); }
    QWindow* window() const override { return qts_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override { return qts_->relations(match); }
    QAccessibleInterface* focusChild() const override { return qts_->focusChild(); }
    QAccessibleInterface* parent() const override { return qts_->parent(); }
    QAccessibleInterface* child(int index) const override { return qts_->child(index); }
    int childCount() const override { return qts_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return qts_->indexOfChild(child); }
    QString text(QAccessible::Text kind) const override { return qts_->text(kind); }
    void setText(QAccessible::Text kind, const QString& text) override { qts_->setText(kind, text); }
    QAccessible::Role role() const override { return qts_->role(); }
    QAccessible::State state() const override { return qts_->state(); }
    QColor foregroundColor() const override { return qts_->foregroundColor(); }
    QColor backgroundColor() const override { return qts_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override { return qts_->interface_cast(type); }
    void virtual_hook(int id, void* data) override { qts_->virtual_hook(id, data); }

private:
    const QScreen* shownOn() const {
        const auto* widget = qobject_cast<const QWidget*>(qts_->object());
        return widget ? widget->screen() : nullptr;
    }

    QAccessibleInterface* qts_;
    QAccessible::Id qtsId_;  // the cache keeps Qt's interface too, under an id of its own
};

}  // namespace

QAccessibleInterface* inScreenPixels(QAccessibleInterface* face) {
    return face && bridgeReportsScaledPixels() ? new ScreenPixels(face) : face;
}

void installScreenPixelExtents() {
    static const bool installed = !bridgeReportsScaledPixels() || (QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        // Qt makes its own interface for the widget, which the cache then holds twice: for the
        // widget, the one made here; under an id of its own, Qt's, which goes with it.
        static bool asking = false;
        if (asking || !object->isWidgetType()) return nullptr;
        asking = true;
        QAccessibleInterface* qts = QAccessible::queryAccessibleInterface(object);
        asking = false;
        return qts ? new ScreenPixels(qts) : nullptr;
    }), true);
    Q_UNUSED(installed);
}

}  // namespace runtime
