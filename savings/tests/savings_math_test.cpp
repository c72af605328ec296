#include "savings_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

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
