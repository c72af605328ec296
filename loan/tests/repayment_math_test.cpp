#include "repayment_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

using loan::Rejection;

// Terms and counts beyond 32 and 53 bits, and infinities; the everyday rejections and the
// plans out of range for everyday reasons are in the command's table.
TEST(Divisor, is_exact_for_every_whole_term_and_plans_that_overflow_are_refused) {
    EXPECT_EQ(loan::firstRejected(20, 12884901888.0, 3, 0.465), Rejection::None);
    EXPECT_EQ(loan::firstRejected(20, 4294967297.0, 2, 0.465), Rejection::Divisor);
    EXPECT_EQ(loan::firstRejected(20, 1152921504606846976.0, 3, 0.465), Rejection::Divisor);
    EXPECT_EQ(loan::firstRejected(20, 3458764513820540928.0, 3, 0.465), Rejection::None);
    EXPECT_EQ(loan::firstRejected(20, kInf, 12, 0.465), Rejection::None);  // left to the calculation
    EXPECT_EQ(loan::firstRejected(20, 60, kInf, 0.465), Rejection::Divisor);
    EXPECT_FALSE(loan::repayment(20, 2000, 1, 100));         // growth over the term
    EXPECT_FALSE(loan::repayment(1.7e308, 2, 1, 100));       // amount times growth
    EXPECT_FALSE(loan::repayment(1.5e308, 1000, 1000, 0.1));  // the total
    EXPECT_FALSE(loan::repayment(20, 60, 12, kInf));
}

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
