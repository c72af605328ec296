// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loan_commands.h"

#include "form.h"
#include "qstring_convert.h"
#include "repayment_math.h"

namespace loan {
namespace {

const QString kTitle = QStringLiteral("注意");
const QString kDivisorMessage = QStringLiteral("偿还次数必须是正整数，并且为贷款期的约数！");

}  // namespace

void confirm(runtime::Form& form) {
    const double amount = runtime::numberOf(form.text(u"Text1"), runtime::Unit::TenThousandYuan);
    const double term = runtime::numberOf(form.text(u"Text2"), runtime::Unit::Months);
    const double repayments = runtime::numberOf(form.text(u"Text3"), runtime::Unit::Count);
    const double ratePercent = runtime::numberOf(form.text(u"Text4"), runtime::Unit::Percent);

    switch (firstRejected(amount, term, repayments, ratePercent)) {
    case Rejection::Amount: return form.warn(kTitle, QStringLiteral("贷款必须是正数！"));
    case Rejection::Term:
        form.setText(u"Text2", QString());
        form.warn(kTitle, QStringLiteral("贷款期必须是正整数，以月为单位！"));
        return form.setFocus(u"Text2");
    case Rejection::RepaymentCount: return form.warn(kTitle, kDivisorMessage);
    case Rejection::Divisor:
        form.warn(kTitle, kDivisorMessage);
        form.setText(u"Text3", QString());
        return form.setFocus(u"Text3");
    case Rejection::Rate: return form.warn(kTitle, QStringLiteral("月利率必须是正数！"));
    case Rejection::None: break;
    }

    const std::optional<Repayment> plan = repayment(amount, term, repayments, ratePercent);
    if (!plan) return form.warn(kTitle, QStringLiteral("计算结果超出范围！"));
    const QString interval = QString::fromStdString(runtime::numberText(plan->interval));
    const QString payment = runtime::formatted(plan->payment, " #0.000000");
    const QString total = runtime::formatted(plan->total, "####.0000");
    form.setCaption(u"Label6", interval);
    form.setCaption(u"Label9", payment);
    form.setCaption(u"Label13", total);
    form.setFocus(u"Text1");
    // The panel read as the sentence it makes, said where the focus now is.
    form.announce(
        QStringLiteral("每隔 %1 月偿还一次，每次偿还金额为 %2 万元。偿还总额为 %3 万元。").arg(interval.trimmed(), payment.trimmed(), total.trimmed()));
}

void clear(runtime::Form& form) {
    form.setText(u"Text1", QString());
    form.setText(u"Text2", QString());
    form.setText(u"Text3", QString());
    form.setCaption(u"Label6", QString());
    form.setText(u"Text4", QString());
    form.setCaption(u"Label9", QString());
    form.setCaption(u"Label13", QString());
    form.setFocus(u"Text1");
}

void quit(runtime::Form& form) { form.close(); }

}  // namespace loan
