// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };

struct FormatRow {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const FormatRow& row, std::ostream* out) { *out << row.name; }

class FormatByPattern : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatByPattern, lays_out_the_rounded_value) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(runtime::formatByPattern(row.value, row.pattern), row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FormatByPattern, testing::Values(
    FormatRow{"tie_2_675_rounds_up", 2.675, "0.##", "2.68"},
    FormatRow{"tie_0_125_rounds_up", 0.125, "0.##", "0.13"},
    FormatRow{"negative_tie_rounds_away_from_zero", -2.675, "0.##", "-2.68"},
    FormatRow{"carry_into_new_digit", 9.995, "0.##", "10"},
    FormatRow{"unshown_optional_decimals_stay_unshown", 2.5, "0.### 元", "2.5 元"},
    FormatRow{"negative_shown_as_zero_has_no_sign", -0.004, "0.##", "0"},
    FormatRow{"first_digit_just_past_the_cents_rounds_up", 0.005, "0.##", "0.01"},
    FormatRow{"payment_below_a_tenth", 0.005, " #0.000000", " 0.005000"},
    FormatRow{"total_below_a_tenth", 0.05, "####.0000", ".0500"},
    FormatRow{"huge_whole_number", 1e20, "0.##", "100000000000000000000"},
    FormatRow{"negative_sign_leads", -1.5, " #0.000000", "- 1.500000"},
    FormatRow{"whole_digits_beyond_placeholders", 123456.5, "####.0000", "123456.5000"},
    FormatRow{"zero_placeholders_pad", 5, "00.0", "05.0"},
    FormatRow{"literals_copied_and_not_counted_as_digits", 2.675, "¥.00 元", "¥2.68 元"},
    FormatRow{"nothing_significant_shows_zero", 0, "#.##", "0"},
    FormatRow{"infinity_gives_empty_text", -kInf, " #0.000000", ""},
    FormatRow{"nan_gives_empty_text", std::numeric_limits<double>::quiet_NaN(), "####.0000", ""}),
    kRowName);
// clang-format on

TEST(NumberText, keeps_one_place_for_the_sign) {
    EXPECT_EQ((std::vector{runtime::numberText(0), runtime::numberText(-5), runtime::numberText(100000), runtime::numberText(INT64_MIN)}),
              (std::vector<std::string>{" 0", "-5", " 100000", "-9223372036854775808"}));
}

}  // namespace
