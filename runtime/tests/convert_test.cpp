#include "convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

struct TextRow {
    std::string name;
    std::u16string text;
    double expected;
};

void PrintTo(const TextRow& row, std::ostream* out) { *out << row.name; }

class TextToNumber : public testing::TestWithParam<TextRow> {};

TEST_P(TextToNumber, reads_the_number_the_text_begins_with) {
    const TextRow& row = GetParam();
    const double value = runtime::textToNumber(row.text);
    if (std::isinf(row.expected)) {
        EXPECT_TRUE(std::isinf(value)) << value;
        EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
    } else {
        EXPECT_TRUE(std::isfinite(value)) << value;
        EXPECT_EQ(value, row.expected);  // exact: the decimal is correctly rounded
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TextToNumber, testing::Values(
    TextRow{"empty", u"", 0},
    TextRow{"whole", u"1000", 1000},
    TextRow{"decimal", u"2.25", 2.25},
    TextRow{"leading_point", u".5", 0.5},
    TextRow{"trailing_point", u"5.", 5},
    TextRow{"lone_point", u".", 0},
    TextRow{"lone_minus", u"-", 0},
    TextRow{"negative", u"-3", -3},
    TextRow{"explicit_plus", u"+7", 7},
    TextRow{"leading_zeros", u"000123.0100", 123.01},
    TextRow{"blanks_tab_and_ideographic_space", u" \t\u30001.5", 1.5},
    TextRow{"blank_between_sign_and_digits_ends", u"- 3", 0},
    TextRow{"yuan_sign", u"¥100", 100},
    TextRow{"full_width_yuan_sign_after_blank", u"  ￥100", 100},
    TextRow{"two_yuan_signs", u"¥¥100", 0},
    TextRow{"blank_after_yuan_sign", u"¥ 100", 0},
    TextRow{"exponent", u"1.5e3", 1500},
    TextRow{"negative_exponent_upper_case", u"2E-2", 0.02},
    TextRow{"exponent_without_digits", u"12e", 12},
    TextRow{"exponent_with_sign_only", u"12e+", 12},
    TextRow{"chinese_unit_after_digits", u"12个月", 12},
    TextRow{"full_width_digits", u"１２００", 1200},
    TextRow{"full_width_sign_point_exponent", u"－１．５ｅ２", -150},
    TextRow{"ideographic_full_stop_between_digits", u"2。25", 2.25},
    TextRow{"ideographic_full_stop_at_end", u"5。", 5},
    TextRow{"ideographic_full_stop_first", u"。5", 0},
    TextRow{"thousands", u"1,000", 1000},
    TextRow{"thousands_with_decimals", u"12,345.6", 12345.6},
    TextRow{"millions", u"1,000,000", 1000000},
    TextRow{"full_width_comma", u"1，000", 1000},
    TextRow{"short_group_ends_number", u"1,00", 1},
    TextRow{"long_group_ends_number", u"1,0000", 1},
    TextRow{"long_first_group_ends_number", u"1234,567", 1234},
    TextRow{"bad_second_group_ends_number", u"1,000,00", 1000},
    TextRow{"comma_in_fraction_ends_number", u"1.500,000", 1.5},
    TextRow{"leading_comma", u",100", 0},
    TextRow{"hex_prefix_is_not_read", u"0x10", 0},
    TextRow{"letters", u"abc", 0},
    TextRow{"control_character_first", u"\x01" u"5", 0},
    TextRow{"emoji_first", u"😀5", 0},
    TextRow{"lone_surrogate_first", std::u16string(1, char16_t(0xD800)) + u"5", 0},
    TextRow{"lone_surrogate_after_digits", u"5" + std::u16string(1, char16_t(0xDC00)), 5},
    TextRow{"nul_after_digits", std::u16string(u"5\0" u"6", 3), 5},
    TextRow{"correctly_rounded_tenth", u"0.1", 0.1},
    TextRow{"halfway_rounds_to_even", u"9007199254740993", 9007199254740992.0},
    TextRow{"largest_double", u"1.7976931348623157e308", 1.7976931348623157e308},
    TextRow{"smallest_subnormal", u"5e-324", 5e-324},
    TextRow{"overflow", u"1e999", kInf},
    TextRow{"negative_overflow", u"-1e999", -kInf},
    TextRow{"just_beyond_largest", u"1.8e308", kInf},
    TextRow{"underflow", u"1e-999", 0},
    TextRow{"huge_exponent_digits", u"1e99999999999999999999999999", kInf},
    TextRow{"huge_negative_exponent_digits", u"7e-99999999999999999999999999", 0},
    TextRow{"megabyte_of_digits", u"1" + std::u16string(1 << 20, u'0'), kInf},
    TextRow{"megabyte_of_nines_after_point", u"1." + std::u16string(1 << 20, u'9'), 2},
    TextRow{"megabyte_of_zeros_then_exponent", u"0." + std::u16string(1 << 20, u'0') + u"1e1048577", 1}),
    rowName<TextRow>);

struct FormatRow {
    std::string name;
    double value;
    std::string pattern;
    std::string expected;
};

void PrintTo(const FormatRow& row, std::ostream* out) { *out << row.name; }

class FormatByPattern : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatByPattern, lays_out_the_rounded_value) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(runtime::formatByPattern(row.value, row.pattern), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatByPattern, testing::Values(
    FormatRow{"two_decimals", 12146.25, "0.##", "12146.25"},
    FormatRow{"trailing_zero_dropped", 2508.203125, "0.##", "2508.2"},
    FormatRow{"whole_total_has_no_point", 12156, "0.##", "12156"},
    FormatRow{"binary_noise_removed", 0.1 + 0.2, "0.##", "0.3"},
    FormatRow{"tie_2_675_rounds_up", 2.675, "0.##", "2.68"},
    FormatRow{"tie_1_005_rounds_up", 1.005, "0.##", "1.01"},
    FormatRow{"tie_0_125_rounds_up", 0.125, "0.##", "0.13"},
    FormatRow{"negative_tie_rounds_away_from_zero", -2.675, "0.##", "-2.68"},
    FormatRow{"tie_without_decimals", 2.5, "0", "3"},
    FormatRow{"carry_into_new_digit", 9.995, "0.##", "10"},
    FormatRow{"below_half_of_last_place", 0.004, "0.##", "0"},
    FormatRow{"half_of_last_place", 0.005, "0.##", "0.01"},
    FormatRow{"negative_shown_as_zero_has_no_sign", -0.004, "0.##", "0"},
    FormatRow{"negative_zero", -0.0, "0.##", "0"},
    FormatRow{"huge_whole_number", 1e20, "0.##", "100000000000000000000"},
    FormatRow{"payment_with_leading_blank", 1.9316915, " #0.000000", " 1.931692"},
    FormatRow{"payment_below_one_keeps_zero", 0.136625, " #0.000000", " 0.136625"},
    FormatRow{"payment_zero", 0, " #0.000000", " 0.000000"},
    FormatRow{"negative_sign_leads", -1.5, " #0.000000", "- 1.500000"},
    FormatRow{"total_below_one_has_no_whole_digit", 0.5465, "####.0000", ".5465"},
    FormatRow{"total", 23.18030, "####.0000", "23.1803"},
    FormatRow{"whole_digits_beyond_placeholders", 123456.5, "####.0000", "123456.5000"},
    FormatRow{"zero_placeholders_pad", 5, "00.0", "05.0"},
    FormatRow{"literal_characters_copied", 3.14159, "0.00 元", "3.14 元"},
    FormatRow{"nothing_significant_shows_zero", 0, "#.##", "0"},
    FormatRow{"positive_infinity", kInf, "0.##", ""},
    FormatRow{"negative_infinity", -kInf, " #0.000000", ""},
    FormatRow{"not_a_number", kNaN, "####.0000", ""}),
    rowName<FormatRow>);

struct NumberTextRow {
    std::string name;
    std::int64_t value;
    std::string expected;
};

void PrintTo(const NumberTextRow& row, std::ostream* out) { *out << row.name; }

class NumberText : public testing::TestWithParam<NumberTextRow> {};

TEST_P(NumberText, keeps_one_place_for_the_sign) {
    EXPECT_EQ(runtime::numberText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, NumberText, testing::Values(
    NumberTextRow{"five", 5, " 5"},
    NumberTextRow{"zero", 0, " 0"},
    NumberTextRow{"negative", -5, "-5"},
    NumberTextRow{"beyond_sixteen_bits", 100000, " 100000"},
    NumberTextRow{"largest", std::numeric_limits<std::int64_t>::max(), " 9223372036854775807"},
    NumberTextRow{"smallest", std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"}),
    rowName<NumberTextRow>);

}  // namespace
