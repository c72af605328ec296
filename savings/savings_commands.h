// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {
class Form;
}

namespace savings {

/// Reads deposit, rate and count from Text1–Text3 and writes principal plus interest into
/// Label7, or warns about the first input that is not positive and empties its field.
void calculate(runtime::Form& form);

/// Empties the three fields, the result and Label8; the focus stays where it is.
void clear(runtime::Form& form);

}  // namespace savings
