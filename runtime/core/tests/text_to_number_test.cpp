// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_to_number.h"
#include "number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <tuple>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };

// The C library's locale is never read, so one figure of each kind is checked under each locale
// the build makes (a comma for the point, a point of two bytes, Arabic and Persian money, Chinese);
// the tables below run under the one the test starts in.
TEST(EveryLocale, reads_and_formats_figures_alike) {
    ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"C", "de_DE.UTF-8", "fa_IR.UTF-8", "ar_EG.UTF-8", "zh_CN.UTF-8", "ps_AF.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale;
        EXPECT_EQ(runtime::textToNumber(u"1,234.5e1"), 12345) << locale;
        EXPECT_EQ(runtime::textToNumber(u"2,25", runtime::Unit::Percent), 2.25) << locale;
        EXPECT_EQ(runtime::formatByPattern(-2.675, " #0.000000"), "- 2.675000") << locale;
        EXPECT_EQ(runtime::formatByPattern(0.1126825, "####.0000"), ".1127") << locale;
    }
    EXPECT_STREQ(std::localeconv()->decimal_point, "\u066B");  // ps_AF's: the locales were made and set
    std::setlocale(LC_ALL, before.c_str());
}

using enum runtime::Unit;

struct TextRow {
    const char* name;
    std::u16string text;
    double expected;  // compared bit for bit: the decimal is correctly rounded
    runtime::Unit unit = Count;
};

void PrintTo(const TextRow& row, std::ostream* out) { *out << row.name; }

class TextToNumber : public testing::TestWithParam<TextRow> {};

TEST_P(TextToNumber, reads_the_number_the_text_begins_with) {
    const TextRow& row = GetParam();
    const double value = runtime::textToNumber(row.text, row.unit);
    EXPECT_EQ(value, row.expected);
    EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plain, TextToNumber, testing::Values(
    TextRow{"empty", u"", 0},
    TextRow{"leading_point", u".5", 0.5},
    TextRow{"lone_minus", u"-", 0},
    TextRow{"leading_zeros", u"+000123.0100", 123.01},
    TextRow{"every_kind_of_blank_before_it", u" \t\u00A0\u1680\u2000\u200A\u202F\u205F\u30001.5", 1.5},
    TextRow{"two_yuan_signs", u"¥¥100", 0},
    TextRow{"exponent", u"2E-2", 0.02},
    TextRow{"exponent_without_digits_is_no_figure", u"12e+", 0},
    TextRow{"full_width_forms", u"－１．５ｅ２", -150},
    TextRow{"ideographic_full_stop_between_digits", u"2。25", 2.25},
    TextRow{"ideographic_full_stop_first", u"。5", 0},
    TextRow{"ideographic_full_stop_before_exponent_ends_number", u"2。e5", 2},
    TextRow{"separator_before_point_ends_number", u"1,.50", 1},
    TextRow{"digits_after_two_blanks_are_no_figure", u"1  000", 0},
    TextRow{"digits_after_a_tab_are_no_figure", u"1\t000", 0},
    TextRow{"digits_after_a_blank_are_no_figure", u"1 50", 0},
    TextRow{"single_point_before_three_digits_is_a_point", u"1.500", 1.5},
    TextRow{"points_grouping_millions", u"100.000.000", 100000000},
    TextRow{"points_grouping_before_a_decimal_comma", u"1.000,50", 1000.5},
    TextRow{"points_grouping_before_one_decimal", u"1.000,5", 1000.5},
    TextRow{"second_point_is_no_figure", u"1.5.3", 0},
    TextRow{"single_point_before_a_lone_comma_is_a_point", u"1.500,", 1.5},
    TextRow{"point_after_points_grouping_is_no_figure", u"1.000.000.5", 0},
    TextRow{"points_after_commas_grouping_are_no_figure", u"1,000.000.000", 0},
    TextRow{"points_grouping_after_a_leading_zero_are_no_figure", u"0.000,5", 0},
    TextRow{"blank_after_comma_groups", u"1,000 000", 1000000},
    TextRow{"hex_prefix_is_not_read", u"0x10", 0},
    TextRow{"lone_surrogate_after_digits", u"5" + std::u16string(1, char16_t(0xDC00)), 5},
    TextRow{"nul_after_digits", std::u16string(u"5\0" u"6", 3), 5},
    TextRow{"halfway_rounds_to_even", u"9007199254740993", 9007199254740992.0},
    TextRow{"smallest_subnormal", u"5e-324", 5e-324},
    TextRow{"overflow", u"1.8e308", kInf},
    TextRow{"underflow_keeps_sign", u"-1e-999", -0.0},
    TextRow{"exponent_of_many_digits", u"1e99999999999999999999999999", kInf},
    TextRow{"megabyte_of_digits", u"1" + std::u16string(1 << 20, u'0'), kInf},
    TextRow{"megabyte_of_nines_rounds_up", u"1." + std::u16string(1 << 20, u'9'), 2},
    TextRow{"megabyte_of_zeros_then_exponent", u"0." + std::u16string(1 << 20, u'0') + u"1e1048577", 1}),
    kRowName);
// clang-format on

// Figures as people write them, read in the unit of the field they are typed into.
// clang-format off
INSTANTIATE_TEST_SUITE_P(InItsUnit, TextToNumber, testing::Values(
    TextRow{"decimal_comma_after_zero", u"0,465", 0.465, Percent},
    TextRow{"decimal_comma_before_four_digits", u"1,0000", 1, Count},
    TextRow{"decimal_comma_after_blank_groups", u"1 000,5", 1000.5, Count},
    TextRow{"comma_groups_before_point", u"12,345.5", 12345.5, Count},
    TextRow{"comma_after_comma_groups_is_no_figure", u"1,000,5", 0, Count},
    TextRow{"comma_after_four_digits_is_no_figure", u"1234,567", 0, Count},
    TextRow{"per_mille", u"4.65‰", 0.465, Percent},
    TextRow{"per_ten_thousand", u"5‱", 0.05, Percent},
    TextRow{"full_width_percent", u"0.465％", 0.465, Percent},
    TextRow{"blank_before_numeral", u"3 万", 30000, Yuan},
    TextRow{"hundred_million_and_ten_thousands", u"1亿5000万", 150000000, Yuan},
    TextRow{"ten_million_as_the_web_writes_it", u"5kw", 50000000, Yuan},
    TextRow{"hundreds_before_thousands_are_no_figure", u"1百千", 0, Yuan},
    TextRow{"thousands_after_ten_thousands_are_no_figure", u"1万千", 0, Yuan},
    TextRow{"parts_summed_before_rounding", u"9007199254740993元1." + std::u16string(2000, u'0') + u"1角", 9007199254740994.0, Yuan},
    TextRow{"part_far_below_the_figure_left_out", u"0.125元1e-3000角", 0.125, Yuan},
    TextRow{"part_far_below_twenty_billion_left_out", u"2e10元1e-3000角", 2e10, Yuan},
    TextRow{"ten_thousands_and_thousands", u"1万2千", 12000, Yuan},
    TextRow{"yuan_jiao_and_fen", u"1000元5角2分", 1000.52, Yuan},
    TextRow{"kuai_and_mao", u"1000块5毛", 1000.5, Yuan},
    TextRow{"bare_units_after_ling", u"1万2千零5", 12005, Yuan},
    TextRow{"numeral_words_after_a_unit_are_no_figure", u"1万五千", 0, Yuan},
    TextRow{"unknown_word_after_a_bare_part_is_no_figure", u"1万零500美元", 0, Yuan},
    TextRow{"yuan_sign_in_ten_thousand_yuan", u"¥200,000", 20, TenThousandYuan},
    TextRow{"yuan_after_ling_in_ten_thousand_yuan", u"20万零5000", 20.5, TenThousandYuan},
    TextRow{"li_of_a_rate_is_no_figure", u"4.65厘", 0, Percent},
    TextRow{"negative_in_two_parts", u"-1万2千", -12000, Yuan},
    TextRow{"bare_digits_after_numeral_are_no_figure", u"1万2", 0, Yuan},
    TextRow{"larger_second_part_is_no_figure", u"1万12千", 0, Yuan},
    TextRow{"yuan_in_ten_thousand_yuan", u"200000元", 20, TenThousandYuan},
    TextRow{"thousands_in_ten_thousand_yuan", u"5千元", 0.5, TenThousandYuan},
    TextRow{"hundred_million_in_ten_thousand_yuan", u"0.5亿", 5000, TenThousandYuan},
    TextRow{"years_rounded_once", u"1.1年", 13.2, Months},
    TextRow{"years_and_months_carried_into_a_third_digit", u"8年4个月", 100, Months},
    TextRow{"months_as_months", u"18月", 18, Months},
    TextRow{"terms_as_months", u"60期", 60, Months},
    TextRow{"year_and_a_half", u"1年半", 18, Months},
    TextRow{"months_after_a_half_are_no_figure", u"1年半6个月", 0, Months},
    TextRow{"bare_months_after_ling", u"1年零6", 18, Months},
    TextRow{"months_and_a_half", u"3个半月", 3.5, Months},
    TextRow{"quarters", u"2季度", 6, Months},
    TextRow{"days_are_no_figure", u"90天", 0, Months},
    TextRow{"days_as_ri_are_no_figure", u"5日", 0, Months},
    TextRow{"weeks_are_no_figure", u"3周", 0, Months},
    TextRow{"months_in_numeral_words_are_no_figure", u"1年零六个月", 0, Months},
    TextRow{"months_past_a_year_are_no_figure", u"1年18个月", 0, Months},
    TextRow{"numeral_words_are_no_number", u"五年", 0, Months},
    TextRow{"years_in_a_plain_count_are_no_figure", u"5年", 0, Count},
    TextRow{"times_in_a_plain_count", u"12次", 12, Count},
    TextRow{"blank_after_yuan_sign", u"¥ 1000", 1000, Yuan},
    TextRow{"zero_width_space_inside", u"1\u200B000", 1000, Yuan},
    TextRow{"every_kind_of_format_character_inside", u"\uFEFF1\u00AD\u061C\u180E\u200B\u200F\u202A\u202E2\u2060\u2064\u2066\u206F\uFFF9\uFFFB3", 123, Count},
    TextRow{"other_currency_is_no_figure", u"100美元", 0, Yuan},
    TextRow{"other_currency_after_a_numeral_is_no_figure", u"1万 USD", 0, Yuan},
    TextRow{"whole_sum_as_cheques_write_it", u"1000元整", 1000, Yuan},
    TextRow{"kuai_qian", u"1000块钱", 1000, Yuan},
    TextRow{"price_without_cents_is_no_figure", u"1.000,-", 0, Yuan},
    TextRow{"years_term_of_three_digits_in_months", u"9年期", 108, Months},
    TextRow{"range_is_no_figure", u"1-2年", 0, Months},
    TextRow{"range_with_a_typeset_hyphen_is_no_figure", u"1\u20102年", 0, Months},
    TextRow{"fraction_is_no_figure", u"1/2年", 0, Months},
    TextRow{"full_width_tilde_range_is_no_figure", u"3～5年", 0, Months},
    TextRow{"apostrophes_grouping_are_no_figure", u"1'000'000", 0, Yuan},
    TextRow{"slash_before_a_word_ends_the_figure", u"1000元/月", 1000, Yuan},
    TextRow{"rate_sign_after_yuan_ends_the_figure", u"100元‰", 100, Yuan}),
    kRowName);
// clang-format on

// Digits before a letter are no figure ("12abc"), for the first and last Latin letter of each case and Chinese character of each block.
TEST(Letters, after_digits_leave_no_figure) {
    for (const char16_t c : std::u16string_view(u"azAZ\u3400\u9FFF\uF900\uFAFF")) EXPECT_EQ(runtime::textToNumber(u"12" + std::u16string(1, c)), 0) << int(c);
}

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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Grouping, testing::Combine(
    testing::Values(Separator{"comma", u","}, Separator{"full_width_comma", u"\uFF0C"}, Separator{"blank", u" "}, Separator{"ideographic_blank", u"\u3000"},
                    Separator{"no_break_blank", u"\u00A0"}, Separator{"quarter_em_blank", u"\u2005"}, Separator{"narrow_no_break_blank", u"\u202F"}),
    testing::Values(
    GroupingRow{"thousands", u"1_000", 1000},
    GroupingRow{"millions", u"123_456_789", 123456789},
    GroupingRow{"first_of_three_not_a_digit", u"1_#00", 1},
    GroupingRow{"second_of_three_not_a_digit", u"1_0#0", 0, 1},
    GroupingRow{"third_of_three_not_a_digit", u"1_00#", 0, 1},
    GroupingRow{"fourth_digit", u"1_0000", 0, 1},
    GroupingRow{"mark_after_three_digits", u"1_000#", 1000},
    GroupingRow{"short_later_group", u"1_000_00", 0},
    GroupingRow{"first_group_of_four", u"1000_000", 0},
    GroupingRow{"decimals_after_groups", u"1_000.25", 1000.25},
    GroupingRow{"exponent_after_groups", u"1_000e3", 1e6},
    GroupingRow{"separator_after_point", u"0.5_000", 0})),
    groupingRowName);
// clang-format on

}  // namespace
