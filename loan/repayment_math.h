// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace loan {

/// The first check a loan fails, in the order the window makes them.
enum class Rejection {
    None,
    Amount,          // the amount is not positive
    Term,            // the term is not a positive whole number of months
    RepaymentCount,  // the number of repayments is not positive
    Divisor,         // the number of repayments is not a whole divisor of the term
    Rate,            // the monthly rate is not positive
};

/// Which check fails for amount, term (months), repayment count and monthly rate (percent).
Rejection firstRejected(double amount, double term, double repayments, double ratePercent);

struct Repayment {
    std::int64_t interval;  // months between two repayments
    double payment;         // each repayment
    double total;           // all repayments together
};

/// The equal payment, made every term/repayments months, that repays `amount` with interest
/// compounded monthly at `ratePercent` over `term` months. Expects inputs that passed
/// firstRejected. Empty when a result leaves the double range or the rate is too small
/// to change the amount.
std::optional<Repayment> repayment(double amount, double term, double repayments, double ratePercent);

}  // namespace loan
