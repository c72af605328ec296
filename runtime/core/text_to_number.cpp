// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_to_number.h"

#include "exact_decimal.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <span>
#include <string>

namespace runtime {
namespace {

// The power of ten that takes a figure in yuan to one in 万元.
constexpr int kYuanInTenThousands = -4;

// An exponent this long is far beyond any double, and far from overflowing its count.
constexpr std::int64_t kExponentCap = 1'000'000'000;

// Full-width forms that input methods produce stand for their ASCII forms.
char16_t narrowed(char16_t c) {
    if (c >= u'\uFF01' && c <= u'\uFF5E') return static_cast<char16_t>(c - 0xFEE0);
    return c;
}

// Characters that only steer how a text is shown or broken: zero-width spaces and joiners,
// direction marks, embeddings and isolates, the byte order mark, the soft hyphen. Figures
// copied from web pages carry them unseen, so they count for nothing wherever they stand.
bool isFormatCharacter(char16_t c) {
    return c == u'\u00AD' || c == u'\u061C' || c == u'\u180E' || (c >= u'\u200B' && c <= u'\u200F') || (c >= u'\u202A' && c <= u'\u202E') ||
           (c >= u'\u2060' && c <= u'\u2064') || (c >= u'\u2066' && c <= u'\u206F') || c == u'\uFEFF' || (c >= u'\uFFF9' && c <= u'\uFFFB');
}

// Unicode's space separators, and the tab.
bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u202F' || c == u'\u205F' ||
           c == u'\u3000';
}

// Thousands are grouped by commas or by blanks other than the tab: a space, the ideographic
// space, or the narrow, figure and no-break spaces that figures copied from web pages carry.
bool isSeparator(char16_t c) { return c == u',' || (isBlank(c) && c != u'\t'); }

bool isNumeralWord(char16_t c) {
    return std::u16string_view(u"〇零一二三四五六七八九十两壹贰叁肆伍陆柒捌玖拾百千万亿佰仟萬億").find(c) != std::u16string_view::npos;
}

bool isWordCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'\u3400' && c <= u'\u9FFF') || (c >= u'\uF900' && c <= u'\uFAFF');
}

class Scanner {
public:
    explicit Scanner(std::u16string_view text) : text_(text) {}

    char16_t at(std::size_t i) const { return i < text_.size() ? narrowed(text_[i]) : u'\0'; }
    char16_t raw(std::size_t i) const { return i < text_.size() ? text_[i] : u'\0'; }
    bool digitAt(std::size_t i) const { return at(i) >= u'0' && at(i) <= u'9'; }
    bool threeDigitsAt(std::size_t i) const { return digitAt(i) && digitAt(i + 1) && digitAt(i + 2) && !digitAt(i + 3); }
    bool separatorAt(std::size_t i) const { return isSeparator(at(i)) && threeDigitsAt(i + 1); }
    std::size_t blanksFrom(std::size_t i) const {
        while (i < text_.size() && isBlank(text_[i])) ++i;
        return i;
    }
    // Appends the digits from `i` to `digits` and returns where they end.
    std::size_t digitsFrom(std::size_t i, std::string& digits) const {
        for (; digitAt(i); ++i) digits.push_back(static_cast<char>(at(i)));
        return i;
    }

private:
    std::u16string_view text_;
};

// Whole-part digits from `i`, grouped by points, which `i` ends past: only where the points
// cannot be one decimal point, as in "1.000.000" and "1.000,50".
std::optional<std::string> dotGroupedWhole(const Scanner& s, std::size_t& i, std::string whole) {
    std::size_t j = i;
    int groups = 0;
    for (; s.at(j) == u'.' && s.threeDigitsAt(j + 1); ++groups) j = s.digitsFrom(j + 1, whole);
    if (groups == 0 || (groups == 1 && !(s.at(j) == u',' && s.digitAt(j + 1)))) return std::nullopt;
    i = j;
    return whole;
}

// Digits with grouping, a decimal point and an exponent, from `i`, which ends past them.
std::optional<ExactDecimal> scanNumber(const Scanner& s, std::size_t& i) {
    std::string whole, fraction;
    // After a leading 0 a comma groups nothing, so it can only be a decimal point.
    const bool wholeBeginsWithZero = s.at(i) == u'0';
    i = s.digitsFrom(i, whole);
    bool groupedByComma = false, groupedByPoint = false;
    if (!whole.empty() && whole.size() <= 3) {
        while (s.separatorAt(i) && !(wholeBeginsWithZero && s.at(i) == u',')) {
            groupedByComma = groupedByComma || s.at(i) == u',';
            i = s.digitsFrom(i + 1, whole);
        }
        if (whole.size() <= 3 && !wholeBeginsWithZero) {
            if (auto dotted = dotGroupedWhole(s, i, whole)) {
                whole = std::move(*dotted);
                groupedByPoint = true;
            }
        }
    }

    const bool commaBeforeDigit = s.at(i) == u',' && !whole.empty() && s.digitAt(i + 1);
    // A comma that cannot be grouping thousands: the decimal point of those who write one.
    const bool decimalComma = commaBeforeDigit && (groupedByPoint || (!groupedByComma && (wholeBeginsWithZero || !s.separatorAt(i))));
    // Any other comma between digits (after four digits, or after commas grouping) could be
    // either, so the text holds no figure to read.
    if (commaBeforeDigit && !decimalComma) return std::nullopt;
    const bool point = decimalComma || (!groupedByPoint && (s.at(i) == u'.' || (s.raw(i) == u'\u3002' && !whole.empty() && s.digitAt(i + 1))));
    if (point && (!whole.empty() || s.digitAt(i + 1))) i = s.digitsFrom(i + 1, fraction);
    if (whole.empty() && fraction.empty()) return std::nullopt;

    std::int64_t exponent = 0;
    if (s.at(i) == u'e' || s.at(i) == u'E') {
        std::size_t j = i + 1;
        const bool negativeExponent = s.at(j) == u'-';
        if (s.at(j) == u'+' || s.at(j) == u'-') ++j;
        if (s.digitAt(j)) {
            for (; s.digitAt(j); ++j) {
                if (exponent < kExponentCap) exponent = exponent * 10 + (s.at(j) - u'0');
            }
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }
    // A second point or comma before digits ("1.5.3", "1,000.5,3") leaves the figure unsure.
    if ((s.at(i) == u'.' || s.at(i) == u',' || s.raw(i) == u'\u3002') && s.digitAt(i + 1)) return std::nullopt;
    return ExactDecimal::fromDigits(whole, fraction, exponent);
}

// What the words after a number make of it, in the field's own unit: value × 10^powerOfTen,
// times the months in a year or a quarter, and a half of that more for 个半月.
struct Scale {
    int powerOfTen = 0;
    int factor = 1;
    bool andAHalf = false;
    bool unreadable = false;  // numerals out of order ("1百千"), which make no figure

    double value() const { return ExactDecimal{"1", 1}.scaled(powerOfTen, factor).toDouble(); }
    std::optional<ExactDecimal> of(const ExactDecimal& number) const {
        if (unreadable) return std::nullopt;
        const ExactDecimal whole = number.scaled(powerOfTen, factor);
        return andAHalf ? whole + half() : whole;
    }
    // Half of one of the unit, as 半 and 个半月 add it.
    ExactDecimal half() const { return ExactDecimal{"5", 0}.scaled(powerOfTen, factor); }
};

// A word that may follow a number: the power of ten and the factor it takes the number by.
struct UnitWord {
    std::u16string_view name;
    int powerOfTen = 0;
    int factor = 1;
};

// Each list is tried in order, so a word comes before any word it begins with.
constexpr UnitWord kYuanWords[] = {{u"元"}, {u"圆"}, {u"块钱"}, {u"块"}, {u"人民币"}, {u"角", -1}, {u"毛", -1}, {u"分", -2}};
// 厘 and 分 are a tenth of a percent and a percent of a monthly rate, but ten times that of a
// yearly one: no reading of them is safe, so, being no rate's words, they leave no figure.
constexpr UnitWord kRateSigns[] = {{u"%"}, {u"‰", -1}, {u"‱", -2}};
// Days and weeks make no whole count of months: as no month's words, they leave no figure.
constexpr UnitWord kMonthWords[] = {{u"年期", 0, 12}, {u"年", 0, 12}, {u"季度", 0, 3}, {u"个月"}, {u"月"}, {u"期"}};
constexpr UnitWord kCountWords[] = {{u"次"}, {u"期"}};

// The numerals and the field's unit words after a number, from `i`, which ends past them.
std::optional<Scale> scanWords(const Scanner& s, std::size_t& i, Unit unit) {
    std::size_t j = s.blanksFrom(i);
    Scale scale;
    bool named = false;
    // Each numeral in its simplified, formal and traditional forms, and as the web writes it; each
    // only after smaller ones, and 百 and 千 not together: "5千万" and "5kw" are fifty million.
    constexpr std::u16string_view kNumerals[] = {u"百佰", u"千仟kK", u"万萬wW", u"亿億"};
    constexpr std::array kPowers{2, 3, 4, 8};
    for (std::ptrdiff_t last = -1;; ++j) {
        const auto which =
            std::find_if(std::begin(kNumerals), std::end(kNumerals), [&](std::u16string_view forms) { return forms.find(s.at(j)) != forms.npos; });
        if (which == std::end(kNumerals)) break;
        const std::ptrdiff_t index = which - std::begin(kNumerals);
        named = true;
        if (index <= last || (last == 0 && index == 1)) {
            scale.unreadable = true;
            break;
        }
        scale.powerOfTen += kPowers[static_cast<std::size_t>(index)];
        last = index;
    }
    const auto word = [&](const UnitWord& w) {
        for (std::size_t k = 0; k < w.name.size(); ++k) {
            if (s.at(j + k) != w.name[k]) return false;
        }
        j += w.name.size();
        scale.powerOfTen += w.powerOfTen;
        scale.factor = w.factor;
        named = true;
        return true;
    };
    // The first of the words the text goes on with is taken, if any is.
    const auto takeFirstOf = [&](std::span<const UnitWord> words) {
        for (const UnitWord& w : words) {
            if (word(w)) return;
        }
    };
    switch (unit) {
    case Unit::Yuan:
    case Unit::TenThousandYuan:
        takeFirstOf(kYuanWords);
        // A figure in this field's own unit bears no word; one with any is in yuan.
        if (unit == Unit::TenThousandYuan && named) scale.powerOfTen += kYuanInTenThousands;
        break;
    case Unit::Percent: takeFirstOf(kRateSigns); break;
    case Unit::Months:
        if (word({u"个半月"})) {
            scale.andAHalf = true;
        } else {
            takeFirstOf(kMonthWords);
        }
        break;
    case Unit::Count: takeFirstOf(kCountWords); break;
    }
    if (!named) return std::nullopt;
    i = j;
    return scale;
}

// Whether the text from `i`, after a figure, leaves it as written: a word may name another unit
// or currency ("100美元", "12abc"), and a dash, tilde, slash or apostrophe before digits makes a
// range, a fraction or a grouping ("1-2年", "1/2年", "1'000"); 整 only says the sum is whole.
bool endsTheFigure(const Scanner& s, std::size_t i) {
    const std::size_t next = s.blanksFrom(i);
    const char16_t c = s.at(next);
    if (c == u'整') return true;
    if (isWordCharacter(c)) return false;
    if (c == u',' && s.at(next + 1) == u'-') return false;  // "1.000,-", a price with no cents
    return std::u16string_view(u"-~/'_\u00B7\u2010\u2011\u2012\u2013\u2014\u2015\u2019\u2212").find(c) == std::u16string_view::npos ||
           !s.digitAt(s.blanksFrom(next + 1));
}

// Whether the text from `i` goes on as a figure would, with a digit, a numeral word, 零, 又 or 半.
bool figureGoesOn(const Scanner& s, std::size_t i) {
    const std::size_t next = s.blanksFrom(i);
    return s.digitAt(next) || isNumeralWord(s.raw(next)) || s.raw(next) == u'又' || s.raw(next) == u'半';
}

// The figure a text begins with, in the field's unit: a number and the words that follow it,
// and the smaller parts that may complete them ("1万2千", "1年6个月", "1年半", "1万零500").
std::optional<ExactDecimal> scanFigure(const Scanner& s, std::size_t& i, Unit unit) {
    const std::optional<ExactDecimal> number = scanNumber(s, i);
    if (!number) return std::nullopt;
    std::optional<Scale> scale = scanWords(s, i, unit);
    if (!scale) {
        // A bare number, unless more digits follow ("1 50").
        if (s.digitAt(s.blanksFrom(i)) || !endsTheFigure(s, i)) return std::nullopt;
        return number;
    }
    std::optional<ExactDecimal> figure = scale->of(*number);
    while (figure) {
        std::size_t next = s.blanksFrom(i);
        // 零 and 又 join a smaller part, which may then leave its unit to be understood.
        const bool joined = s.raw(next) == u'零' || s.raw(next) == u'又';
        if (joined) next = s.blanksFrom(next + 1);
        if (s.raw(next) == u'半') {
            if (scale->andAHalf || figureGoesOn(s, next + 1)) return std::nullopt;
            return *figure + scale->half();
        }
        // A part in numeral words ("1年零六个月") would be lost: no figure rather than a smaller one.
        if (isNumeralWord(s.raw(next))) return std::nullopt;
        if (!s.digitAt(next)) return endsTheFigure(s, next) ? figure : std::nullopt;
        // Digits after a unit must be a smaller part below one of that unit; anything else
        // ("1万2", "1年18个月", "1万2万") has no one reading.
        const std::optional<ExactDecimal> partNumber = scanNumber(s, next);
        std::optional<Scale> partScale = partNumber ? scanWords(s, next, unit) : std::nullopt;
        if (partNumber && !partScale && joined) {
            // Unless a word the field does not know follows it ("1年零6天").
            if (isWordCharacter(s.at(s.blanksFrom(next)))) return std::nullopt;
            partScale = Scale{unit == Unit::TenThousandYuan ? kYuanInTenThousands : 0};
        }
        if (!partScale || partScale->value() >= scale->value()) return std::nullopt;
        const std::optional<ExactDecimal> part = partScale->of(*partNumber);
        if (!part || part->toDouble() >= scale->value()) return std::nullopt;
        figure = *figure + *part;
        scale = partScale;
        i = next;
    }
    return figure;
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
    const Scanner s(withoutFormatCharacters(original, storage));
    std::size_t i = s.blanksFrom(0);
    const bool yuanSign = s.raw(i) == u'\u00A5' || s.raw(i) == u'\uFFE5';
    if (yuanSign) i = s.blanksFrom(i + 1);
    const bool negative = s.at(i) == u'-';
    if (s.at(i) == u'+' || s.at(i) == u'-') ++i;
    // A ¥ says the figure is in yuan, which a field in ten thousands converts.
    const bool tenThousandsOfYuan = yuanSign && unit == Unit::TenThousandYuan;
    const std::optional<ExactDecimal> figure = scanFigure(s, i, tenThousandsOfYuan ? Unit::Yuan : unit);
    if (!figure) return 0.0;
    return (negative ? -1.0 : 1.0) * figure->scaled(tenThousandsOfYuan ? kYuanInTenThousands : 0).toDouble();
}

}  // namespace runtime
