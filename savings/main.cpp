// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "savings_window.h"

namespace {

constexpr runtime::Program kSavingsCalculator{
    .name = "savecalc",
    .desktopId = "io.github.quendrel.savecalc",
    .english = {"installment-savings calculator", "Opens a window that works out what an installment-savings account pays out: principal plus interest."},
    .chinese = {"存款计算器", "打开一个窗口，计算零存整取存款到期的本利和。"},
};

}  // namespace

int main(int argc, char* argv[]) { return runtime::run(argc, argv, kSavingsCalculator, &savings::createWindow); }
