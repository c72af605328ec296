#include "repayment_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

using loan::Rejection;

// Terms and counts beyond 16, 32 and 53 bits; the everyday rejections are in the command's table.
struct DivisorRow {
    std::string name;
    double term, repayments;
    Rejection expected;
};

void PrintTo(const DivisorRow& row, std::ostream* out) { *out << row.name; }

class Divisor : public testing::TestWithParam<DivisorRow> {};

TEST_P(Divisor, is_exact_for_every_whole_term) {
    EXPECT_EQ(loan::firstRejected(20, GetParam().term, GetParam().repayments, 0.465), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, Divisor, testing::Values(
    DivisorRow{"beyond_32_bits_divisible", 12884901888.0, 3, Rejection::None},
    DivisorRow{"beyond_32_bits_odd", 4294967297.0, 2, Rejection::Divisor},
    DivisorRow{"beyond_53_bits_not_divisible", 1152921504606846976.0, 3, Rejection::Divisor},
    DivisorRow{"beyond_53_bits_divisible", 3458764513820540928.0, 3, Rejection::None},
    DivisorRow{"infinite_term_left_to_the_calculation", kInf, 12, Rejection::None},
    DivisorRow{"infinite_count", 60, kInf, Rejection::Divisor}),
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

TEST(Plan, payment_is_the_annuity_of_the_interval_rate) {
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
        const double annuity = static_cast<double>(amount * j / (1 - std::pow(1 + j, -repayments)));
        ASSERT_EQ(plan->interval, static_cast<std::int64_t>(interval));
        ASSERT_NEAR(plan->payment, annuity, 1e-9 * annuity) << amount << " " << repayments << " " << interval << " " << rate;
        ASSERT_NEAR(plan->total, repayments * annuity, 1e-9 * repayments * annuity);
    }
}

}  // namespace
