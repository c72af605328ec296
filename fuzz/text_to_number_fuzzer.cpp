// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_locale.h"
#include "text_to_number.h"

#include <cmath>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    // Every text reads as a number or an infinity in every unit, never as NaN, and as the same
    // one under C. A unit or numeral scales a figure by a bounded factor, so a text too short to
    // write a figure near the double range without an exponent never reads as infinite.
    const bool short_without_exponent = text.size() <= 200 && text.find_first_of(u"eEｅＥ") == std::u16string::npos;
    for (const runtime::Unit unit :
         {runtime::Unit::Count, runtime::Unit::Yuan, runtime::Unit::TenThousandYuan, runtime::Unit::Percent, runtime::Unit::Months}) {
        const double value = runtime::textToNumber(text, unit);
        if (std::isnan(value) || (short_without_exponent && std::isinf(value))) std::abort();
        if (underCLocale([&] { return runtime::textToNumber(text, unit); }) != value) std::abort();
    }
    return 0;
}
