// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible_factory.h"
#include "design.h"
#include "fitted_label.h"
#include "form_window.h"
#include "ink.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace runtime::testing {

/// A built window, shown and active. Each message box it shows is answered with Enter and
/// recorded: title, prompt, "warning alert" for an exclamation icon read as an alert, what
/// screen readers read of it, and its buttons.
class WindowFixture : public QObject {
protected:
    /// How long a test waits for a state of the window system: a bound on a hang, not a speed.
    static constexpr int kWindowSystemWaitMs = 60'000;

    void open(const std::function<std::unique_ptr<FormWindow>()>& create) {
        installAccessibility();
        messages.clear();
        stuck_ = narrow_ = false;
        modalWatch_.disconnect();
        QObject::connect(&modalWatch_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (box == answered_) {  // Enter did not close it
                stuck_ = true;
                return box->reject();
            }
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
            QStringList shown{box->windowTitle(), box->text(),
                              box->icon() == QMessageBox::Warning && face->role() == QAccessible::AlertMessage ? "warning alert" : "",
                              face->text(QAccessible::Name) + " / " + face->text(QAccessible::Value) + face->text(QAccessible::Description)};
            for (const QAbstractButton* button : box->buttons()) shown << button->text();
            messages.append(shown);
            // openbox's icon, three buttons and their padding take 110 px of a title bar. The width
            // the box holds to, as an X server's earlier size of it may still be arriving.
            narrow_ = narrow_ || box->minimumWidth() < box->fontMetrics().horizontalAdvance(box->windowTitle()) + 110;
            answered_ = box;
            QTest::keyClick(box, Qt::Key_Return);
        });
        modalWatch_.start(20);
        window = create();
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get(), kWindowSystemWaitMs));
    }
    void close() {
        modalWatch_.stop();
        window.reset();
        QVERIFY2(!stuck_, "a message box stayed open on Enter");
        QVERIFY2(!narrow_, "a message box leaves its title bar too narrow for its title");
    }

    template <typename Widget = QWidget>
    Widget* control(const QString& name) const {
        return window->findChild<Widget*>(name);
    }
    /// The texts of text boxes and captions of labels, by name.
    QStringList texts(const QStringList& names) const {
        QStringList values;
        for (const QString& name : names) values << control(name)->property("text").toString();
        return values;
    }
    /// What the window's showing notification has screen readers say, or "" when none shows.
    QString announced() const {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window.get());
        for (int i = 0; i < face->childCount(); ++i) {
            QAccessibleInterface* child = face->child(i);
            if (child->role() == QAccessible::Notification && !child->state().invisible) return child->text(QAccessible::Name);
        }
        return QString();
    }
    /// The control the window gives the keyboard to whenever it is active.
    QString focused() const { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }

    /// Replaces a field's text as a person would: ASCII as key clicks, the rest as an input method commits it.
    void type(const QString& field, const QString& value) {
        QWidget* box = control(field);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar c : value) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, c.toLatin1());
                continue;
            }
            QInputMethodEvent commit;
            commit.setCommitString(c);
            QApplication::sendEvent(box, &commit);
        }
    }
    void fill(const QStringList& fields, const QStringList& values) {
        for (qsizetype i = 0; i < fields.size(); ++i) type(fields[i], values[i]);
    }
    void click(const QString& button) { QTest::mouseClick(control(button), Qt::LeftButton); }

    /// What the window shows wrongly under the desktop's theme and scale, from its pixels: text of
    /// contrast below 4.5 or with a character no face of its font draws, a text box's edge below 3 against the panel around it or drawn twice, unlike the edge of
    /// another box on such a panel or, focused, like an unfocused one's, a designed colour not shown, or a
    /// caption that is no result drawn otherwise than designed; how results are fitted is the widgets' own test's.
    QStringList shownWrongly(const design::Window& design) const {
        const QImage shot = window->grab().toImage();
        const QTransform toDevice = QTransform::fromScale(shot.devicePixelRatio(), shot.devicePixelRatio());
        QStringList wrong;
        QHash<QRgb, QRgb> edgeOnPanel;  // of the unfocused boxes
        QRgb focusedEdge = 0;
        for (const design::Control& row : design.controls) {
            const QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
            const QWidget* widget = control(name);
            const QRegion shown = toDevice.map(uncovered(widget, row.kind));
            const QRect box = toDevice.mapRect(QRect(widget->mapTo(window.get(), QPoint()), widget->size()));
            if (row.kind == design::Kind::TextBox) {
                const QRgb edge = commonest(shot, QRegion(box) - box.adjusted(1, 1, -1, -1)),
                           panel = commonest(shot, QRegion(box.adjusted(-1, -1, 1, 1)) - box);
                if (contrastRatio(rgbOf(edge), rgbOf(panel)) < 3) wrong << name + " edged " + QColor(edge).name() + " on " + QColor(panel).name();
                const int r = int(shot.devicePixelRatio());
                // The whole outermost line in the edge's colour, but in the two pixels by two at each corner it cuts.
                const QRegion corners = QRegion(box.left(), box.top(), 2 * r, 2 * r) + QRegion(box.right() + 1 - 2 * r, box.top(), 2 * r, 2 * r) +
                                        QRegion(box.left(), box.bottom() + 1 - 2 * r, 2 * r, 2 * r) +
                                        QRegion(box.right() + 1 - 2 * r, box.bottom() + 1 - 2 * r, 2 * r, 2 * r);
                int broken = 0;
                for (const QRect& part : QRegion(box) - box.adjusted(1, 1, -1, -1) - corners)
                    for (int y = part.top(); y <= part.bottom(); ++y)
                        for (int x = part.left(); x <= part.right(); ++x) broken += (shot.pixel(x, y) | 0xFF000000) != edge;
                const QPoint in(r, r), across(-r, r);  // a pixel in from each corner is edged, the corner itself cut
                for (const auto& [corner, inward] :
                     {std::pair{box.topLeft(), in}, {box.topRight(), across}, {box.bottomLeft(), -across}, {box.bottomRight(), -in}})
                    broken += ((shot.pixel(corner + inward) | 0xFF000000) != edge) + ((shot.pixel(corner) | 0xFF000000) == edge);
                if (broken > 0) wrong << name + QString(" edge broken at %1 pixels").arg(broken);
                // Just inside the edge, an unfocused box shows its own face.
                if (!widget->hasFocus() && commonest(shot, QRegion(box.adjusted(r, r, -r, -r)) - box.adjusted(r + 1, r + 1, -r - 1, -r - 1)) !=
                                               widget->palette().color(QPalette::Base).rgb())
                    wrong << name + " edged twice";
                if (widget->hasFocus())
                    focusedEdge = edge;
                else if (edgeOnPanel.value(panel, edge) != edge)
                    wrong << name + " edged unlike the other boxes";
                else
                    edgeOnPanel.insert(panel, edge);
            }
            const auto* label = qobject_cast<const FittedLabel*>(widget);
            const bool result =
                std::any_of(design.accessibleNames.begin(), design.accessibleNames.end(), [&](const auto& entry) { return entry.control == row.name; }) &&
                label;
            const QString text = label ? label->text() : widget->property("text").toString() + widget->property("title").toString();
            if (row.kind != design::Kind::Image && !text.trimmed().isEmpty() && inkContrast(shot, shown) < 4.5) wrong << name + " illegible";
            const QFontMetrics face(label ? label->shownFont() : widget->font());
            for (const char32_t c : text.toUcs4())
                if (QChar::isPrint(c) && !face.inFontUcs4(c)) wrong << name + " has no face for " + QString::fromUcs4(&c, 1);
            if (row.look.background && (row.kind != design::Kind::Label || row.look.opaque)) {
                const QColor designed(qRgb(*row.look.background & 0xFF, *row.look.background >> 8 & 0xFF, *row.look.background >> 16));
                if (QColor(commonest(shot, shown)) != designed) wrong << name + " shows " + QColor(commonest(shot, shown)).name();
            }
            if (label && !result && !label->shownAsDesigned()) wrong << name + " drawn otherwise";
        }
        if (focusedEdge && edgeOnPanel.values().contains(focusedEdge)) wrong << "the focused box edged like the others";
        return wrong;
    }

    std::unique_ptr<FormWindow> window;
    QList<QStringList> messages;

private:
    /// Where a control's text shows, in window coordinates: its box (a frame's caption strip, a text
    /// box's or button's inside) less the controls on it or above it.
    QRegion uncovered(const QWidget* widget, design::Kind kind) const {
        QRect box = widget->rect();
        if (kind == design::Kind::Frame && !widget->property("title").toString().isEmpty())
            box = QRect(10, 0, widget->fontMetrics().horizontalAdvance(widget->property("title").toString()), widget->fontMetrics().height());
        if (kind == design::Kind::TextBox || kind == design::Kind::Button) box.adjust(3, 3, -3, -3);
        QRegion region(box.translated(widget->mapTo(window.get(), QPoint())));
        for (const QWidget* at = widget; at != window.get(); at = at->parentWidget()) {
            const QObjectList siblings = at->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(at)) + 1; i < siblings.size(); ++i) {
                if (const auto* above = qobject_cast<const QWidget*>(siblings[i]); above && above->isVisible())
                    region -= QRect(above->mapTo(window.get(), QPoint()), above->size());
            }
        }
        for (const QObject* child : widget->children())
            if (const auto* on = qobject_cast<const QWidget*>(child); on && on->isVisible()) region -= QRect(on->mapTo(window.get(), QPoint()), on->size());
        return region;
    }

    QTimer modalWatch_;
    QPointer<QMessageBox> answered_;
    bool stuck_ = false, narrow_ = false;
};

}  // namespace runtime::testing
