// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace runtime::testing {

/// A stand-in window that keeps texts and captions by name and writes every step a
/// command takes into a journal, in order: "text Text2 = ", "caption Label7 = 12146.25元",
/// "focus Text1", "warn 注意: 贷款必须是正数！", "close".
class RecordingForm : public Form {
public:
    explicit RecordingForm(QHash<QString, QString> texts = {}) : values_(std::move(texts)) {}

    QString text(QStringView textBox) const override { return values_.value(textBox.toString()); }
    void setText(QStringView textBox, const QString& text) override {
        values_.insert(textBox.toString(), text);
        journal_ << QStringLiteral("text %1 = %2").arg(textBox, text);
    }
    void setCaption(QStringView label, const QString& caption) override {
        values_.insert(label.toString(), caption);
        journal_ << QStringLiteral("caption %1 = %2").arg(label, caption);
    }
    void setFocus(QStringView control) override { journal_ << QStringLiteral("focus %1").arg(control); }
    void warn(const QString& title, const QString& prompt) override { journal_ << QStringLiteral("warn %1: %2").arg(title, prompt); }
    void announce(const QString& text) override { journal_ << QStringLiteral("announce %1").arg(text); }
    void close() override { journal_ << QStringLiteral("close"); }

    /// The steps taken so far.
    const QStringList& journal() const { return journal_; }
    /// A text or caption as it stands now.
    QString value(const QString& name) const { return values_.value(name); }

private:
    QHash<QString, QString> values_;
    QStringList journal_;
};

}  // namespace runtime::testing
