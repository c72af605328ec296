// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
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

// Characters that only steer how a text is shown or broken: zero-width spaces and joiners,
// direction marks, embeddings and isolates, the byte order mark, the soft hyphen. Figures
// copied from web pages carry them unseen, so they count for nothing wherever they stand.
bool isFormatCharacter(char16_t c) {
    return c == u'\u00AD' || c == u'\u061C' || c == u'\u180E' || (c >= u'\u200B' && c <= u'\u200F') ||
           (c >= u'\u202A' && c <= u'\u202E') || (c >= u'\u2060' && c <= u'\u2064') ||
           (c >= u'\u2066' && c <= u'\u206F') || c == u'\uFEFF' || (c >= u'\uFFF9' && c <= u'\uFFFB');
}

// Unicode's space separators, and the tab.
bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') ||
           c == u'\u202F' || c == u'\u205F' || c == u'\u3000';
}

// Thousands are grouped by commas or by blanks other than the tab: a space, the ideographic
// space, or the narrow, figure and no-break spaces that figures copied from web pages carry.
bool isSeparator(char16_t c) { return c == u',' || (isBlank(c) && c != u'\t'); }

class Scanner {
public:
    explicit Scanner(std::u16string_view text) : text_(text) {}

    char16_t at(std::size_t i) const { return i < text_.size() ? narrowed(text_[i]) : u'\0'; }
    char16_t raw(std::size_t i) const { return i < text_.size() ? text_[i] : u'\0'; }
    bool digitAt(std::size_t i) const { return isDigit(at(i)); }
    std::size_t blanksFrom(std::size_t i) const {
        while (i < text_.size() && isBlank(text_[i])) ++i;
        return i;
    }

    // A separator stands between groups only when exactly three digits follow it.
    bool separatorAt(std::size_t i) const {
        return isSeparator(at(i)) && digitAt(i + 1) && digitAt(i + 2) && digitAt(i + 3) && !digitAt(i + 4);
    }

private:
    std::u16string_view text_;
};

// An exact decimal: 0.digits × 10^pointExponent.
struct Decimal {
    std::string digits;              // significant digits, no leading or trailing zeros; empty for zero
    std::int64_t pointExponent = 0;
};

constexpr std::int64_t kExponentCap = 1'000'000'000;  // far beyond any double, far from overflow

void dropTrailingZeros(Decimal& number) {
    while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
    if (number.digits.empty()) number.pointExponent = 0;
}

// Digits with grouping, a decimal point and an exponent, from `i`, which ends past them.
std::optional<Decimal> scanNumber(const Scanner& s, std::size_t& i) {
    Decimal result;
    bool sawDigit = false;
    std::int64_t wholeDigitsKept = 0;  // whole-part digits kept after leading zeros
    std::int64_t leadingFractionZeros = 0;
    std::size_t firstGroupLength = 0;
    bool grouped = false;
    bool groupedByComma = false;
    // After a leading 0 a comma groups nothing, so it can only be a decimal point.
    const bool wholeBeginsWithZero = s.at(i) == u'0';
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
        } else if (sawDigit && s.separatorAt(i) && (grouped || firstGroupLength <= 3) &&
                   !(wholeBeginsWithZero && s.at(i) == u',')) {
            grouped = true;
            groupedByComma = groupedByComma || s.at(i) == u',';
            ++i;
        } else {
            break;
        }
    }

    const bool asciiPoint = s.at(i) == u'.';
    const bool ideographicPoint = s.raw(i) == u'\u3002' && sawDigit && s.digitAt(i + 1);
    // A comma that cannot be grouping thousands: the decimal point of those who write one.
    const bool decimalComma = s.at(i) == u',' && sawDigit && s.digitAt(i + 1) && !groupedByComma &&
                              (wholeBeginsWithZero || !s.separatorAt(i));
    // Any other comma between digits (after four digits, or after commas grouping) could be
    // either, so the text holds no figure to read.
    if (s.at(i) == u',' && sawDigit && s.digitAt(i + 1) && !decimalComma) return std::nullopt;
    if (asciiPoint || ideographicPoint || decimalComma) {
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
            i = j;
        }
    }

    result.pointExponent = (wholeDigitsKept > 0 ? wholeDigitsKept : -leadingFractionZeros) + exponent;
    dropTrailingZeros(result);
    return result;
}

// What the words after a number make of it, in the field's own unit: value × 10^powerOfTen,
// times the months in a year or a quarter, and a half of that more for 个半月.
struct Scale {
    int powerOfTen = 0;
    int factor = 1;
    bool andAHalf = false;
    bool unreadable = false;  // a word of this field whose meaning depends on more than it says

    double value() const {
        double value = factor;
        for (int i = 0; i < powerOfTen; ++i) value *= 10;
        for (int i = 0; i > powerOfTen; --i) value /= 10;
        return value;
    }
};

// The numerals and the field's unit words after a number, from `i`, which ends past them.
std::optional<Scale> scanWords(const Scanner& s, std::size_t& i, Unit unit) {
    std::size_t j = s.blanksFrom(i);
    Scale scale;
    bool named = false;
    for (bool seen[4] = {}; ; ++j) {
        // Each numeral in its simplified, formal and traditional forms, and as the web writes it.
        constexpr std::u16string_view kNumerals[] = {u"百佰", u"千仟kK", u"万萬wW", u"亿億"};
        const auto which = std::find_if(std::begin(kNumerals), std::end(kNumerals),
                                        [&](std::u16string_view forms) { return forms.find(s.at(j)) != forms.npos; });
        const std::size_t index = static_cast<std::size_t>(which - std::begin(kNumerals));
        if (which == std::end(kNumerals) || seen[index]) break;
        seen[index] = true;
        scale.powerOfTen += std::array{2, 3, 4, 8}[index];
        named = true;
    }
    const auto word = [&](std::u16string_view name, int powerOfTen, int factor = 1) {
        for (std::size_t k = 0; k < name.size(); ++k) {
            if (s.at(j + k) != name[k]) return false;
        }
        j += name.size();
        scale.powerOfTen += powerOfTen;
        scale.factor = factor;
        named = true;
        return true;
    };
    switch (unit) {
    case Unit::Yuan:
    case Unit::TenThousandYuan:
        (void)(word(u"元", 0) || word(u"圆", 0) || word(u"块", 0) || word(u"人民币", 0) || word(u"角", -1) ||
               word(u"毛", -1) || word(u"分", -2));
        // A figure in this field's own unit bears no word; one with any is in yuan.
        if (unit == Unit::TenThousandYuan && named) scale.powerOfTen -= 4;
        break;
    case Unit::Percent:
        // 厘 and 分 are a tenth of a percent and a percent of a monthly rate, but ten times
        // that of a yearly one: no reading of them is safe.
        if (!word(u"%", 0) && !word(u"‰", -1) && !word(u"‱", -2) && (word(u"厘", 0) || word(u"分", 0))) {
            scale.unreadable = true;
        }
        break;
    case Unit::Months:
        if (word(u"个半月", 0)) {
            scale.andAHalf = true;
        } else if (!word(u"年", 0, 12) && !word(u"季度", 0, 3) && !word(u"个月", 0) && !word(u"月", 0) && !word(u"期", 0) &&
                   (word(u"天", 0) || word(u"日", 0) || word(u"周", 0) || word(u"星期", 0))) {
            scale.unreadable = true;  // days and weeks make no whole count of months
        }
        break;
    case Unit::Count:
        break;
    }
    if (!named) return std::nullopt;
    i = j;
    return scale;
}

Decimal scaled(Decimal number, Scale scale) {
    if (number.digits.empty()) return number;
    number.pointExponent += scale.powerOfTen;
    if (scale.factor != 1) {
        // The digits as a whole number times the factor, from the last digit up.
        std::string product(number.digits.size() + 2, '0');
        int carry = 0;
        for (std::size_t k = number.digits.size(); k-- > 0;) {
            const int digit = (number.digits[k] - '0') * scale.factor + carry;
            product[k + 2] = static_cast<char>('0' + digit % 10);
            carry = digit / 10;
        }
        product[1] = static_cast<char>('0' + carry % 10);
        product[0] = static_cast<char>('0' + carry / 10);
        const std::size_t first = product.find_first_not_of('0');
        number.pointExponent += static_cast<std::int64_t>(product.size() - first - number.digits.size());
        number.digits = product.substr(first);
        dropTrailingZeros(number);
    }
    return number;
}

double toDouble(const Decimal& decimal) {
    if (decimal.digits.empty()) return 0.0;
    // Any value with more than 310 whole digits overflows; any below 10^-330 underflows.
    if (decimal.pointExponent > 310) return std::numeric_limits<double>::infinity();
    if (decimal.pointExponent < -330) return 0.0;

    std::string normalised;
    normalised.reserve(decimal.digits.size() + 16);
    normalised += "0.";
    normalised += decimal.digits;
    normalised += 'e';
    char exponent[24];
    normalised.append(exponent, std::to_chars(std::begin(exponent), std::end(exponent), decimal.pointExponent).ptr);

    double value = 0.0;
    const auto [end, error] = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = decimal.pointExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

Decimal decimalOf(double value) {
    Decimal decimal;
    if (!std::isfinite(value)) return Decimal{"1", kExponentCap};
    if (value == 0) return decimal;
    char buffer[32];
    const char* const begin = buffer;
    const char* const end = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific).ptr;
    const char* const e = std::find(begin, end, 'e');
    std::int64_t exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    decimal.digits.assign(begin, e);
    if (decimal.digits.size() > 1) decimal.digits.erase(1, 1);  // the point
    decimal.pointExponent = exponent + 1;
    dropTrailingZeros(decimal);
    return decimal;
}

// The exact sum, so that a figure written in two parts is rounded once. Parts too far apart
// for that to matter are summed as doubles rather than written out digit by digit.
Decimal sum(const Decimal& a, const Decimal& b) {
    if (a.digits.empty()) return b;
    if (b.digits.empty()) return a;
    const auto lowest = [](const Decimal& d) { return d.pointExponent - static_cast<std::int64_t>(d.digits.size()); };
    const std::int64_t top = std::max(a.pointExponent, b.pointExponent) + 1;  // room for a carry
    const std::int64_t span = top - std::min(lowest(a), lowest(b));
    if (span > static_cast<std::int64_t>(a.digits.size() + b.digits.size()) + 2000) return decimalOf(toDouble(a) + toDouble(b));

    std::string total(static_cast<std::size_t>(span), '0');  // total[k] has place value 10^(top - 1 - k)
    for (const Decimal* part : {&a, &b}) {
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
    const std::size_t leadingZeros = total.find_first_not_of('0');
    Decimal result{total.substr(leadingZeros), top - static_cast<std::int64_t>(leadingZeros)};
    dropTrailingZeros(result);
    return result;
}

bool isNumeralWord(char16_t c) { return std::u16string_view(u"〇零一二三四五六七八九十两壹贰叁肆伍陆柒捌玖拾百千万亿佰仟萬億").find(c) != std::u16string_view::npos; }

bool isWordCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'\u3400' && c <= u'\u9FFF') || (c >= u'\uF900' && c <= u'\uFAFF');
}

// Half of one of a unit, as 半 and 个半月 add it.
Decimal halfOf(const Scale& scale) { return scaled(Decimal{"5", 0}, scale); }

// A number in the words after it: its value in the field's unit, or no figure for a word
// that cannot be read.
std::optional<Decimal> inWords(const Decimal& number, const Scale& scale) {
    if (scale.unreadable) return std::nullopt;
    const Decimal whole = scaled(number, scale);
    return scale.andAHalf ? sum(whole, halfOf(scale)) : whole;
}

// The figure a text begins with, in the field's unit: a number and the words that follow it,
// and the smaller parts that may complete them ("1万2千", "1年6个月", "1年半", "1万零500").
std::optional<Decimal> scanFigure(const Scanner& s, std::size_t& i, Unit unit) {
    const std::optional<Decimal> number = scanNumber(s, i);
    if (!number) return std::nullopt;
    std::optional<Scale> scale = scanWords(s, i, unit);
    if (!scale) return number;  // a bare number: whatever follows is not read
    std::optional<Decimal> figure = inWords(*number, *scale);
    if (!figure) return Decimal{};
    for (;;) {
        std::size_t next = s.blanksFrom(i);
        // 零 and 又 join a smaller part, which may then leave its unit to be understood.
        const bool joined = s.raw(next) == u'零' || s.raw(next) == u'又';
        if (joined) next = s.blanksFrom(next + 1);
        if (s.raw(next) == u'半') return scale->andAHalf ? Decimal{} : sum(*figure, halfOf(*scale));
        // A part in numeral words ("1年零六个月") would be lost: no figure rather than a smaller one.
        if (isNumeralWord(s.raw(next))) return Decimal{};
        if (!s.digitAt(next)) return figure;
        // Digits after a unit must be a smaller part below one of that unit; anything else
        // ("1万2", "1年18个月", "1万2万") has no one reading, so the text reads as no number.
        const std::optional<Decimal> partNumber = scanNumber(s, next);
        std::optional<Scale> partScale = partNumber ? scanWords(s, next, unit) : std::nullopt;
        if (partNumber && !partScale && joined) {
            // Unless a word the field does not know follows it ("1年零6天").
            if (isWordCharacter(s.at(s.blanksFrom(next)))) return Decimal{};
            partScale = Scale{unit == Unit::TenThousandYuan ? -4 : 0};
        }
        if (!partScale || partScale->value() >= scale->value()) return Decimal{};
        const std::optional<Decimal> part = inWords(*partNumber, *partScale);
        if (!part || toDouble(*part) >= scale->value()) return Decimal{};
        figure = sum(*figure, *part);
        scale = partScale;
        i = next;
    }
}

// The text with the characters that only steer its display left out, where it has any.
std::u16string_view withoutFormatCharacters(std::u16string_view text, std::u16string& storage) {
    if (std::none_of(text.begin(), text.end(), isFormatCharacter)) return text;
    storage.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(storage), [](char16_t c) { return !isFormatCharacter(c); });
    return storage;
}

}  // namespace

double textToNumber(std::u16string_view original, Unit unit) {
    std::u16string storage;
    const std::u16string_view text = withoutFormatCharacters(original, storage);
    const Scanner s(text);
    std::size_t i = s.blanksFrom(0);
    const bool yuanSign = s.raw(i) == u'\u00A5' || s.raw(i) == u'\uFFE5';
    if (yuanSign) i = s.blanksFrom(i + 1);
    bool negative = false;
    if (s.at(i) == u'+' || s.at(i) == u'-') {
        negative = s.at(i) == u'-';
        ++i;
    }
    // A ¥ says the figure is in yuan, which a field in ten thousands converts.
    const bool tenThousandsOfYuan = yuanSign && unit == Unit::TenThousandYuan;
    std::optional<Decimal> figure = scanFigure(s, i, tenThousandsOfYuan ? Unit::Yuan : unit);
    if (!figure) return 0.0;
    if (tenThousandsOfYuan) figure = scaled(*figure, Scale{-4});
    return (negative ? -1.0 : 1.0) * toDouble(*figure);
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
