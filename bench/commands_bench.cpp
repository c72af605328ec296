// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
// One calculate and one confirm command end to end through the real widgets, and text to
// number on a megabyte of digits. Runs on the offscreen platform.
#include "loan_window.h"
#include "savings_window.h"
#include "text_to_number.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

void fill(QWidget* window, const QStringList& texts) {
    for (qsizetype i = 0; i < texts.size(); ++i) {
        window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1))->setText(texts[i]);
    }
}

void calculate_command(benchmark::State& state) {
    const auto window = savings::createWindow();
    window->show();
    fill(window.get(), {"1000", "2.25", "12"});
    auto* button = window->findChild<QPushButton*>("Command1");
    for (auto _ : state) button->click();
}
BENCHMARK(calculate_command)->Unit(benchmark::kMicrosecond);

void confirm_command(benchmark::State& state) {
    const auto window = loan::createWindow();
    window->show();
    fill(window.get(), {"20", "60", "12", "0.465"});
    auto* button = window->findChild<QPushButton*>("Command1");
    for (auto _ : state) button->click();
}
BENCHMARK(confirm_command)->Unit(benchmark::kMicrosecond);

void text_to_number_megabyte(benchmark::State& state) {
    const std::u16string digits(1 << 20, u'7');
    for (auto _ : state) benchmark::DoNotOptimize(runtime::textToNumber(digits));
}
BENCHMARK(text_to_number_megabyte)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
