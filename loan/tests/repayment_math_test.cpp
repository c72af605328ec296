#include "repayment_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using loan::Rejection;

struct RejectionRow {
    std::string name;
    double amount, term, repayments, rate;
    Rejection expected;
};

void PrintTo(const RejectionRow& row, std::ostream* out) { *out << row.name; }

class FirstRejected : public testing::TestWithParam<RejectionRow> {};

TEST_P(FirstRejected, names_the_first_failing_check) {
    const RejectionRow& row = GetParam();
    EXPECT_EQ(loan::firstRejected(row.amount, row.term, row.repayments, row.rate), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, FirstRejected, testing::Values(
    RejectionRow{"valid", 20, 60, 12, 0.465, Rejection::None},
    RejectionRow{"all_zero_blames_amount", 0, 0, 0, 0, Rejection::Amount},
    RejectionRow{"nan_amount", kNaN, 60, 12, 0.465, Rejection::Amount},
    RejectionRow{"fractional_term", 20, 60.5, 12, 0.465, Rejection::Term},
    RejectionRow{"zero_term", 20, 0, 12, 0.465, Rejection::Term},
    RejectionRow{"negative_term", 20, -60, 12, 0.465, Rejection::Term},
    RejectionRow{"zero_repayments", 20, 60, 0, 0.465, Rejection::RepaymentCount},
    RejectionRow{"negative_repayments", 20, 60, -12, 0.465, Rejection::RepaymentCount},
    RejectionRow{"repayments_not_dividing_term", 20, 60, 7, 0.465, Rejection::Divisor},
    RejectionRow{"fractional_repayments", 20, 60, 0.3, 0.465, Rejection::Divisor},
    RejectionRow{"more_repayments_than_months", 20, 60, 120, 0.465, Rejection::Divisor},
    RejectionRow{"one_repayment_per_month", 20, 60, 60, 0.465, Rejection::None},
    RejectionRow{"term_beyond_32_bits_divisible", 20, 12884901888.0, 3, 0.465, Rejection::None},
    RejectionRow{"term_beyond_32_bits_odd", 20, 4294967297.0, 2, 0.465, Rejection::Divisor},
    RejectionRow{"term_beyond_53_bits_not_divisible", 20, 1152921504606846976.0, 3, 0.465, Rejection::Divisor},
    RejectionRow{"term_beyond_53_bits_divisible", 20, 3458764513820540928.0, 3, 0.465, Rejection::None},
    RejectionRow{"zero_rate", 20, 60, 12, 0, Rejection::Rate},
    RejectionRow{"negative_rate", 20, 60, 12, -0.465, Rejection::Rate},
    RejectionRow{"infinite_amount_and_term_pass", kInf, kInf, 12, 0.465, Rejection::None},
    RejectionRow{"infinite_repayments_for_finite_term", 20, 60, kInf, 0.465, Rejection::Divisor}),
    [](const auto& info) { return info.param.name; });

struct PlanRow {
    std::string name;
    double amount, term, repayments, rate;
    std::int64_t interval;
    double payment, total;  // to the digits shown
};

void PrintTo(const PlanRow& row, std::ostream* out) { *out << row.name; }

class Plan : public testing::TestWithParam<PlanRow> {};

TEST_P(Plan, matches_the_banks_figures) {
    const PlanRow& row = GetParam();
    const auto plan = loan::repayment(row.amount, row.term, row.repayments, row.rate);
    ASSERT_TRUE(plan.has_value());
    EXPECT_EQ(plan->interval, row.interval);
    EXPECT_NEAR(plan->payment, row.payment, 5e-7);
    EXPECT_NEAR(plan->total, row.total, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(Rows, Plan, testing::Values(
    PlanRow{"five_year_loan_every_five_months", 20, 60, 12, 0.465, 5, 1.931692, 23.1803},
    PlanRow{"five_year_loan_monthly", 20, 60, 60, 0.465, 1, 0.382762, 22.9657},
    PlanRow{"small_loan_twice_a_year", 0.5, 24, 4, 0.6, 6, 0.136625, 0.5465},
    // One repayment at the end: the amount grown over the whole term, 1.01^12.
    PlanRow{"single_repayment", 1, 12, 1, 1, 12, 1.126825, 1.1268}),
    [](const auto& info) { return info.param.name; });

struct RangeRow {
    std::string name;
    double amount, term, repayments, rate;
};

void PrintTo(const RangeRow& row, std::ostream* out) { *out << row.name; }

class OutOfRange : public testing::TestWithParam<RangeRow> {};

TEST_P(OutOfRange, gives_no_plan) {
    const RangeRow& row = GetParam();
    EXPECT_FALSE(loan::repayment(row.amount, row.term, row.repayments, row.rate).has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, OutOfRange, testing::Values(
    RangeRow{"growth_over_term_overflows", 20, 2000, 1, 100},
    RangeRow{"rate_too_small_to_change_the_factor", 20, 60, 12, 1e-15},
    RangeRow{"amount_times_growth_overflows", 1.7e308, 2, 1, 100},
    RangeRow{"total_overflows", 1.5e308, 1000, 1000, 0.1},
    RangeRow{"infinite_amount", kInf, 60, 12, 0.465},
    RangeRow{"infinite_term", 20, kInf, 12, 0.465},
    RangeRow{"infinite_rate", 20, 60, 12, kInf}),
    [](const auto& info) { return info.param.name; });

TEST(Plan, holds_intervals_beyond_sixteen_bits) {
    const auto plan = loan::repayment(1, 100000, 1, 0.1);
    ASSERT_TRUE(plan.has_value());
    EXPECT_EQ(plan->interval, 100000);
    EXPECT_TRUE(std::isfinite(plan->payment) && std::isfinite(plan->total));
}

TEST(PlanIdentity, payment_is_the_annuity_of_the_interval_rate) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 20000; ++trial) {
        const double amount = std::pow(10.0, unit(random) * 12 - 4);
        const double repayments = std::floor(unit(random) * 120) + 1;
        const double interval = std::floor(unit(random) * 24) + 1;
        const double rate = std::pow(10.0, unit(random) * 5 - 4);  // 0.0001 % to 10 % a month
        const auto plan = loan::repayment(amount, repayments * interval, repayments, rate);
        ASSERT_TRUE(plan.has_value());
        const long double j = std::pow(1 + rate / 100.0L, interval) - 1;
        const long double annuity = amount * j / (1 - std::pow(1 + j, -repayments));
        ASSERT_NEAR(plan->payment, static_cast<double>(annuity), 1e-9 * static_cast<double>(annuity))
            << amount << " " << repayments << " " << interval << " " << rate;
        ASSERT_NEAR(plan->total, repayments * static_cast<double>(annuity), 1e-9 * repayments * static_cast<double>(annuity));
    }
}

}  // namespace
