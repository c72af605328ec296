#include "savings_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using savings::Rejection;

struct RejectionRow {
    std::string name;
    double deposit, rate, count;
    Rejection expected;
};

void PrintTo(const RejectionRow& row, std::ostream* out) { *out << row.name; }

class FirstRejected : public testing::TestWithParam<RejectionRow> {};

TEST_P(FirstRejected, names_the_first_input_that_is_not_positive) {
    const RejectionRow& row = GetParam();
    EXPECT_EQ(savings::firstRejected(row.deposit, row.rate, row.count), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, FirstRejected, testing::Values(
    RejectionRow{"all_positive", 1000, 0.0225, 12, Rejection::None},
    RejectionRow{"all_zero_blames_deposit", 0, 0, 0, Rejection::Deposit},
    RejectionRow{"negative_deposit", -1, 0.0225, 12, Rejection::Deposit},
    RejectionRow{"nan_deposit", kNaN, 0.0225, 12, Rejection::Deposit},
    RejectionRow{"zero_rate", 1000, 0, 12, Rejection::Rate},
    RejectionRow{"negative_zero_rate", 1000, -0.0, 12, Rejection::Rate},
    RejectionRow{"negative_count", 1000, 0.0225, -3, Rejection::Count},
    RejectionRow{"fractional_count_accepted", 1000, 0.0225, 2.5, Rejection::None},
    RejectionRow{"infinite_inputs_pass_the_checks", kInf, kInf, kInf, Rejection::None},
    RejectionRow{"smallest_positive_values_pass", 5e-324, 5e-324, 5e-324, Rejection::None}),
    [](const auto& info) { return info.param.name; });

struct RangeRow {
    std::string name;
    double deposit, rate, count;
};

void PrintTo(const RangeRow& row, std::ostream* out) { *out << row.name; }

class OutOfRange : public testing::TestWithParam<RangeRow> {};

TEST_P(OutOfRange, gives_no_total) {
    const RangeRow& row = GetParam();
    EXPECT_FALSE(savings::totalWithInterest(row.deposit, row.rate, row.count).has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, OutOfRange, testing::Values(
    RangeRow{"infinite_deposit", kInf, 0.0225, 12},
    RangeRow{"infinite_rate", 1000, kInf, 12},
    RangeRow{"infinite_count", 1000, 0.0225, kInf},
    RangeRow{"principal_overflows", 1e300, 0.0225, 1e10},
    RangeRow{"interest_overflows", 1e200, 0.5, 1e60}),
    [](const auto& info) { return info.param.name; });

struct TotalRow {
    std::string name;
    double deposit, rate, count, expected;
};

void PrintTo(const TotalRow& row, std::ostream* out) { *out << row.name; }

class Total : public testing::TestWithParam<TotalRow> {};

TEST_P(Total, adds_deposits_and_interest) {
    const TotalRow& row = GetParam();
    const auto total = savings::totalWithInterest(row.deposit, row.rate, row.count);
    ASSERT_TRUE(total.has_value());
    EXPECT_NEAR(*total, row.expected, 1e-9 * row.expected);
}

// Worked by hand: 12·1000 + 1000·0.0225/12·12·13/2 = 12000 + 146.25, and so on.
INSTANTIATE_TEST_SUITE_P(Rows, Total, testing::Values(
    TotalRow{"year_of_thousands", 1000, 0.0225, 12, 12146.25},
    TotalRow{"seven_hundreds", 100, 0.0333, 7, 707.77},
    TotalRow{"fractional_count", 1000, 0.0225, 2.5, 2508.203125},
    TotalRow{"whole_total", 1000, 0.024, 12, 12156},
    TotalRow{"one_huge_deposit", 1.2e300, 0.12, 1, 1.212e300}),
    [](const auto& info) { return info.param.name; });

TEST(TotalIdentity, equals_deposits_plus_arithmetic_series_of_monthly_interest) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> exponent(-6, 12);
    for (int trial = 0; trial < 20000; ++trial) {
        const double deposit = std::pow(10.0, exponent(random));
        const double rate = std::pow(10.0, exponent(random) / 3 - 2);
        const double count = std::floor(std::pow(10.0, exponent(random) / 3)) + 1;
        const long double n = count;
        const long double expected = n * deposit + deposit * (long double)rate / 12 * n * (n + 1) / 2;
        const auto total = savings::totalWithInterest(deposit, rate, count);
        ASSERT_TRUE(total.has_value());
        ASSERT_NEAR(*total, static_cast<double>(expected), 1e-12 * static_cast<double>(expected))
            << deposit << " " << rate << " " << count;
    }
}

}  // namespace
