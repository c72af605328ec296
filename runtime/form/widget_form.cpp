// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget_form.h"

#include "announcement.h"
#include "fitted_label.h"
#include "message_box.h"

#include <QLineEdit>
#include <QWidget>

namespace runtime {

WidgetForm::WidgetForm(QWidget* window) : window_(window), announcement_(new Announcement(window)) {}

template <typename Widget>
Widget* WidgetForm::find(QStringView name) const {
    if (!window_) return nullptr;
    Widget* found = window_->findChild<Widget*>(name.toString());
    // A command naming a control its design lacks is a fault of the program, not of the user.
    Q_ASSERT_X(found, "WidgetForm", qPrintable(QStringLiteral("no control ") + name.toString() + QStringLiteral(" of that kind")));
    return found;
}

QString WidgetForm::text(QStringView textBox) const {
    const auto* box = find<QLineEdit>(textBox);
    return box ? box->text() : QString();
}

void WidgetForm::setText(QStringView textBox, const QString& text) {
    if (auto* box = find<QLineEdit>(textBox)) box->setText(text);
}

void WidgetForm::setCaption(QStringView label, const QString& caption) {
    withdrawAnnouncement();
    if (auto* target = find<FittedLabel>(label)) target->setCaption(caption);
}

void WidgetForm::setFocus(QStringView control) {
    if (auto* target = find<QWidget>(control)) target->setFocus(Qt::OtherFocusReason);
}

void WidgetForm::announce(const QString& text) {
    if (announcement_) announcement_->say(text);
}

void WidgetForm::withdrawAnnouncement() {
    if (announcement_) announcement_->withdraw();
}

void WidgetForm::warn(const QString& title, const QString& prompt) { showWarning(window_, title, prompt); }

void WidgetForm::close() {
    if (window_) window_->close();
}

}  // namespace runtime
