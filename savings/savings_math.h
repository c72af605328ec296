// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace savings {

/// The first input that is not positive, in the order the window checks them.
enum class Rejection { None, Deposit, Rate, Count };

/// Which input is rejected, if any: deposit, rate (as a fraction) and count must exceed 0.
Rejection firstRejected(double deposit, double rate, double count);

/// Principal plus interest after `count` monthly deposits of `deposit` at the annual `rate`
/// (a fraction): the deposits, and the monthly interest of one deposit summed over
/// 1, 2, …, count months. Empty when a step leaves the double range.
std::optional<double> totalWithInterest(double deposit, double rate, double count);

}  // namespace savings
