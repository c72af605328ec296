// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "loan_window.h"

namespace {

constexpr runtime::Program kLoanCalculator{
    .name = "loancalc",
    .desktopId = "io.github.quendrel.loancalc",
    .english = {"loan repayment calculator", "Opens a window that plans the repayment of a loan in equal installments with monthly compounding."},
    .chinese = {"贷款计算器", "打开一个窗口，按月复利计算等额分期还款的每次还款额和还款总额。"},
};

}  // namespace

int main(int argc, char* argv[]) { return runtime::run(argc, argv, kLoanCalculator, &loan::createWindow); }
