// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace runtime::testing {

/// The C library locales every figure is checked under: C, a comma for the point (de_DE), a point
/// of two bytes (ps_AF's U+066B), Persian and Egyptian Arabic, whose money has that point, and Chinese.
inline constexpr const char* kLocales[] = {"C", "de_DE.UTF-8", "ps_AF.UTF-8", "fa_IR.UTF-8", "ar_EG.UTF-8", "zh_CN.UTF-8"};

/// A locale's language and country, to name a test row: "ps_AF" for "ps_AF.UTF-8".
inline std::string localeTag(const std::string& name) { return name.substr(0, name.find('.')); }

/// Sets the C library's locale to one of kLocales while it lives, then puts back the locale and LOCPATH.
class ScopedCLocale {
public:
    explicit ScopedCLocale(const char* name) : before_(std::setlocale(LC_ALL, nullptr)) {
        if (const char* path = std::getenv("LOCPATH")) pathBefore_ = path;
        ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
        set_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedCLocale() {
        if (pathBefore_) ::setenv("LOCPATH", pathBefore_->c_str(), 1);
        else ::unsetenv("LOCPATH");
        std::setlocale(LC_ALL, before_.c_str());
    }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

    /// Whether the locale was found: a test that cannot set it fails, it is never skipped.
    bool set() const { return set_; }

private:
    std::string before_;
    std::optional<std::string> pathBefore_;
    bool set_ = false;
};

}  // namespace runtime::testing
