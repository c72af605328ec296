// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings_commands.h"

#include "form.h"
#include "qstring_convert.h"
#include "savings_math.h"

namespace savings {
namespace {

const QString kTitle = QStringLiteral("数据输入错误");

void reject(runtime::Form& form, const QString& prompt, QStringView field) {
    form.warn(kTitle, prompt);
    form.setText(field, QString());
}

}  // namespace

void calculate(runtime::Form& form) {
    const double deposit = runtime::numberOf(form.text(u"Text1"), runtime::Unit::Yuan);
    const double rate = runtime::numberOf(form.text(u"Text2"), runtime::Unit::Percent) / 100;
    const double count = runtime::numberOf(form.text(u"Text3"), runtime::Unit::Months);

    switch (firstRejected(deposit, rate, count)) {
    case Rejection::Deposit: return reject(form, QStringLiteral("本金应为正数！"), u"Text1");
    case Rejection::Rate: return reject(form, QStringLiteral("利率应为正数！"), u"Text2");
    case Rejection::Count: return reject(form, QStringLiteral("期数应为正数！"), u"Text3");
    case Rejection::None: break;
    }

    const std::optional<double> total = totalWithInterest(deposit, rate, count);
    if (!total) return form.warn(kTitle, QStringLiteral("计算结果超出范围！"));
    const QString shown = runtime::formatted(*total, "0.##") + u'元';
    form.setCaption(u"Label7", shown);
    form.announce(QStringLiteral("本利和：") + shown);
}

void clear(runtime::Form& form) {
    form.setText(u"Text1", QString());
    form.setText(u"Text2", QString());
    form.setText(u"Text3", QString());
    form.setCaption(u"Label7", QString());
    form.setCaption(u"Label8", QString());
}

}  // namespace savings
