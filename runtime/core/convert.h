// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

/// The number a text begins with, or 0 when it begins with none.
/// Leading blanks (space, tab, U+3000) and one currency sign (¥ or ￥) are skipped; then an
/// optional sign, digits with at most one decimal point, and an optional exponent. Full-width
/// digits, signs, point and e read as their ASCII forms, 。 between digits is a decimal point,
/// and a comma (, or ，) or a blank (space, U+3000, or a no-break, narrow or quarter-em space)
/// between groups of exactly three whole-part digits is skipped. The result is the
/// correctly rounded double of that decimal text; beyond the double range it is ±infinity.
/// Runs in time linear in the text's length and accepts any sequence of UTF-16 code units.
/// Neither this nor the two below depends on the C library's locale.
double textToNumber(std::u16string_view text);

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
