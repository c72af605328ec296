#pragma once

#include "fitted_label.h"
#include "form_window.h"
#include "ink.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace runtime::testing {

/// One message box a command asked for, with the window's text boxes at that moment.
struct ShownMessage {
    QString title;
    QString prompt;
    QHash<QString, QString> fields;
};

/// A built window, shown and active, whose message boxes are recorded instead of shown.
/// A real modal dialog fails the test (and is closed so the test can end).
class WindowFixture : public QObject {
protected:
    void open(const std::function<std::unique_ptr<FormWindow>()>& create) {
        messages.clear();
        sawModal_ = false;
        QObject::connect(&modalWatch_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) sawModal_ = modal->close();
        }, Qt::UniqueConnection);
        modalWatch_.start(20);
        window = create();
        window->setWarning([this](QWidget* owner, const QString& title, const QString& prompt) {
            ShownMessage shown{title, prompt, {}};
            for (const QLineEdit* box : owner->findChildren<QLineEdit*>()) shown.fields.insert(box->objectName(), box->text());
            messages.append(shown);
        });
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void close() {
        modalWatch_.stop();
        window.reset();
        QVERIFY2(!sawModal_, "a real message box opened");
    }

    QWidget* control(const QString& name) const { return window->findChild<QWidget*>(name); }
    QString text(const QString& name) const { return window->findChild<QLineEdit*>(name)->text(); }
    QString caption(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    QStringList texts(const QStringList& names) const {
        QStringList values;
        for (const QString& name : names) values << (window->findChild<QLineEdit*>(name) ? text(name) : caption(name));
        return values;
    }
    QString accessibleName(const QString& name) const {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control(name));
        return face ? face->text(QAccessible::Name) : QString();
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
    static QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    /// The control's rectangle in the window's client coordinates.
    QRect clientRect(const QString& name) const {
        const QWidget* widget = control(name);
        return widget ? QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size()) : QRect();
    }

    /// Replaces a field's text as a person would: ASCII as key clicks, anything else as an
    /// input method's committed text, the way Chinese input methods deliver it.
    void type(const QString& field, const QString& value) {
        QWidget* box = control(field);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar c : value) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, c.toLatin1());
            } else {
                QInputMethodEvent event;
                event.setCommitString(c);
                QApplication::sendEvent(box, &event);
            }
        }
    }
    void fill(const QStringList& fields, const QStringList& values) {
        for (qsizetype i = 0; i < fields.size(); ++i) type(fields[i], values[i]);
    }
    void click(const QString& button) { QTest::mouseClick(control(button), Qt::LeftButton); }

    /// Presses Tab (or Shift+Tab) once per name and checks where the focus lands each time.
    static void verifyTabCycle(const QStringList& order, bool forward) {
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                            forward ? Qt::NoModifier : Qt::ShiftModifier);
            QCOMPARE(focused(), next);
        }
    }

    /// Labels whose caption the builder had to draw smaller, broken otherwise, or as the mark.
    QStringList captionsNotAsDesigned() const {
        QStringList changed;
        for (const FittedLabel* label : window->findChildren<FittedLabel*>()) {
            if (!label->shownAsDesigned()) changed << label->objectName() + ": " + label->text();
        }
        return changed;
    }

    /// Why a result is not drawn whole inside its box on `paper`, or empty where it is: every
    /// character but the blanks, or else the too-long mark, and no ink on its sides or bottom.
    QString notShownWhole(const QString& name, QRgb paper) const {
        const auto* label = window->findChild<FittedLabel*>(name);
        const QString drawn = label->shownLines().join(QString());
        const bool whole = label->shownTooLong() ? drawn.count('#') == drawn.size() && drawn.size() >= 2
                                                  : QString(drawn).remove(' ') == QString(label->text()).remove(' ');
        if (!whole) return name + " draws " + drawn + " for " + label->text();
        if (testing::inkOnEdges(window->grab().toImage(), clientRect(name), paper, label->alignment() & Qt::AlignLeft)) {
            return name + " inks its edge: " + label->text();
        }
        return QString();
    }

    std::unique_ptr<FormWindow> window;
    QList<ShownMessage> messages;

private:
    QTimer modalWatch_;
    bool sawModal_ = false;
};

}  // namespace runtime::testing
