// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_format.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace runtime {
namespace {

struct Pattern {
    std::string_view whole;     // placeholders and literals before the point
    std::string_view fraction;  // after the point
    bool hasPoint = false;
    int decimals = 0;
};

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

Pattern parsePattern(std::string_view text) {
    Pattern p;
    const std::size_t point = text.find('.');
    p.whole = text.substr(0, point);
    if (point != std::string_view::npos) {
        p.hasPoint = true;
        p.fraction = text.substr(point + 1);
        for (char c : p.fraction) p.decimals += isPlaceholder(c) ? 1 : 0;
    }
    return p;
}

// The value's decimal digits, rounded half away from zero to a fixed number of decimals
// after being taken to 15 significant digits.
struct RoundedDigits {
    std::string whole;     // no leading zeros; empty for zero
    std::string fraction;  // exactly `decimals` digits
};

RoundedDigits roundToDecimals(double magnitude, int decimals) {
    // d.dddddddddddddde±XX, written and read by the standard library's conversions, which no
    // locale reaches: under the C library's, a point may be any text of any length.
    char buffer[32];
    const char* const end = std::to_chars(std::begin(buffer), std::end(buffer), magnitude, std::chars_format::scientific, 14).ptr;
    std::string significant;
    significant.push_back(buffer[0]);
    significant.append(buffer + 2, 14);
    const char* const exponentSign = buffer + 17;
    int exponent = 0;
    std::from_chars(exponentSign + 1, end, exponent);
    if (*exponentSign == '-') exponent = -exponent;

    // digits[k] has place value 10^(exponent - k); keep those down to 10^-decimals.
    const long keep = static_cast<long>(exponent) + 1 + decimals;
    std::string kept;
    bool roundUp = false;
    if (keep <= 0) {
        roundUp = keep == 0 && significant[0] >= '5';
    } else if (keep < static_cast<long>(significant.size())) {
        kept = significant.substr(0, static_cast<std::size_t>(keep));
        roundUp = significant[static_cast<std::size_t>(keep)] >= '5';
    } else {
        kept = significant + std::string(static_cast<std::size_t>(keep) - significant.size(), '0');
    }
    // kept now covers the place values from 10^(keep - 1 - decimals) down to 10^-decimals.
    if (kept.size() < static_cast<std::size_t>(decimals) + 1) {
        kept.insert(0, static_cast<std::size_t>(decimals) + 1 - kept.size(), '0');
    }
    if (roundUp) {
        std::size_t k = kept.size();
        while (k > 0) {
            --k;
            if (kept[k] == '9') {
                kept[k] = '0';
            } else {
                ++kept[k];
                break;
            }
            if (k == 0) kept.insert(0, 1, '1');
        }
    }
    RoundedDigits result;
    const std::size_t wholeLength = kept.size() - static_cast<std::size_t>(decimals);
    result.whole = kept.substr(0, wholeLength);
    result.fraction = kept.substr(wholeLength);
    const std::size_t firstNonZero = result.whole.find_first_not_of('0');
    result.whole.erase(0, firstNonZero == std::string::npos ? result.whole.size() : firstNonZero);
    return result;
}

std::string layOutWhole(std::string_view section, const std::string& digits) {
    int placeholders = 0;
    for (char c : section) placeholders += isPlaceholder(c) ? 1 : 0;
    std::string out;
    if (placeholders == 0) {
        out.append(section);
        out += digits;
        return out;
    }
    const int available = static_cast<int>(digits.size());
    int remaining = placeholders;  // placeholders at and to the right of the current one
    bool first = true;
    for (char c : section) {
        if (!isPlaceholder(c)) {
            out.push_back(c);
            continue;
        }
        if (first && available > placeholders) out.append(digits, 0, static_cast<std::size_t>(available - placeholders));
        first = false;
        if (remaining <= available) {
            out.push_back(digits[static_cast<std::size_t>(available - remaining)]);
        } else if (c == '0') {
            out.push_back('0');
        }
        --remaining;
    }
    return out;
}

std::string layOutFraction(std::string_view section, const std::string& digits) {
    std::string placeholders;
    for (char c : section) {
        if (isPlaceholder(c)) placeholders.push_back(c);
    }
    // Trailing optional decimals that are zero are not shown.
    std::size_t shown = placeholders.size();
    while (shown > 0 && placeholders[shown - 1] == '#' && digits[shown - 1] == '0') --shown;

    std::string out;
    if (shown > 0) out.push_back('.');
    std::size_t next = 0;
    for (char c : section) {
        if (!isPlaceholder(c)) {
            out.push_back(c);
        } else if (next < shown) {
            out.push_back(digits[next++]);
        } else {
            ++next;
        }
    }
    return out;
}

}  // namespace

std::string formatByPattern(double value, std::string_view patternText) {
    if (!std::isfinite(value)) return {};
    const Pattern pattern = parsePattern(patternText);
    const RoundedDigits rounded = roundToDecimals(std::fabs(value), pattern.decimals);

    std::string out = layOutWhole(pattern.whole, rounded.whole);
    if (pattern.hasPoint) out += layOutFraction(pattern.fraction, rounded.fraction);
    if (out.find_first_of("0123456789") == std::string::npos) out.insert(0, 1, '0');

    const bool showsZero = rounded.whole.empty() && rounded.fraction.find_first_not_of('0') == std::string::npos;
    if (std::signbit(value) && !showsZero) out.insert(0, 1, '-');
    return out;
}

std::string numberText(std::int64_t value) {
    char digits[24];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), value);
    return (value < 0 ? "" : " ") + std::string(std::begin(digits), written.ptr);
}

}  // namespace runtime
