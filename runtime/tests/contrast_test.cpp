#include "contrast.h"

#include <gtest/gtest.h>

namespace {

using runtime::Rgb;

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

struct ContrastRow {
    const char* name;
    Rgb a, b;
    double expected;  // worked out from the WCAG formula by hand, to two decimals
};

void PrintTo(const ContrastRow& row, std::ostream* out) { *out << row.name; }

class ContrastRatio : public testing::TestWithParam<ContrastRow> {};

TEST_P(ContrastRatio, follows_relative_luminance_either_way_round) {
    EXPECT_NEAR(runtime::contrastRatio(GetParam().a, GetParam().b), GetParam().expected, 0.005);
    EXPECT_NEAR(runtime::contrastRatio(GetParam().b, GetParam().a), GetParam().expected, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Rows, ContrastRatio, testing::Values(
    ContrastRow{"black_on_white", kBlack, kWhite, 21.0},
    ContrastRow{"same_colour", Rgb{0xE0, 0xE0, 0xE0}, Rgb{0xE0, 0xE0, 0xE0}, 1.0},
    ContrastRow{"grey_777_just_fails_on_white", Rgb{0x77, 0x77, 0x77}, kWhite, 4.48},
    ContrastRow{"grey_767676_just_passes_on_white", Rgb{0x76, 0x76, 0x76}, kWhite, 4.54},
    ContrastRow{"blue_on_white", Rgb{0, 0, 255}, kWhite, 8.59},
    ContrastRow{"dark_theme_text_on_light_cyan", Rgb{0xEE, 0xEE, 0xEC}, Rgb{0xC0, 0xFF, 0xFF}, 1.05},
    ContrastRow{"linear_segment_below_0_04045", Rgb{10, 10, 10}, kBlack, 1.06}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LegibleText, keeps_legible_colours_and_replaces_the_rest_with_black_or_white) {
    const Rgb themeLight{0xEE, 0xEE, 0xEC}, themeDark{0x35, 0x35, 0x35}, grey{0xE0, 0xE0, 0xE0};
    EXPECT_EQ(runtime::legibleText(themeLight, themeDark), themeLight);
    EXPECT_EQ(runtime::legibleText(themeLight, grey), kBlack);
    EXPECT_EQ(runtime::legibleText(kBlack, Rgb{0x20, 0x20, 0x60}), kWhite);
    // Mid grey: black reaches 4.69, white only 4.48.
    EXPECT_EQ(runtime::legibleText(Rgb{0x80, 0x80, 0x80}, Rgb{0x77, 0x77, 0x77}), kBlack);
    EXPECT_EQ(runtime::legibleText(Rgb{0x77, 0x77, 0x77}, kWhite), kBlack);
    EXPECT_EQ(runtime::legibleText(Rgb{0x76, 0x76, 0x76}, kWhite), (Rgb{0x76, 0x76, 0x76}));
}

}  // namespace
