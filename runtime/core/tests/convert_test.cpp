// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "c_locale.h"
#include "convert.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

namespace {

using runtime::testing::kLocales;
using runtime::testing::localeTag;
using runtime::testing::ScopedCLocale;

constexpr double kInf = std::numeric_limits<double>::infinity();

const auto kRowName = [](const auto& info) {
    return std::string(std::get<1>(info.param).name) + "_under_" + localeTag(std::get<0>(info.param));
};

TEST(TestLocales, have_the_points_they_are_chosen_for_and_are_put_back) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const auto& [locale, point] : {std::pair{"de_DE.UTF-8", ","}, {"ps_AF.UTF-8", "\u066B"}, {"zh_CN.UTF-8", "."}}) {
        EXPECT_STREQ(ScopedCLocale(locale).set() ? std::localeconv()->decimal_point : "not set", point) << locale;
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << locale;
    }
}

struct TextRow {
    const char* name;
    std::u16string text;
    double expected;  // compared bit for bit: the decimal is correctly rounded
};

void PrintTo(const TextRow& row, std::ostream* out) { *out << row.name; }

class TextToNumber : public testing::TestWithParam<std::tuple<const char*, TextRow>> {};

TEST_P(TextToNumber, reads_the_number_the_text_begins_with) {
    const auto& [locale, row] = GetParam();
    const ScopedCLocale scoped(locale);
    ASSERT_TRUE(scoped.set()) << locale;
    const double value = runtime::textToNumber(row.text);
    EXPECT_EQ(value, row.expected);
    EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, TextToNumber, testing::Combine(testing::ValuesIn(kLocales), testing::Values(
    TextRow{"empty", u"", 0},
    TextRow{"decimal", u"2.25", 2.25},
    TextRow{"leading_point", u".5", 0.5},
    TextRow{"lone_minus", u"-", 0},
    TextRow{"leading_zeros", u"+000123.0100", 123.01},
    TextRow{"blanks_tab_and_ideographic_space", u" \t\u30001.5", 1.5},
    TextRow{"yuan_sign_after_blank", u"  ￥100", 100},
    TextRow{"two_yuan_signs", u"¥¥100", 0},
    TextRow{"exponent", u"2E-2", 0.02},
    TextRow{"exponent_without_digits", u"12e+", 12},
    TextRow{"chinese_unit_after_digits", u"12个月", 12},
    TextRow{"full_width_forms", u"－１．５ｅ２", -150},
    TextRow{"ideographic_full_stop_between_digits", u"2。25", 2.25},
    TextRow{"ideographic_full_stop_first", u"。5", 0},
    TextRow{"ideographic_full_stop_before_exponent_ends_number", u"2。e5", 2},
    TextRow{"separator_before_point_ends_number", u"1,.50", 1},
    TextRow{"later_comma_that_groups_nothing_is_no_figure", u"1,000,0000", 0},
    TextRow{"two_blanks_end_number", u"1  000", 1},
    TextRow{"tab_is_no_separator", u"1\t000", 1},
    TextRow{"trailing_blanks_end_number", u"1000  ", 1000},
    TextRow{"blank_after_comma_groups", u"1,000 000", 1000000},
    TextRow{"comma_after_blank_groups", u"1 000，000", 1000000},
    TextRow{"hex_prefix_is_not_read", u"0x10", 0},
    TextRow{"lone_surrogate_after_digits", u"5" + std::u16string(1, char16_t(0xDC00)), 5},
    TextRow{"nul_after_digits", std::u16string(u"5\0" u"6", 3), 5},
    TextRow{"halfway_rounds_to_even", u"9007199254740993", 9007199254740992.0},
    TextRow{"smallest_subnormal", u"5e-324", 5e-324},
    TextRow{"below_the_smallest_subnormal", u"1e-327", 0},
    TextRow{"overflow", u"1.8e308", kInf},
    TextRow{"negative_overflow", u"-1e999", -kInf},
    TextRow{"underflow_keeps_sign", u"-1e-999", -0.0},
    TextRow{"exponent_of_many_digits", u"1e99999999999999999999999999", kInf},
    TextRow{"megabyte_of_digits", u"1" + std::u16string(1 << 20, u'0'), kInf},
    TextRow{"megabyte_of_nines_rounds_up", u"1." + std::u16string(1 << 20, u'9'), 2},
    TextRow{"megabyte_of_zeros_then_exponent", u"0." + std::u16string(1 << 20, u'0') + u"1e1048577", 1})),
    kRowName);

// A figure as people write it, read in the unit of the field it is typed into.
struct UnitRow {
    const char* name;
    std::u16string text;
    runtime::Unit unit;
    double expected;
};

void PrintTo(const UnitRow& row, std::ostream* out) { *out << row.name; }

std::string unitRowName(const testing::TestParamInfo<UnitRow>& info) { return info.param.name; }

class InItsUnit : public testing::TestWithParam<UnitRow> {};

TEST_P(InItsUnit, reads_the_figure_its_writer_meant) {
    EXPECT_EQ(runtime::textToNumber(GetParam().text, GetParam().unit), GetParam().expected);
}

using enum runtime::Unit;
INSTANTIATE_TEST_SUITE_P(Rows, InItsUnit, testing::Values(
    UnitRow{"decimal_comma_after_zero", u"0,465", Percent, 0.465},
    UnitRow{"decimal_comma_before_two_digits", u"2,25", Percent, 2.25},
    UnitRow{"full_width_decimal_comma", u"2，25", Percent, 2.25},
    UnitRow{"decimal_comma_before_four_digits", u"1,0000", Count, 1},
    UnitRow{"decimal_comma_after_blank_groups", u"1 000,5", Count, 1000.5},
    UnitRow{"comma_groups_thousands", u"1,000", Yuan, 1000},
    UnitRow{"comma_groups_before_point", u"12,345.5", Count, 12345.5},
    UnitRow{"comma_after_comma_groups_is_no_figure", u"1,000,5", Count, 0},
    UnitRow{"comma_after_four_digits_is_no_figure", u"1234,567", Count, 0},
    UnitRow{"per_mille", u"4.65‰", Percent, 0.465},
    UnitRow{"per_ten_thousand", u"5‱", Percent, 0.05},
    UnitRow{"full_width_percent", u"0.465％", Percent, 0.465},
    UnitRow{"ten_thousand", u"1万", Yuan, 10000},
    UnitRow{"thousand_with_decimals", u"1.5千", Yuan, 1500},
    UnitRow{"tenth_of_ten_thousand_yuan", u"0.1万元", Yuan, 1000},
    UnitRow{"blank_before_numeral", u"3 万", Yuan, 30000},
    UnitRow{"hundred_million_and_ten_thousands", u"1亿5000万", Yuan, 150000000},
    UnitRow{"ten_thousands_and_thousands", u"1万2千", Yuan, 12000},
    UnitRow{"yuan_and_jiao", u"1000元5角", Yuan, 1000.5},
    UnitRow{"kuai_and_mao", u"1000块5毛", Yuan, 1000.5},
    UnitRow{"bare_units_after_ling", u"1万2千零5", Yuan, 12005},
    UnitRow{"numeral_words_after_a_unit_are_no_figure", u"1万五千", Yuan, 0},
    UnitRow{"unknown_word_after_a_bare_part_is_no_figure", u"1万零500美元", Yuan, 0},
    UnitRow{"traditional_numeral", u"1萬", Yuan, 10000},
    UnitRow{"web_numeral", u"5k", Yuan, 5000},
    UnitRow{"yuan_sign_in_ten_thousand_yuan", u"¥200,000", TenThousandYuan, 20},
    UnitRow{"yuan_after_ling_in_ten_thousand_yuan", u"20万零5000", TenThousandYuan, 20.5},
    UnitRow{"li_of_a_rate_is_no_figure", u"4.65厘", Percent, 0},
    UnitRow{"negative_in_two_parts", u"-1万2千", Yuan, -12000},
    UnitRow{"bare_digits_after_numeral_are_no_figure", u"1万2", Yuan, 0},
    UnitRow{"larger_second_part_is_no_figure", u"1万12千", Yuan, 0},
    UnitRow{"ten_thousands_in_ten_thousand_yuan", u"20万", TenThousandYuan, 20},
    UnitRow{"ten_thousand_yuan_written_out", u"20万元", TenThousandYuan, 20},
    UnitRow{"yuan_in_ten_thousand_yuan", u"200000元", TenThousandYuan, 20},
    UnitRow{"thousands_in_ten_thousand_yuan", u"5千元", TenThousandYuan, 0.5},
    UnitRow{"hundred_million_in_ten_thousand_yuan", u"0.5亿", TenThousandYuan, 5000},
    UnitRow{"years", u"5年", Months, 60},
    UnitRow{"half_years", u"2.5年", Months, 30},
    UnitRow{"years_rounded_once", u"1.1年", Months, 13.2},
    UnitRow{"years_and_months", u"1年6个月", Months, 18},
    UnitRow{"year_and_a_half", u"1年半", Months, 18},
    UnitRow{"year_and_months_joined_by_you", u"1年又6个月", Months, 18},
    UnitRow{"bare_months_after_ling", u"1年零6", Months, 18},
    UnitRow{"months_and_a_half", u"3个半月", Months, 3.5},
    UnitRow{"quarters", u"2季度", Months, 6},
    UnitRow{"days_are_no_figure", u"90天", Months, 0},
    UnitRow{"months_in_numeral_words_are_no_figure", u"1年零六个月", Months, 0},
    UnitRow{"months_past_a_year_are_no_figure", u"1年18个月", Months, 0},
    UnitRow{"months_named", u"12个月", Months, 12},
    UnitRow{"installments", u"12期", Months, 12},
    UnitRow{"numeral_words_are_no_number", u"五年", Months, 0},
    UnitRow{"years_in_a_plain_count", u"5年", Count, 5},
    UnitRow{"blank_after_yuan_sign", u"¥ 1000", Yuan, 1000},
    UnitRow{"no_break_space_before", u"\u00A020", TenThousandYuan, 20},
    UnitRow{"direction_mark_before", u"\u200E20", TenThousandYuan, 20},
    UnitRow{"zero_width_space_inside", u"1\u200B000", Yuan, 1000},
    UnitRow{"soft_hyphen_and_byte_order_mark_inside", u"\uFEFF1\u00AD2", Count, 12},
    UnitRow{"blank_then_digit_ends_number", u"1 2", Yuan, 1},
    UnitRow{"letters_after_digits", u"12abc", Count, 12}),
    unitRowName);

// The separator grammar digit by digit, for each separator: `_` in a row stands for it.
struct GroupingRow {
    const char* name;
    std::u16string shape;
    double expected;
    std::optional<double> byComma{};  // where a comma, being also a decimal point, reads otherwise
};

void PrintTo(const GroupingRow& row, std::ostream* out) { *out << row.name; }

struct Separator {
    const char* name;
    std::u16string text;
};

void PrintTo(const Separator& separator, std::ostream* out) { *out << separator.name; }

class Grouping : public testing::TestWithParam<std::tuple<Separator, GroupingRow>> {};

TEST_P(Grouping, continues_a_number_only_before_exactly_three_digits) {
    const auto& [separator, row] = GetParam();
    std::u16string text = row.shape;
    for (std::size_t at = text.find(u'_'); at != std::u16string::npos; at = text.find(u'_', at)) text.replace(at, 1, separator.text);
    EXPECT_EQ(runtime::textToNumber(text), std::string_view(separator.name).ends_with("comma") ? row.byComma.value_or(row.expected) : row.expected);
}

std::string groupingRowName(const testing::TestParamInfo<Grouping::ParamType>& info) {
    return std::string(std::get<1>(info.param).name) + "_" + std::get<0>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Rows, Grouping, testing::Combine(
    testing::Values(Separator{"comma", u","}, Separator{"full_width_comma", u"\uFF0C"}, Separator{"blank", u" "},
                    Separator{"ideographic_blank", u"\u3000"}, Separator{"no_break_blank", u"\u00A0"},
                    Separator{"quarter_em_blank", u"\u2005"}, Separator{"thin_blank", u"\u2009"},
                    Separator{"narrow_no_break_blank", u"\u202F"}),
    testing::Values(
    GroupingRow{"thousands", u"1_000", 1000},
    GroupingRow{"negative_thousands", u"-1_000", -1000},
    GroupingRow{"millions", u"123_456_789", 123456789},
    GroupingRow{"first_of_three_not_a_digit", u"1_x00", 1},
    GroupingRow{"second_of_three_not_a_digit", u"1_0x0", 1},
    GroupingRow{"third_of_three_not_a_digit", u"1_00x", 1},
    GroupingRow{"fourth_digit", u"1_0000", 1},
    GroupingRow{"letter_after_three_digits", u"1_000x", 1000},
    GroupingRow{"short_later_group", u"1_000_00", 1000, 0},
    GroupingRow{"first_group_of_three", u"999_999", 999999},
    GroupingRow{"first_group_of_four", u"1000_000", 1000, 0},
    GroupingRow{"decimals_after_groups", u"1_000.25", 1000.25},
    GroupingRow{"exponent_after_groups", u"1_000e3", 1e6},
    GroupingRow{"separator_after_point", u"0.5_000", 0.5})),
    groupingRowName);

struct FormatRow {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const FormatRow& row, std::ostream* out) { *out << row.name; }

class FormatByPattern : public testing::TestWithParam<std::tuple<const char*, FormatRow>> {};

TEST_P(FormatByPattern, lays_out_the_rounded_value) {
    const auto& [locale, row] = GetParam();
    const ScopedCLocale scoped(locale);
    ASSERT_TRUE(scoped.set()) << locale;
    EXPECT_EQ(runtime::formatByPattern(row.value, row.pattern), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatByPattern, testing::Combine(testing::ValuesIn(kLocales), testing::Values(
    FormatRow{"tie_2_675_rounds_up", 2.675, "0.##", "2.68"},
    FormatRow{"tie_0_125_rounds_up", 0.125, "0.##", "0.13"},
    FormatRow{"negative_tie_rounds_away_from_zero", -2.675, "0.##", "-2.68"},
    FormatRow{"tie_without_decimals", 2.5, "0", "3"},
    FormatRow{"carry_into_new_digit", 9.995, "0.##", "10"},
    FormatRow{"unshown_optional_decimals_stay_unshown", 2.5, "0.### 元", "2.5 元"},
    FormatRow{"negative_shown_as_zero_has_no_sign", -0.004, "0.##", "0"},
    FormatRow{"first_digit_just_past_the_cents_rounds_up", 0.005, "0.##", "0.01"},
    FormatRow{"five_cents", 0.05, "0.##", "0.05"},
    FormatRow{"payment_below_a_tenth", 0.005, " #0.000000", " 0.005000"},
    FormatRow{"half_a_millionth_rounds_up", 0.0000005, " #0.000000", " 0.000001"},
    FormatRow{"total_below_a_tenth", 0.05, "####.0000", ".0500"},
    FormatRow{"total_of_half_a_ten_thousandth_rounds_up", 0.00005, "####.0000", ".0001"},
    FormatRow{"huge_whole_number", 1e20, "0.##", "100000000000000000000"},
    FormatRow{"total_of_a_tenth_for_a_year", 0.1126825030131969, "####.0000", ".1127"},
    FormatRow{"negative_sign_leads", -1.5, " #0.000000", "- 1.500000"},
    FormatRow{"whole_digits_beyond_placeholders", 123456.5, "####.0000", "123456.5000"},
    FormatRow{"zero_placeholders_pad", 5, "00.0", "05.0"},
    FormatRow{"literal_characters_copied_and_not_counted_as_decimals", 2.675, "0.00 元", "2.68 元"},
    FormatRow{"nothing_significant_shows_zero", 0, "#.##", "0"},
    FormatRow{"infinity_gives_empty_text", -kInf, " #0.000000", ""},
    FormatRow{"nan_gives_empty_text", std::numeric_limits<double>::quiet_NaN(), "####.0000", ""})),
    kRowName);

TEST(NumberText, keeps_one_place_for_the_sign) {
    EXPECT_EQ(runtime::numberText(0), " 0");
    EXPECT_EQ(runtime::numberText(-5), "-5");
    EXPECT_EQ(runtime::numberText(100000), " 100000");
    EXPECT_EQ(runtime::numberText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

}  // namespace
