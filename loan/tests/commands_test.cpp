// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loan_commands.h"
#include "recording_form.h"

#include <gtest/gtest.h>

namespace {

using runtime::testing::RecordingForm;

struct Row {
    std::string name;
    QStringList inputs;
    QStringList journal;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Confirm : public testing::TestWithParam<Row> {};

TEST_P(Confirm, takes_its_steps_in_order) {
    const QStringList& in = GetParam().inputs;
    RecordingForm form({{"Text1", in[0]}, {"Text2", in[1]}, {"Text3", in[2]}, {"Text4", in[3]}});
    loan::confirm(form);
    EXPECT_EQ(form.journal(), GetParam().journal) << form.journal().join(" | ").toStdString();
}

const QString kDivisor = QStringLiteral("warn 注意: 偿还次数必须是正整数，并且为贷款期的约数！");
const QString kRange = QStringLiteral("warn 注意: 计算结果超出范围！");

QStringList results(const char* interval, const char* payment, const char* total) {
    return {QStringLiteral("caption Label6 = ") + interval, QStringLiteral("caption Label9 = ") + payment, QStringLiteral("caption Label13 = ") + total,
            "focus Text1",
            QStringLiteral("announce 每隔 %1 月偿还一次，每次偿还金额为 %2 万元。偿还总额为 %3 万元。")
                .arg(QString(interval).trimmed(), QString(payment).trimmed(), total)};
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Confirm, testing::Values(
    Row{"every_five_months", {"20", "60", "12", "0.465"}, results(" 5", " 1.931692", "23.1803")},
    Row{"total_below_one_has_no_leading_zero", {"0.5", "24", "4", "0.6"}, results(" 6", " 0.136625", ".5465")},
    // Repaid once after the whole term, the amount grows by q^100000, where q is the double
    // nearest 1 + 0.1 × 0.01: 2.557101293187005758…e43 worked out exactly from that double.
    Row{"interval_beyond_sixteen_bits", {"1", "100000", "1", "0.1"},
        results(" 100000", " 25571012931870100000000000000000000000000000.000000", "25571012931870100000000000000000000000000000.0000")},
    // Repaid once after one month, the amount grows by one month's interest: 0.01 × 1.01.
    Row{"cent_lent_for_a_month_and_repaid_once", {"0.01", "1", "1", "1"}, results(" 1", " 0.010100", ".0101")},
    Row{"rate_of_a_hundredth_percent", {"100", "1", "1", "0.01"}, results(" 1", " 100.010000", "100.0100")},
    Row{"half_month_term_emptied_before_message", {"20", "0.5", "12", "0.465"},
        {"text Text2 = ", "warn 注意: 贷款期必须是正整数，以月为单位！", "focus Text2"}},
    Row{"zero_term", {"20", "0", "12", "0.465"}, {"text Text2 = ", "warn 注意: 贷款期必须是正整数，以月为单位！", "focus Text2"}},
    Row{"zero_repayments_only_warns", {"20", "60", "0", "0.465"}, {kDivisor}},
    Row{"non_divisor_emptied_after_message", {"20", "60", "7", "0.465"}, {kDivisor, "text Text3 = ", "focus Text3"}},
    // Half a repayment divides 60 months, and is still no whole count.
    Row{"half_a_repayment", {"20", "60", "0.5", "0.465"}, {kDivisor, "text Text3 = ", "focus Text3"}},
    Row{"empty_rate", {"20", "60", "12", ""}, {"warn 注意: 月利率必须是正数！"}},
    Row{"empty_amount", {"", "60", "12", "0.465"}, {"warn 注意: 贷款必须是正数！"}},
    Row{"rate_too_small_to_matter", {"20", "60", "12", "1e-15"}, {kRange}},
    Row{"infinite_amount", {"1e999", "60", "12", "0.465"}, {kRange}},
    Row{"infinite_term", {"20", "1e999", "12", "0.465"}, {kRange}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(Clear, makes_its_seven_writes_then_focuses_the_amount) {
    RecordingForm form;
    loan::clear(form);
    EXPECT_EQ(form.journal(), QStringList({"text Text1 = ", "text Text2 = ", "text Text3 = ", "caption Label6 = ", "text Text4 = ", "caption Label9 = ",
                                           "caption Label13 = ", "focus Text1"}));
}

}  // namespace
