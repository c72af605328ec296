// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

/// A decimal figure kept exactly, as 0.digits × 10^pointExponent, so that a figure read in
/// several parts and units is rounded to a double once, at the end.
struct ExactDecimal {
    std::string digits;  ///< significant digits, without leading or trailing zeros; empty for zero
    std::int64_t pointExponent = 0;

    /// The figure `whole`.`fraction` × 10^exponent, from ASCII digits with any zeros around them.
    static ExactDecimal fromDigits(std::string_view whole, std::string_view fraction, std::int64_t exponent);
    /// The shortest decimal that reads back as `value`; a value beyond the double range stays beyond it.
    static ExactDecimal of(double value);

    bool isZero() const { return digits.empty(); }
    /// The figure × 10^powerOfTen × factor, for a factor from 1 to 99.
    ExactDecimal scaled(int powerOfTen, int factor = 1) const;
    /// The correctly rounded double: ±infinity beyond its range, 0 below it.
    double toDouble() const;
};

/// The exact sum of two figures of the same sign.
ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);

}  // namespace runtime
