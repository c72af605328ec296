#include "loan_commands.h"
#include "recording_form.h"

#include <gtest/gtest.h>

namespace {

using runtime::testing::RecordingForm;

struct ConfirmRow {
    std::string name;
    QString amount, term, repayments, rate;
    QStringList journal;
};

void PrintTo(const ConfirmRow& row, std::ostream* out) { *out << row.name; }

class Confirm : public testing::TestWithParam<ConfirmRow> {};

TEST_P(Confirm, takes_its_steps_in_order) {
    const ConfirmRow& row = GetParam();
    RecordingForm form({{"Text1", row.amount}, {"Text2", row.term}, {"Text3", row.repayments}, {"Text4", row.rate}});
    loan::confirm(form);
    EXPECT_EQ(form.journal(), row.journal) << form.journal().join(" | ").toStdString();
}

const QString kDivisor = QStringLiteral("warn 注意: 偿还次数必须是正整数，并且为贷款期的约数！");
const QString kTerm = QStringLiteral("warn 注意: 贷款期必须是正整数，以月为单位！");
const QString kAmount = QStringLiteral("warn 注意: 贷款必须是正数！");
const QString kRate = QStringLiteral("warn 注意: 月利率必须是正数！");
const QString kRange = QStringLiteral("warn 注意: 计算结果超出范围！");

INSTANTIATE_TEST_SUITE_P(Rows, Confirm, testing::Values(
    ConfirmRow{"every_five_months", "20", "60", "12", "0.465",
               {"caption Label6 =  5", "caption Label9 =  1.931692", "caption Label13 = 23.1803", "focus Text1"}},
    ConfirmRow{"monthly", "20", "60", "60", "0.465",
               {"caption Label6 =  1", "caption Label9 =  0.382762", "caption Label13 = 22.9657", "focus Text1"}},
    ConfirmRow{"total_below_one_has_no_leading_zero", "0.5", "24", "4", "0.6",
               {"caption Label6 =  6", "caption Label9 =  0.136625", "caption Label13 = .5465", "focus Text1"}},
    ConfirmRow{"fractional_term_emptied_before_message", "20", "60.5", "12", "0.465",
               {"text Text2 = ", kTerm, "focus Text2"}},
    ConfirmRow{"divisor_emptied_after_message", "20", "60", "7", "0.465", {kDivisor, "text Text3 = ", "focus Text3"}},
    ConfirmRow{"zero_repayments_only_warns", "20", "60", "0", "0.465", {kDivisor}},
    ConfirmRow{"fractional_repayments", "20", "60", "0.3", "0.465", {kDivisor, "text Text3 = ", "focus Text3"}},
    ConfirmRow{"more_repayments_than_months", "20", "60", "120", "0.465", {kDivisor, "text Text3 = ", "focus Text3"}},
    ConfirmRow{"zero_rate", "20", "60", "12", "0", {kRate}},
    ConfirmRow{"empty_rate", "20", "60", "12", "", {kRate}},
    ConfirmRow{"empty_amount", "", "60", "12", "0.465", {kAmount}},
    ConfirmRow{"minus_sign_alone", "-", "60", "12", "0.465", {kAmount}},
    ConfirmRow{"rate_too_small_to_matter", "20", "60", "12", "1e-15", {kRange}},
    ConfirmRow{"infinite_amount", "1e999", "60", "12", "0.465", {kRange}},
    ConfirmRow{"infinite_term", "20", "1e999", "12", "0.465", {kRange}},
    ConfirmRow{"huge_rate", "20", "6000", "12", "1e10", {kRange}}),
    [](const auto& info) { return info.param.name; });

TEST(Confirm, shows_intervals_beyond_sixteen_bits) {
    RecordingForm form({{"Text1", "1"}, {"Text2", "100000"}, {"Text3", "1"}, {"Text4", "0.1"}});
    loan::confirm(form);
    EXPECT_EQ(form.value("Label6"), " 100000");
    for (const QString label : {"Label9", "Label13"}) {
        EXPECT_FALSE(form.value(label).isEmpty());
        EXPECT_FALSE(form.value(label).contains(QStringLiteral("inf"))) << form.value(label).toStdString();
        EXPECT_FALSE(form.value(label).contains(QStringLiteral("nan")));
    }
}

TEST(Clear, makes_its_seven_writes_then_focuses_the_amount) {
    RecordingForm form;
    loan::clear(form);
    EXPECT_EQ(form.journal(), QStringList({"text Text1 = ", "text Text2 = ", "text Text3 = ", "caption Label6 = ",
                                           "text Text4 = ", "caption Label9 = ", "caption Label13 = ",
                                           "focus Text1"}));
}

TEST(Exit, closes_the_window) {
    RecordingForm form;
    loan::exit(form);
    EXPECT_EQ(form.journal(), QStringList({"close"}));
}

}  // namespace
