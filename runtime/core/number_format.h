// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

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
