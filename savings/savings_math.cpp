// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings_math.h"

#include <cmath>

namespace savings {

Rejection firstRejected(double deposit, double rate, double count) {
    // Written as "not above zero" so that no value slips through a comparison.
    if (!(deposit > 0)) return Rejection::Deposit;
    if (!(rate > 0)) return Rejection::Rate;
    if (!(count > 0)) return Rejection::Count;
    return Rejection::None;
}

std::optional<double> totalWithInterest(double deposit, double rate, double count) {
    // The steps run in this order so that the last digit matches the bank's own figures.
    const double principal = count * deposit;
    const double yearlyInterest = deposit * rate;
    const double monthlyInterest = yearlyInterest / 12;
    const double interestOverCount = monthlyInterest * count;
    const double countPlusOne = 1 + count;
    const double doubledInterest = interestOverCount * countPlusOne;
    const double interest = doubledInterest / 2;
    const double total = principal + interest;
    if (!std::isfinite(total)) return std::nullopt;
    return total;
}

}  // namespace savings
