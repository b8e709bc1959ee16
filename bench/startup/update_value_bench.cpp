// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of one read-out update without a message box, on the real main window.

#include <main_window.h>
#include <start_up.h>
#include <widgets/band_combo_box.h>

#include <QApplication>
#include <QSignalBlocker>

#include <benchmark/benchmark.h>

namespace {

void BM_UpdateReadout(benchmark::State& state)
{
    kwelt::MainWindow window([](int) {});
    window.fillLists();
    window.show();
    kwelt::BandComboBox* multiplier = window.controls().bandLists[2];
    int position = 0;
    for (auto _ : state) {
        // Another multiplier each time, so that the labels really change; 10 stays a standard value.
        {
            const QSignalBlocker quiet(multiplier);
            multiplier->setCurrentIndex(position);
        }
        window.updateReadout();
        position = position == 8 ? 0 : position + 1;
    }
}
BENCHMARK(BM_UpdateReadout)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    kwelt::configureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
