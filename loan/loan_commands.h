// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {
class Form;
}

namespace loan {

/// Reads amount, term, repayment count and monthly rate from Text1–Text4, checks them in
/// order, and writes the interval, each payment and the total into Label6, Label9 and
/// Label13; the focus returns to Text1. A rejected input is reported and, for the term and
/// the divisor, emptied and focused.
void confirm(runtime::Form& form);

/// Empties the four fields and the three results and puts the focus in Text1.
void clear(runtime::Form& form);

/// Closes the window, which ends the program.
void quit(runtime::Form& form);

}  // namespace loan
