// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <kwelt/core.h>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Bands
{
    kwelt::BandPosition p1, p2, p3, p4;
};

// Every combination of positions the lists can hold, "no selection" included: 11 x 11 x 10 x 4.
std::vector<Bands> allCombinations()
{
    std::vector<Bands> all;
    const auto last = [](int band) { return kwelt::BandLists[static_cast<std::size_t>(band)].count() - 1; };
    for (int p1 = -1; p1 <= last(0); ++p1) {
        for (int p2 = -1; p2 <= last(1); ++p2) {
            for (int p3 = -1; p3 <= last(2); ++p3) {
                for (int p4 = -1; p4 <= last(3); ++p4) {
                    all.push_back({kwelt::BandPosition(p1), kwelt::BandPosition(p2), kwelt::BandPosition(p3),
                        kwelt::BandPosition(p4)});
                }
            }
        }
    }
    return all;
}

void BM_DecodeBands(benchmark::State& state)
{
    const std::vector<Bands> all = allCombinations();
    std::size_t i = 0;
    for (auto _ : state) {
        const Bands& b = all[i];
        benchmark::DoNotOptimize(kwelt::decodeBands(b.p1, b.p2, b.p3, b.p4));
        i = i + 1 == all.size() ? 0 : i + 1;
    }
    state.counters["combinations"] = static_cast<double>(all.size());
}
BENCHMARK(BM_DecodeBands);

void BM_CheckFirstBands(benchmark::State& state)
{
    kwelt::BandPosition p1 = 0;
    kwelt::BandPosition p2 = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kwelt::checkFirstBands(p1, p2));
        p2 = p2 == 9 ? 0 : p2 + 1;
        p1 = p2 == 0 ? (p1 == 9 ? 0 : p1 + 1) : p1;
    }
}
BENCHMARK(BM_CheckFirstBands);

} // namespace
