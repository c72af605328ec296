// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace runtime {
namespace {

// Full-width forms that input methods produce stand for their ASCII forms.
char16_t narrowed(char16_t c) {
    if (c >= u'\uFF01' && c <= u'\uFF5E') return static_cast<char16_t>(c - 0xFEE0);
    return c;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Thousands are grouped by commas or by blanks: a space, the ideographic space, or the narrow
// and no-break spaces that figures copied from documents and web pages carry.
bool isSeparator(char16_t c) {
    switch (c) {
    case u',': case u' ': case u'\u3000': case u'\u00A0': case u'\u2005': case u'\u2009': case u'\u202F':
        return true;
    default:
        return false;
    }
}

class Scanner {
public:
    explicit Scanner(std::u16string_view text) : text_(text) {}

    char16_t at(std::size_t i) const { return i < text_.size() ? narrowed(text_[i]) : u'\0'; }
    char16_t raw(std::size_t i) const { return i < text_.size() ? text_[i] : u'\0'; }
    bool digitAt(std::size_t i) const { return isDigit(at(i)); }

    // A separator stands between groups only when exactly three digits follow it.
    bool separatorAt(std::size_t i) const {
        return isSeparator(at(i)) && digitAt(i + 1) && digitAt(i + 2) && digitAt(i + 3) && !digitAt(i + 4);
    }

private:
    std::u16string_view text_;
};

// Decimal digits with the position of the decimal point among them.
struct DecimalText {
    bool negative = false;
    std::string digits;             // significant digits, no leading zeros
    std::int64_t pointExponent = 0; // value = 0.digits × 10^pointExponent
};

constexpr std::int64_t kExponentCap = 1'000'000'000;  // far beyond any double, far from overflow

std::optional<DecimalText> scanDecimal(std::u16string_view text) {
    Scanner s(text);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\u3000')) ++i;
    if (i < text.size() && (text[i] == u'\u00A5' || text[i] == u'\uFFE5')) ++i;

    DecimalText result;
    if (s.at(i) == u'+' || s.at(i) == u'-') {
        result.negative = s.at(i) == u'-';
        ++i;
    }

    bool sawDigit = false;
    std::int64_t wholeDigitsKept = 0;  // whole-part digits kept after leading zeros
    std::int64_t leadingFractionZeros = 0;
    std::size_t firstGroupLength = 0;
    bool grouped = false;
    for (;;) {
        if (s.digitAt(i)) {
            const char digit = static_cast<char>(s.at(i));
            if (!result.digits.empty() || digit != '0') {
                result.digits.push_back(digit);
                ++wholeDigitsKept;
            }
            sawDigit = true;
            if (!grouped) ++firstGroupLength;
            ++i;
        } else if (sawDigit && s.separatorAt(i) && (grouped || firstGroupLength <= 3)) {
            grouped = true;
            ++i;
        } else {
            break;
        }
    }

    const bool asciiPoint = s.at(i) == u'.';
    const bool ideographicPoint = s.raw(i) == u'\u3002' && sawDigit && s.digitAt(i + 1);
    if (asciiPoint || ideographicPoint) {
        const bool fractionFollows = s.digitAt(i + 1);
        if (sawDigit || fractionFollows) {
            ++i;
            while (s.digitAt(i)) {
                const char digit = static_cast<char>(s.at(i));
                if (result.digits.empty() && digit == '0') {
                    ++leadingFractionZeros;
                } else {
                    result.digits.push_back(digit);
                }
                sawDigit = true;
                ++i;
            }
        }
    }
    if (!sawDigit) return std::nullopt;

    std::int64_t exponent = 0;
    if (s.at(i) == u'e' || s.at(i) == u'E') {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (s.at(j) == u'+' || s.at(j) == u'-') {
            negativeExponent = s.at(j) == u'-';
            ++j;
        }
        if (s.digitAt(j)) {
            while (s.digitAt(j)) {
                if (exponent < kExponentCap) exponent = exponent * 10 + (s.at(j) - u'0');
                ++j;
            }
            if (negativeExponent) exponent = -exponent;
        }
    }

    while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
    result.pointExponent = (wholeDigitsKept > 0 ? wholeDigitsKept : -leadingFractionZeros) + exponent;
    return result;
}

}  // namespace

double textToNumber(std::u16string_view text) {
    const std::optional<DecimalText> decimal = scanDecimal(text);
    if (!decimal) return 0.0;
    const double sign = decimal->negative ? -1.0 : 1.0;
    if (decimal->digits.empty()) return sign * 0.0;
    // Any value with more than 310 whole digits overflows; any below 10^-330 underflows.
    if (decimal->pointExponent > 310) return sign * std::numeric_limits<double>::infinity();
    if (decimal->pointExponent < -330) return sign * 0.0;

    std::string normalised;
    normalised.reserve(decimal->digits.size() + 16);
    normalised += "0.";
    normalised += decimal->digits;
    normalised += 'e';
    char exponent[24];
    normalised.append(exponent, std::to_chars(std::begin(exponent), std::end(exponent), decimal->pointExponent).ptr);

    double value = 0.0;
    const auto [end, error] = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = decimal->pointExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign * value;
}

namespace {

struct Pattern {
    std::string_view whole;       // placeholders and literals before the point
    std::string_view fraction;    // after the point
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
