// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_widget_accessible.h"

#include "accessible_factory.h"

#include <QAccessibleObject>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPicture>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

namespace runtime {
namespace {

// A caption as read out: each '&' before a character left out, so that "&&" reads as "&".
QString spoken(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size()) ++i;
        text.append(caption.at(i));
    }
    return text;
}

// The key that a caption's mnemonic makes, as Qt names it; empty for none.
QString mnemonicKey(const QString& caption) { return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText); }

// A push button; no window's button has a menu.
class Button : public BridgeWidgetAccessible {
public:
    explicit Button(QWidget* button) : BridgeWidgetAccessible(button) { addControllingSignal(QStringLiteral("clicked()")); }

    QString text(QAccessible::Text kind) const override {
        QString text;
        if (kind == QAccessible::Name) text = widget()->accessibleName().isEmpty() ? spoken(button()->text()) : widget()->accessibleName();
        if (kind == QAccessible::Accelerator) {
            text = button()->isDefault() ? QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText) : mnemonicKey(button()->text());
        }
        return text.isEmpty() ? BridgeWidgetAccessible::text(kind) : text;
    }
    QAccessible::State state() const override {
        QAccessible::State state = BridgeWidgetAccessible::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        state.defaultButton = button()->isDefault();
        return state;
    }
    QAccessible::Role role() const override {
        if (button()->isCheckable()) return button()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
        return QAccessible::Button;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + BridgeWidgetAccessible::actionNames();
    }
    void doAction(const QString& name) override {
        if (!widget()->isEnabled()) return;
        if (name == pressAction()) {
            button()->animateClick();
        } else if (name == toggleAction()) {
            button()->toggle();
        } else {
            BridgeWidgetAccessible::doAction(name);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{button()->shortcut().toString()} : QStringList();
    }

private:
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

// A label, a message box's text or icon, a tooltip.
class Display : public BridgeWidgetAccessible {
public:
    explicit Display(QWidget* label, QAccessible::Role role = QAccessible::StaticText) : BridgeWidgetAccessible(label, role) {}

    QAccessible::Role role() const override {
        if (!label()->pixmap().isNull() || !label()->picture().isNull()) return QAccessible::Graphic;
        return BridgeWidgetAccessible::role();
    }
    QAccessible::State state() const override {
        QAccessible::State state = BridgeWidgetAccessible::state();
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        QString text;
        if (kind == QAccessible::Name) {
            text = widget()->accessibleName();
            if (text.isEmpty()) text = shownText();
        }
        return text.isEmpty() ? BridgeWidgetAccessible::text(kind) : text;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        auto relations = BridgeWidgetAccessible::relations(match);
        if (match & QAccessible::Labelled) {
            if (QAccessibleInterface* buddy = QAccessible::queryAccessibleInterface(label()->buddy())) relations.append({buddy, QAccessible::Labelled});
        }
        return relations;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    QString shownText() const {
        QString text = label()->text();
        if (label()->textFormat() == Qt::RichText || (label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setHtml(text);
            text = document.toPlainText();
        }
        return label()->buddy() ? spoken(text) : text;
    }
};

class GroupBox : public BridgeWidgetAccessible {
public:
    using BridgeWidgetAccessible::BridgeWidgetAccessible;

    QString text(QAccessible::Text kind) const override {
        const QString text = BridgeWidgetAccessible::text(kind);
        if (!text.isEmpty()) return text;
        if (kind == QAccessible::Name) return spoken(box()->title());
        if (kind == QAccessible::Accelerator) return mnemonicKey(box()->title());
        return text;
    }
    QAccessible::State state() const override {
        QAccessible::State state = BridgeWidgetAccessible::state();
        state.checkable = box()->isCheckable();
        state.checked = box()->isChecked();
        return state;
    }
    QAccessible::Role role() const override { return box()->isCheckable() ? QAccessible::CheckBox : QAccessible::Grouping; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        auto relations = BridgeWidgetAccessible::relations(match);
        if ((match & QAccessible::Labelled) && !box()->title().isEmpty()) {
            for (QWidget* child : box()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QAccessibleInterface* face = child->isWindow() ? nullptr : QAccessible::queryAccessibleInterface(child);
                if (face) relations.append({face, QAccessible::Labelled});
            }
        }
        return relations;
    }

    QStringList actionNames() const override {
        QStringList names = BridgeWidgetAccessible::actionNames();
        if (box()->isCheckable()) names.prepend(toggleAction());
        return names;
    }
    // Only its toggle, as Qt's own does.
    void doAction(const QString& name) override {
        if (name == toggleAction()) box()->setChecked(!box()->isChecked());
    }
    QStringList keyBindingsForAction(const QString&) const override { return QStringList(); }

private:
    QGroupBox* box() const { return static_cast<QGroupBox*>(widget()); }
};

class MessageBox : public BridgeWidgetAccessible {
public:
    explicit MessageBox(QWidget* box) : BridgeWidgetAccessible(box, QAccessible::AlertMessage) {}

    // As Qt's own: named by its title or else by what it says, its value what it says, its help the rest.
    QString text(QAccessible::Text kind) const override {
        const auto* box = static_cast<const QMessageBox*>(widget());
        if (kind == QAccessible::Value) return box->text();
        if (kind == QAccessible::Help) return box->informativeText();
        const QString text = BridgeWidgetAccessible::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? box->text() : text;
    }
};

// A menu, whose items are its actions' interfaces.
class Menu : public BridgeWidgetAccessible {
public:
    explicit Menu(QWidget* menu) : BridgeWidgetAccessible(menu, QAccessible::PopupMenu) {}

    int childCount() const override { return static_cast<int>(menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAction*> actions = menu()->actions();
        return index >= 0 && index < actions.size() ? QAccessible::queryAccessibleInterface(actions.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessible::Role role = child ? child->role() : QAccessible::NoRole;
        if (role != QAccessible::MenuItem && role != QAccessible::Separator) return -1;
        return static_cast<int>(menu()->actions().indexOf(qobject_cast<QAction*>(child->object())));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAction* action = menu()->actionAt(menu()->mapFromGlobal(fromBridgePixels(menu(), QPoint(x, y))));
        return action && !action->isSeparator() ? QAccessible::queryAccessibleInterface(action) : nullptr;
    }
    QAccessibleInterface* parent() const override {
        // A submenu's parent is its item in the menu that holds it.
        QAction* opening = menu()->menuAction();
        for (QObject* holder : opening->associatedObjects()) {
            if (qobject_cast<QMenu*>(holder)) return QAccessible::queryAccessibleInterface(opening);
        }
        return BridgeWidgetAccessible::parent();
    }
    QString text(QAccessible::Text kind) const override {
        const QString text = BridgeWidgetAccessible::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? menu()->windowTitle() : text;
    }

private:
    QMenu* menu() const { return static_cast<QMenu*>(widget()); }
};

// An action as an item of the menu that shows it.
class MenuItem : public QAccessibleObject, public QAccessibleActionInterface {
public:
    explicit MenuItem(QAction* action) : QAccessibleObject(action) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    bool isValid() const override { return QAccessibleObject::isValid() && menu(); }
    // The window of the menu, or of the one it opens from while it has none of its own yet.
    QWindow* window() const override {
        const QWidget* shownIn = menu();
        if (shownIn && !shownIn->windowHandle()) shownIn = shownIn->nativeParentWidget();
        return shownIn ? shownIn->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu()); }
    int childCount() const override { return action()->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action()->menu() ? QAccessible::queryAccessibleInterface(action()->menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->role() == QAccessible::PopupMenu && child->object() == action()->menu() ? 0 : -1;
    }
    QRect rect() const override {
        QMenu* shownIn = menu();
        if (!shownIn) return QRect();
        return toBridgePixels(shownIn, shownIn->actionGeometry(action()).translated(shownIn->mapToGlobal(QPoint())));
    }
    QAccessible::Role role() const override { return action()->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        QMenu* shownIn = menu();
        state.invisible = shownIn && (!shownIn->testAttribute(Qt::WA_WState_Visible) || !action()->isVisible());
        state.focused = shownIn && shownIn->activeAction() == action();
        state.hotTracked = shownIn && shownIn->style()->styleHint(QStyle::SH_Menu_MouseTracking);
        state.disabled = action()->isSeparator() || !action()->isEnabled();
        state.checkable = action()->isCheckable();
        state.checked = action()->isChecked();
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return spoken(action()->text());
        if (kind == QAccessible::Accelerator) return action()->shortcut().isEmpty() ? mnemonicKey(action()->text()) : action()->shortcut().toString();
        return QString();
    }

    QStringList actionNames() const override {
        if (action()->isSeparator()) return QStringList();
        return {action()->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!action()->isEnabled()) return;
        if (name == pressAction()) {
            action()->trigger();
        } else if (name == showMenuAction()) {
            if (action()->menu() && action()->menu()->isVisible())
                action()->menu()->hide();
            else if (QMenu* shownIn = menu())
                shownIn->setActiveAction(action());
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return QStringList(); }

private:
    QAction* action() const { return static_cast<QAction*>(object()); }
    // The menu the action is in: the one showing it, where one does.
    QMenu* menu() const {
        QMenu* holder = nullptr;
        for (QObject* object : action()->associatedObjects()) {
            auto* menu = qobject_cast<QMenu*>(object);
            if (menu && (!holder || menu->isVisible())) holder = menu;
        }
        return holder;
    }
};

}  // namespace

QAccessibleInterface* qtWidgetAccessible(const QString& className, QWidget* widget) {
    // As Qt's own factory answers for these classes. A plain QWidget is left to it: every widget
    // is one while it is destroyed, and only Qt knows not to give it then an interface that
    // would outlive it.
    if (className == QLatin1String("QWidget")) {
        return widget->metaObject() != &QWidget::staticMetaObject ? new BridgeWidgetAccessible(widget) : nullptr;
    }
    if (className == QLatin1String("QPushButton")) return new Button(widget);
    if (className == QLatin1String("QLabel")) return new Display(widget);
    if (className == QLatin1String("QTipLabel")) return new Display(widget, QAccessible::ToolTip);
    if (className == QLatin1String("QGroupBox")) return new GroupBox(widget);
    if (className == QLatin1String("QMenu")) return new Menu(widget);
    if (className == QLatin1String("QMessageBox")) return new MessageBox(widget);
    if (className == QLatin1String("QDialogButtonBox")) return new BridgeWidgetAccessible(widget, QAccessible::Grouping);
    if (className == QLatin1String("QDialog")) return new BridgeWidgetAccessible(widget, QAccessible::Dialog);
    if (className == QLatin1String("QFrame")) return new BridgeWidgetAccessible(widget, QAccessible::Border);
    return nullptr;
}

QAccessibleInterface* menuItemAccessible(QAction* action) {
    const QList<QObject*> holders = action->associatedObjects();
    const bool inAMenu = std::any_of(holders.begin(), holders.end(), [](QObject* holder) { return qobject_cast<QMenu*>(holder); });
    return inAMenu ? new MenuItem(action) : nullptr;
}

}  // namespace runtime
