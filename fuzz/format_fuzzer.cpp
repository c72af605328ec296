// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_locale.h"
#include "number_format.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string_view pattern(reinterpret_cast<const char*>(data + sizeof value), size - sizeof value);
    const std::string text = runtime::formatByPattern(value, pattern);
    // A finite value always shows at least one digit; anything else shows nothing.
    const bool hasDigit = text.find_first_of("0123456789") != std::string::npos;
    if (std::isfinite(value) ? !hasDigit : !text.empty()) std::abort();
    if (underCLocale([&] { return runtime::formatByPattern(value, pattern); }) != text) std::abort();
    return 0;
}
