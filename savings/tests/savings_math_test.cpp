#include "savings_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct RangeRow {
    std::string name;
    double deposit, rate, count;
};

class OutOfRange : public testing::TestWithParam<RangeRow> {};

TEST_P(OutOfRange, gives_no_total) {
    EXPECT_FALSE(savings::totalWithInterest(GetParam().deposit, GetParam().rate, GetParam().count).has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, OutOfRange, testing::Values(
    RangeRow{"infinite_deposit", kInf, 0.0225, 12},
    RangeRow{"infinite_rate", 1000, kInf, 12},
    RangeRow{"infinite_count", 1000, 0.0225, kInf},
    RangeRow{"principal_overflows", 1e300, 0.0225, 1e10},
    RangeRow{"interest_overflows", 1e200, 0.5, 1e60}),
    [](const auto& info) { return info.param.name; });

TEST(Total, equals_deposits_plus_arithmetic_series_of_monthly_interest) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> exponent(-6, 12);
    for (int trial = 0; trial < 20000; ++trial) {
        const double deposit = std::pow(10.0, exponent(random));
        const double rate = std::pow(10.0, exponent(random) / 3 - 2);
        const double count = std::floor(std::pow(10.0, exponent(random) / 3)) + 1;
        const long double n = count;
        const long double expected = n * deposit + deposit * static_cast<long double>(rate) / 12 * n * (n + 1) / 2;
        const auto total = savings::totalWithInterest(deposit, rate, count);
        ASSERT_TRUE(total.has_value());
        ASSERT_NEAR(*total, static_cast<double>(expected), 1e-12 * static_cast<double>(expected))
            << deposit << " " << rate << " " << count;
    }
}

}  // namespace
