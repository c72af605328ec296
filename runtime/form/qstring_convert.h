// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"
#include "text_to_number.h"

#include <QString>

namespace runtime {

/// textToNumber for a Qt text: the figure it begins with, in the field's unit.
inline double numberOf(const QString& text, Unit unit) {
    return textToNumber(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())), unit);
}

/// A UTF-8 text of the core's or of a design as a Qt text.
inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

/// formatByPattern as a Qt text.
inline QString formatted(double value, std::string_view pattern) { return QString::fromStdString(formatByPattern(value, pattern)); }

}  // namespace runtime
