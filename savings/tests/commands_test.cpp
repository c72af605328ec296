// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_form.h"
#include "savings_commands.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    std::string name;
    QString deposit, rate, count;
    QStringList journal;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Calculate : public testing::TestWithParam<Row> {};

TEST_P(Calculate, takes_its_steps_in_order) {
    const Row& row = GetParam();
    runtime::testing::RecordingForm form({{"Text1", row.deposit}, {"Text2", row.rate}, {"Text3", row.count}});
    savings::calculate(form);
    EXPECT_EQ(form.journal(), row.journal) << form.journal().join(" | ").toStdString();
}

const QString kWarn = QStringLiteral("warn 数据输入错误: ");

// The result written, then said with the caption that names it.
QStringList total(const char* shown) { return {QStringLiteral("caption Label7 = ") + shown, QStringLiteral("announce 本利和：") + shown}; }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Calculate, testing::Values(
    Row{"year_of_thousands", "1000", "2.25", "12", total("12146.25元")},
    // The smallest figures each field takes. 0.12 deposited, and 0.01 × 2.25 % / 12 × (1 + 2 + … + 12)
    // = 0.0014625 of interest.
    Row{"deposit_of_a_cent", "0.01", "2.25", "12", total("0.12元")},
    // 1000 × 3 % / 12 = 2.5 of interest for the one month.
    Row{"count_of_one", "1000", "3", "1", total("1002.5元")},
    // Half of 1000, and 1000 × 2.25 % / 12 × 0.5 × 1.5 / 2 = 0.703125 of interest.
    Row{"count_of_a_half", "1000", "2.25", "0.5", total("500.7元")},
    // 1000 × 0.01 % / 12 × 78 = 0.65 of interest.
    Row{"rate_of_a_hundredth_percent", "1000", "0.01", "12", total("12000.65元")},
    Row{"rejects_empty_fields_blaming_deposit_only", "", "", "", {kWarn + "本金应为正数！", "text Text1 = "}},
    Row{"rejects_zero_rate", "1000", "0", "12", {kWarn + "利率应为正数！", "text Text2 = "}},
    Row{"rejects_rate_that_vanishes_in_percent", "1000", "1e-323", "12", {kWarn + "利率应为正数！", "text Text2 = "}},
    Row{"rejects_zero_count", "1000", "2.25", "0", {kWarn + "期数应为正数！", "text Text3 = "}},
    Row{"rejects_negative_count", "1000", "2.25", "-3", {kWarn + "期数应为正数！", "text Text3 = "}},
    Row{"refuses_infinite_deposit", "1e999", "2.25", "12", {kWarn + "计算结果超出范围！"}},
    Row{"refuses_overflowing_interest", "1e200", "50", "1e60", {kWarn + "计算结果超出范围！"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
