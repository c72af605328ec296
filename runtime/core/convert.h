// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

/// What a field's figures are counted in, and so which words after a number it understands.
enum class Unit {
    Count,            ///< a plain count: no unit words
    Yuan,             ///< 元 or 块; 角 or 毛 and 分 are its tenth and hundredth
    TenThousandYuan,  ///< 万元: a figure followed by a numeral or 元 is in yuan ("200000元" is 20)
    Percent,          ///< % or ％; ‰ is a tenth of a percent; 厘 and 分 make no figure
    Months,           ///< 个月, 月 or 期; 年 is twelve; 个半月 is a half more
};

/// The figure a text begins with, in `unit`, or 0 when it begins with none.
/// Leading blanks (every Unicode space separator and the tab), then one currency sign (¥ or ￥)
/// and blanks again are skipped; then an optional sign, digits with at most one decimal point,
/// and an optional exponent. Full-width digits, signs, point and e read as their ASCII forms, 。
/// between digits is a decimal point, and a comma (, or ，) or a blank (space, U+3000, or a
/// no-break, narrow, figure or quarter-em space) between groups of exactly three whole-part digits is
/// skipped. A comma that cannot group thousands (not followed by exactly three digits, or after
/// a whole part beginning with 0) is the decimal point; one between digits that could be
/// either ("1234,567", "1,000,5") makes the text no number (0). Format characters (zero-width spaces
/// and joiners, direction marks, the soft hyphen) are ignored wherever they stand.
/// After the number, and blanks, the numerals 百, 千, 万 and 亿 multiply it (each once), and one
/// of the unit's words converts it. Digits after these must form a smaller part below one of
/// the unit before ("1万2千", "1年6个月"; after 零 or 又 its unit may go unsaid: "1万零5"), or
/// 半 add half of it ("1年半"); a text that goes on otherwise ("1万2") reads as 0. After a bare
/// number, whatever follows is not read.
/// The result is the correctly rounded double of that decimal figure; beyond the double range
/// it is ±infinity. Runs in time linear in the text's length and accepts any sequence of
/// UTF-16 code units. Neither this nor the two below depends on the C library's locale.
double textToNumber(std::u16string_view text, Unit unit = Unit::Count);

/// The value laid out by a pattern of `0` (digit always shown), `#` (digit shown when
/// significant), `.` (the decimal point) and literal characters, which are copied.
/// Every whole-part digit is shown. The value is taken to 15 significant digits and then
/// rounded half away from zero to the pattern's decimals. Trailing `#` decimals that are zero
/// are dropped, and so is the point when no decimal is left. A negative value that does not
/// show as zero gets a leading "-". A value that is not finite gives an empty text.
std::string formatByPattern(double value, std::string_view pattern);

/// A whole number as its decimal digits behind one character kept for the sign:
/// a blank for zero and above, "-" below.
std::string numberText(std::int64_t value);

}  // namespace runtime
