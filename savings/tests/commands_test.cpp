#include "savings_commands.h"
#include "recording_form.h"

#include <gtest/gtest.h>

namespace {

using runtime::testing::RecordingForm;

struct CalculationRow {
    std::string name;
    QString deposit, rate, count;
    QStringList journal;
};

void PrintTo(const CalculationRow& row, std::ostream* out) { *out << row.name; }

class Calculate : public testing::TestWithParam<CalculationRow> {};

TEST_P(Calculate, takes_its_steps_in_order) {
    const CalculationRow& row = GetParam();
    RecordingForm form({{"Text1", row.deposit}, {"Text2", row.rate}, {"Text3", row.count},
                        {"Label7", "earlier result"}});
    savings::calculate(form);
    EXPECT_EQ(form.journal(), row.journal) << form.journal().join(" | ").toStdString();
}

const QString kWarn = QStringLiteral("warn 数据输入错误: ");

INSTANTIATE_TEST_SUITE_P(Rows, Calculate, testing::Values(
    CalculationRow{"year_of_thousands", "1000", "2.25", "12", {"caption Label7 = 12146.25元"}},
    CalculationRow{"seven_hundreds", "100", "3.33", "7", {"caption Label7 = 707.77元"}},
    CalculationRow{"fractional_count_drops_trailing_zero", "1000", "2.25", "2.5", {"caption Label7 = 2508.2元"}},
    CalculationRow{"whole_total_has_no_point", "1000", "2.4", "12", {"caption Label7 = 12156元"}},
    CalculationRow{"count_followed_by_chinese", "1000", "2.25", "12期", {"caption Label7 = 12146.25元"}},
    CalculationRow{"full_width_and_grouped_input", "１,０００", "2.25", "12", {"caption Label7 = 12146.25元"}},
    CalculationRow{"all_empty_blames_deposit_only", "", "", "", {kWarn + "本金应为正数！", "text Text1 = "}},
    CalculationRow{"zero_rate", "1000", "0", "12", {kWarn + "利率应为正数！", "text Text2 = "}},
    CalculationRow{"rate_below_a_hundredth_of_smallest", "1000", "1e-323", "12", {kWarn + "利率应为正数！", "text Text2 = "}},
    CalculationRow{"negative_count", "1000", "2.25", "-3", {kWarn + "期数应为正数！", "text Text3 = "}},
    CalculationRow{"letters_as_deposit", "abc", "2.25", "12", {kWarn + "本金应为正数！", "text Text1 = "}},
    CalculationRow{"infinite_deposit", "1e999", "2.25", "12", {kWarn + "计算结果超出范围！"}},
    CalculationRow{"overflowing_interest", "1e200", "50", "1e60", {kWarn + "计算结果超出范围！"}}),
    [](const auto& info) { return info.param.name; });

TEST(Calculate, leaves_an_earlier_result_when_rejecting) {
    RecordingForm form({{"Text1", "1000"}, {"Text2", "2.25"}, {"Text3", "12"}});
    savings::calculate(form);
    form.setText(u"Text2", "-1");
    savings::calculate(form);
    EXPECT_EQ(form.value("Label7"), "12146.25元");
    EXPECT_EQ(form.value("Text1"), "1000");
    EXPECT_EQ(form.value("Text2"), "");
}

TEST(Clear, makes_its_five_writes_and_moves_no_focus) {
    RecordingForm form({{"Text1", "1"}, {"Text2", "2"}, {"Text3", "3"}, {"Label7", "x"}});
    savings::clear(form);
    EXPECT_EQ(form.journal(), QStringList({"text Text1 = ", "text Text2 = ", "text Text3 = ",
                                           "caption Label7 = ", "caption Label8 = "}));
}

}  // namespace
