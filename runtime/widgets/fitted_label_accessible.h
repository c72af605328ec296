// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {

/// Has screen readers see each fitted label as static text named by its accessible name where
/// it has one (the builder names a result by the caption beside it), else by its own caption,
/// and read its caption itself, whatever the box shows, through the text interface. Done once.
void installFittedLabelAccessibility();

}  // namespace runtime
