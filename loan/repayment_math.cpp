// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "repayment_math.h"

#include <cmath>

namespace loan {
namespace {

bool isWhole(double value) { return value == std::floor(value); }

}  // namespace

Rejection firstRejected(double amount, double term, double repayments, double ratePercent) {
    if (!(amount > 0)) return Rejection::Amount;
    if (!(term > 0) || !isWhole(term)) return Rejection::Term;
    if (!(repayments > 0)) return Rejection::RepaymentCount;
    // A fractional count or one above the term is refused before any division by it, and
    // the remainder is exact for every whole term a double holds. An infinite term passes
    // here and is refused by the calculation as out of range.
    if (!isWhole(repayments) || repayments > term) return Rejection::Divisor;
    if (std::isfinite(term) && std::fmod(term, repayments) != 0) return Rejection::Divisor;
    if (!(ratePercent > 0)) return Rejection::Rate;
    return Rejection::None;
}

std::optional<Repayment> repayment(double amount, double term, double repayments, double ratePercent) {
    const double interval = term / repayments;  // whole: the count divides the term
    const double growth = 1 + ratePercent * 0.01;
    const double growthOverInterval = std::pow(growth, interval);
    const double growthOverTerm = std::pow(growth, term);
    const double divisor = growthOverTerm - 1;
    const double perInterval = growthOverInterval - 1;
    const double scaled = amount * perInterval;
    const double grown = scaled * growthOverTerm;
    const double payment = grown / divisor;
    const double total = repayments * payment;
    // A divisor of 0 (a rate too small to change the factor) turns the payment non-finite too.
    if (!std::isfinite(payment) || !std::isfinite(total) || !(interval < 0x1p63)) return std::nullopt;
    return Repayment{static_cast<std::int64_t>(interval), payment, total};
}

}  // namespace loan
