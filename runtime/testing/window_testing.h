#pragma once

#include "widget_form.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace runtime::testing {

/// One message box a command asked for, with what the window showed at that moment.
struct ShownMessage {
    QString title;
    QString prompt;
    QHash<QString, QString> fields;  // every text box's text
    QString focus;                   // the focused control's name
};

/// Stands in for the message box: records each request instead of waiting for a click.
class MessageRecorder {
public:
    WidgetForm::Warning warning() {
        return [this](QWidget* owner, const QString& title, const QString& prompt) {
            ShownMessage shown{title, prompt, {}, {}};
            for (const QLineEdit* box : owner->findChildren<QLineEdit*>()) shown.fields.insert(box->objectName(), box->text());
            if (const QWidget* focus = QApplication::focusWidget()) shown.focus = focus->objectName();
            messages.append(shown);
        };
    }
    QList<ShownMessage> messages;
};

/// Fails the running test when a real modal dialog opens, and closes it so the test ends.
class ModalGuard {
public:
    ModalGuard() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen_ = true;
                modal->close();
            }
        });
        timer_.start(20);
    }
    bool sawModal() const { return seen_; }

private:
    QTimer timer_;
    bool seen_ = false;
};

/// The labels whose caption, wrapped to the label's width, does not fit its box. Blanks at
/// either end draw nothing (a result's leading blank only keeps the sign's place), so they
/// may run past the box.
inline QStringList labelsCutOff(const QWidget* window) {
    QStringList cut;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString ink = label->text().trimmed();
        if (ink.isEmpty()) continue;
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap | label->alignment(), ink);
        if (needed.width() > label->width() || needed.height() > label->height()) {
            cut << QStringLiteral("%1 needs %2x%3 in %4x%5")
                       .arg(label->objectName())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(label->width())
                       .arg(label->height());
        }
    }
    return cut;
}

/// Types a text as a person would: ASCII characters as key clicks, anything else as an input
/// method's committed text, the way Chinese input methods deliver it.
inline void typeText(QWidget* widget, const QString& text) {
    QString composed;
    const auto commit = [&] {
        if (composed.isEmpty()) return;
        QInputMethodEvent event;
        event.setCommitString(composed);
        QApplication::sendEvent(widget, &event);
        composed.clear();
    };
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            commit();
            QTest::keyClick(widget, c.toLatin1());
        } else {
            composed += c;
        }
    }
    commit();
}

/// The control's rectangle in the window's client coordinates.
inline QRect clientRect(const QWidget* window, const QWidget* control) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

}  // namespace runtime::testing
