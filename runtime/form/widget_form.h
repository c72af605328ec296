// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QPointer>

class QWidget;

namespace runtime {

class Announcement;

/// The by-name form interface over a built window: text boxes are QLineEdits and labels
/// fitted labels whose object names are the design's control names.
class WidgetForm : public Form {
public:
    explicit WidgetForm(QWidget* window);

    QString text(QStringView textBox) const override;
    void setText(QStringView textBox, const QString& text) override;
    void setCaption(QStringView label, const QString& caption) override;
    void setFocus(QStringView control) override;
    void warn(const QString& title, const QString& prompt) override;
    void announce(const QString& text) override;
    void close() override;

private:
    template <typename Widget>
    Widget* find(QStringView name) const;

    void withdrawAnnouncement();

    QPointer<QWidget> window_;
    QPointer<Announcement> announcement_;
};

}  // namespace runtime
