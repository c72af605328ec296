// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "repayment_math.h"

#include <gtest/gtest.h>

#include <limits>

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
    EXPECT_FALSE(loan::repayment(20, 2000, 1, 100));          // growth over the term
    EXPECT_FALSE(loan::repayment(1.7e308, 2, 1, 100));        // amount times growth
    EXPECT_FALSE(loan::repayment(1.5e308, 1000, 1000, 0.1));  // the total
    EXPECT_FALSE(loan::repayment(20, 60, 12, kInf));
}

}  // namespace
