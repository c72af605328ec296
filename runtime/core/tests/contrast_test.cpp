// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using runtime::Rgb;

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGrey777{0x77, 0x77, 0x77}, kGrey767676{0x76, 0x76, 0x76};

TEST(ContrastRatio, follows_relative_luminance_either_way_round) {
    // Worked out from the WCAG formula by hand, to two decimals.
    const std::tuple<Rgb, Rgb, double> rows[] = {
        {kBlack, kWhite, 21.0},         {Rgb{0xE0, 0xE0, 0xE0}, Rgb{0xE0, 0xE0, 0xE0}, 1.0},
        {kGrey777, kWhite, 4.48},       {kGrey767676, kWhite, 4.54},
        {Rgb{0, 0, 255}, kWhite, 8.59}, {Rgb{10, 10, 10}, kBlack, 1.06},  // below 0.04045
    };
    for (const auto& [a, b, expected] : rows) {
        EXPECT_NEAR(runtime::contrastRatio(a, b), expected, 0.005);
        EXPECT_NEAR(runtime::contrastRatio(b, a), expected, 0.005);
    }
}

TEST(LegibleText, keeps_legible_colours_and_replaces_the_rest_with_black_or_white) {
    EXPECT_EQ(runtime::legibleText(kBlack, Rgb{0x20, 0x20, 0x60}), kWhite);
    // Mid grey: black reaches 4.69, white only 4.48.
    EXPECT_EQ(runtime::legibleText(Rgb{0x80, 0x80, 0x80}, kGrey777), kBlack);
    EXPECT_EQ(runtime::legibleText(kGrey777, kWhite), kBlack);
    EXPECT_EQ(runtime::legibleText(kGrey767676, kWhite), kGrey767676);
}

TEST(DistinctEdge, keeps_a_distinct_edge_and_moves_the_rest_just_far_enough) {
    // By hand: grey 127 reaches 3.03 on grey 224 and 128 only 2.99; on grey 50, 123 reaches 3.02 and 122 only 2.98.
    EXPECT_EQ(runtime::distinctEdge(Rgb{160, 160, 160}, Rgb{224, 224, 224}), (Rgb{127, 127, 127}));
    EXPECT_EQ(runtime::distinctEdge(kWhite, Rgb{224, 224, 224}), (Rgb{127, 127, 127}));            // white's way to black passes every grey
    EXPECT_EQ(runtime::distinctEdge(Rgb{36, 36, 36}, Rgb{50, 50, 50}), (Rgb{123, 123, 123}));      // black only 1.64
    EXPECT_EQ(runtime::distinctEdge(Rgb{38, 112, 158}, Rgb{239, 239, 239}), (Rgb{38, 112, 158}));  // 4.69
    // On grey 117 at 4.5, grey 2 reaches 4.50 and 3 only 4.48: the way to black is followed to its end.
    EXPECT_EQ(runtime::distinctEdge(Rgb{107, 107, 107}, Rgb{117, 117, 117}, 4.5), (Rgb{2, 2, 2}));
}

}  // namespace
