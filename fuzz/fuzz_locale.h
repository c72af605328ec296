// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every target runs under a locale whose decimal point is two bytes long (ps_AF's U+066B),
// made in the build tree, and checks what it computes against the same call under C: no
// figure may depend on the C library's locale.
#include <clocale>
#include <cstdlib>
#include <locale.h>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
    if (!std::setlocale(LC_ALL, "ps_AF.UTF-8")) std::abort();  // never fuzzed under C unawares
    return 0;
}

/// What `call` returns with the C locale in force on this thread.
template <typename Call>
auto underCLocale(Call call) {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t before = ::uselocale(c);
    auto result = call();
    ::uselocale(before);
    return result;
}
