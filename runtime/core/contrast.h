// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace runtime {

/// A colour of 8-bit sRGB channels.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// The relative luminance of a colour (WCAG 2.1): 0 for black, 1 for white.
double relativeLuminance(Rgb colour);

/// The contrast ratio of two colours (WCAG 2.1), from 1 (none) to 21 (black on white).
double contrastRatio(Rgb a, Rgb b);

/// The least contrast at which body text counts as legible (WCAG 2.1, level AA).
constexpr double kLegibleContrast = 4.5;

/// `preferred` where it reaches `minimum` contrast against `background`; otherwise black or
/// white, whichever contrasts more, which for any background reaches at least 4.58 : 1.
Rgb legibleText(Rgb preferred, Rgb background, double minimum = kLegibleContrast);

/// The least contrast at which a control's edge counts as seen (WCAG 2.1, non-text contrast).
constexpr double kDistinctEdgeContrast = 3.0;

/// `preferred` where it reaches `minimum` contrast against `background`; otherwise the colour
/// nearest it on its way to black or to white that does, whichever is nearer. Any `minimum` up
/// to 4.5 is reached; above that, legibleText's black or white.
Rgb distinctEdge(Rgb preferred, Rgb background, double minimum = kDistinctEdgeContrast);

}  // namespace runtime
