// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace runtime {

/// What a field's figures are counted in, and so which words after a number it understands.
enum class Unit {
    Count,            ///< a plain count: 次 or 期
    Yuan,             ///< 元, 圆, 块, 块钱 or 人民币; 角 or 毛 and 分 are its tenth and hundredth
    TenThousandYuan,  ///< 万元: a figure with a ¥, a numeral or a yuan word is in yuan ("200000元" is 20)
    Percent,          ///< % or ％; ‰ is a tenth of a percent and ‱ a hundredth; 厘 and 分 make no figure
    Months,           ///< 个月, 月 or 期; 年 and 年期 are twelve and 季度 three; 个半月 is a half more
};

/// The figure a text begins with, in `unit`, or 0 where it holds none. It is read as
///
///     figure   = blanks [¥ blanks] [sign] number [blanks words {part}] [blanks end]
///     number   = whole [point {digit}] [exponent] | point digit {digit} [exponent]
///     whole    = group {separator 3digits} | group dot 3digits dot 3digits {dot 3digits}
///              | group dot 3digits {dot 3digits} , digit {digit}        group = 1 to 3 digits
///     words    = numerals [unitword] | unitword          numerals = [百 | 千] [万] [亿]
///     part     = blanks [零 | 又] blanks number [blanks words] | blanks 半
///
/// - Blanks are Unicode's space separators and the tab; ¥ is also ￥. Full-width digits, signs,
///   point, comma and e read as their ASCII forms, and format characters (zero-width spaces and
///   joiners, direction marks, the soft hyphen) are ignored wherever they stand.
/// - A separator is a comma, or a blank other than the tab, before exactly three digits, after a
///   first group of at most three. A point is ".", or "。" between digits, or a comma that cannot
///   group thousands (not before exactly three digits, or after a whole part beginning with 0):
///   "0,465" is 0.465. A comma that could be either ("1234,567", "1,000,5") is no figure.
/// - Points group thousands where they cannot be one decimal point: in twos or more ("1.000.000")
///   or before a decimal comma ("1.000,50"); a single "1.000" is 1. A number followed by another
///   point or comma and a digit ("1.5.3"), or by blanks and a digit ("1 50"), is no figure.
/// - The numerals 百, 千, 万 and 亿 (also 佰, 仟, 萬, 億, k and w) multiply the number, in that
///   order, each at most once and 百 or 千 but not both ("1千万"; "1万千" and "1百千" are no
///   figure); a unit word of the field converts it.
/// - A part after the words is a smaller one, below one of the unit before it ("1万2千",
///   "1年6个月"); after 零 or 又 its unit may go unsaid ("1万零5"). 半 adds half of one of the
///   unit before it and ends the figure ("1年半"). Digits after the words that make no smaller
///   part ("1万2", "1年18个月", "1年半6个月"), numeral words ("1年零六个月") and a word of the
///   field that says less than it means (天, 厘) make the text no figure.
/// - What follows the figure must not go on with it: a word ("100美元", "12abc") may name another
///   unit or currency, and a dash, tilde, slash or apostrophe before digits ("1-2年", "1/2年",
///   "1'000") makes a range, a fraction or a grouping, so each is no figure; 整 ("1000元整") and
///   any other mark ("1000元/月") end it.
///
/// The result is the correctly rounded double of the figure; beyond the double range it is
/// ±infinity. Runs in time linear in the text's length, accepts any sequence of UTF-16 code
/// units, and does not depend on the C library's locale.
double textToNumber(std::u16string_view text, Unit unit = Unit::Count);

}  // namespace runtime
