// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <array>

namespace runtime {
namespace {

// x to the power 2.4, for x in (0, 1]: x² times the fifth root of x², the root found by
// Newton's method from above, where it falls steadily to the root.
constexpr double toThePower2_4(double x) {
    const double square = x * x;
    double root = 1.0;
    for (int i = 0; i < 100; ++i) {
        const double fourth = root * root * root * root;
        const double next = (4.0 * root + square / fourth) / 5.0;
        if (next >= root) break;
        root = next;
    }
    return square * root;
}

// The linear light of each of the 256 levels of an sRGB channel, worked out as the program
// is compiled, so that no power function is called, nor its tables paged in, when a window
// is built.
constexpr std::array<double, 256> kLinear = [] {
    std::array<double, 256> levels{};
    for (int level = 0; level < 256; ++level) {
        const double c = level / 255.0;
        levels[level] = c <= 0.04045 ? c / 12.92 : toThePower2_4((c + 0.055) / 1.055);
    }
    return levels;
}();

double linear(std::uint8_t channel) { return kLinear[channel]; }

// `step` 255ths of the way from `from` to black (0) or white (255).
Rgb towards(Rgb from, int end, int step) {
    const auto mix = [&](std::uint8_t c) { return static_cast<std::uint8_t>(c + (end - c) * step / 255); };
    return Rgb{mix(from.red), mix(from.green), mix(from.blue)};
}

// The fewest steps towards `end` to reach `minimum` on that side of the background, or 256.
// Luminance moves one way along the path, so the steps that reach it are all those past the first.
int fewestSteps(Rgb from, int end, Rgb background, double minimum) {
    const double behind = relativeLuminance(background);
    const auto reaches = [&](int step) {
        const Rgb colour = towards(from, end, step);
        return contrastRatio(colour, background) >= minimum && (relativeLuminance(colour) > behind) == (end == 255);
    };
    if (!reaches(255)) return 256;
    int low = 0, high = 255;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (reaches(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

}  // namespace

double relativeLuminance(Rgb colour) { return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue); }

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb legibleText(Rgb preferred, Rgb background, double minimum) {
    if (contrastRatio(preferred, background) >= minimum) return preferred;
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

Rgb distinctEdge(Rgb preferred, Rgb background, double minimum) {
    if (contrastRatio(preferred, background) >= minimum) return preferred;
    const int darker = fewestSteps(preferred, 0, background, minimum), lighter = fewestSteps(preferred, 255, background, minimum);
    if (std::min(darker, lighter) > 255) return legibleText(preferred, background, minimum);
    return darker <= lighter ? towards(preferred, 0, darker) : towards(preferred, 255, lighter);
}

}  // namespace runtime
