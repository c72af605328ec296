// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"
#include "fuzz_locale.h"

#include <cmath>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    // Every text reads as a number or an infinity, never as NaN, and as the same one under C.
    const double value = runtime::textToNumber(text);
    if (std::isnan(value)) std::abort();
    if (underCLocale([&] { return runtime::textToNumber(text); }) != value) std::abort();
    return 0;
}
