// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace runtime {
namespace {

void dropTrailingZeros(ExactDecimal& number) {
    const std::size_t last = number.digits.find_last_not_of('0');
    number.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (number.digits.empty()) number.pointExponent = 0;
}

}  // namespace

ExactDecimal ExactDecimal::fromDigits(std::string_view whole, std::string_view fraction, std::int64_t exponent) {
    ExactDecimal number;
    number.digits.reserve(whole.size() + fraction.size());
    number.digits.append(whole).append(fraction);
    const std::size_t leadingZeros = std::min(number.digits.find_first_not_of('0'), number.digits.size());
    number.digits.erase(0, leadingZeros);
    number.pointExponent = static_cast<std::int64_t>(whole.size()) - static_cast<std::int64_t>(leadingZeros) + exponent;
    dropTrailingZeros(number);
    return number;
}

ExactDecimal ExactDecimal::of(double value) {
    if (!std::isfinite(value)) return {"1", std::numeric_limits<std::int32_t>::max()};
    if (value == 0) return {};
    char buffer[32];
    const char* const end = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific).ptr;
    const char* const e = std::find(std::cbegin(buffer), end, 'e');
    std::int64_t exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    // d.ddde±x: the digit before the point, those after it, and the power of ten.
    const std::string_view mantissa(buffer, static_cast<std::size_t>(e - buffer));
    return fromDigits(mantissa.substr(0, 1), mantissa.substr(std::min<std::size_t>(2, mantissa.size())), exponent);
}

ExactDecimal ExactDecimal::scaled(int powerOfTen, int factor) const {
    if (isZero()) return *this;
    if (factor == 1) return {digits, pointExponent + powerOfTen};
    // The digits as a whole number times the factor, from the last digit up, with room for two
    // more digits in front.
    std::string product(digits.size() + 2, '0');
    int carry = 0;
    for (std::size_t k = digits.size(); k-- > 0;) {
        const int digit = (digits[k] - '0') * factor + carry;
        product[k + 2] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    product[1] = static_cast<char>('0' + carry % 10);
    product[0] = static_cast<char>('0' + carry / 10);
    return fromDigits(product, {}, pointExponent - static_cast<std::int64_t>(digits.size()) + powerOfTen);
}

double ExactDecimal::toDouble() const {
    if (isZero()) return 0.0;
    // Written out and read by the standard library's conversions, which no locale reaches.
    std::string normalised = "0.";
    normalised += digits;
    normalised += 'e';
    char exponent[24];
    normalised.append(exponent, std::to_chars(std::begin(exponent), std::end(exponent), pointExponent).ptr);
    double value = 0.0;
    if (std::from_chars(normalised.data(), normalised.data() + normalised.size(), value).ec == std::errc::result_out_of_range) {
        value = pointExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

// Parts too far apart for exactness to matter are summed as doubles rather than written out
// digit by digit, so a sum costs no more than its parts' digits and a little.
ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b) {
    if (a.isZero()) return b;
    if (b.isZero()) return a;
    constexpr std::int64_t kExactSpan = 2000;
    const auto lowest = [](const ExactDecimal& d) { return d.pointExponent - static_cast<std::int64_t>(d.digits.size()); };
    const std::int64_t top = std::max(a.pointExponent, b.pointExponent) + 1;  // room for a carry
    const std::int64_t span = top - std::min(lowest(a), lowest(b));
    if (span > static_cast<std::int64_t>(a.digits.size() + b.digits.size()) + kExactSpan) {
        return ExactDecimal::of(a.toDouble() + b.toDouble());
    }
    std::string total(static_cast<std::size_t>(span), '0');  // total[k] has place value 10^(top - 1 - k)
    for (const ExactDecimal* part : {&a, &b}) {
        std::size_t at = static_cast<std::size_t>(top - part->pointExponent) + part->digits.size();
        int carry = 0;
        const auto put = [&](int digit) {
            digit += total[--at] - '0' + carry;
            total[at] = static_cast<char>('0' + digit % 10);
            carry = digit / 10;
        };
        for (std::size_t k = part->digits.size(); k-- > 0;) put(part->digits[k] - '0');
        while (carry != 0) put(0);
    }
    return ExactDecimal::fromDigits(total, {}, top - static_cast<std::int64_t>(span));
}

}  // namespace runtime
