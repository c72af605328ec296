// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "savings_window.h"

int main(int argc, char* argv[]) {
    runtime::Application app(argc, argv, QStringLiteral("savecalc"), QStringLiteral("io.github.quendrel.savecalc"));
    const auto window = savings::createWindow();
    window->show();
    return runtime::Application::exec();
}
