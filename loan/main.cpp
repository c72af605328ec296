// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "loan_window.h"

int main(int argc, char* argv[]) {
    runtime::Application app(argc, argv, QStringLiteral("loancalc"), QStringLiteral("io.github.quendrel.loancalc"));
    const auto window = loan::createWindow();
    window->show();
    return runtime::Application::exec();
}
