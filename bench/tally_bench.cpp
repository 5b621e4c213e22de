// Compute-run timings of the tally engine.
#include <algorithm>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "sumlet/tally/engine/tally_engine.h"

namespace {

// Six months of 500 rows each; keys from `keyOf(month, row, generator)`.
template <class KeyOf>
sumlet::TallyData sixFullMonths(KeyOf keyOf)
{
    std::mt19937 gen(2026);
    std::uniform_int_distribution<int> count(1, 99), amount(1, 999999);
    sumlet::TallyData t;
    t.MonthCount = 6;
    t.MonthNo.redim(6);
    for (int k = 1; k <= 6; ++k) {
        t.MonthNo.set(k, k);
        t.MonthRows[k] = 500;
        for (auto* a : {&t.InKey[k], &t.InCount[k], &t.InAmount[k]})
            a->redim(500);
        for (int i = 1; i <= 500; ++i) {
            t.InKey[k].set(i, keyOf(k, i, gen));
            t.InCount[k].set(i, count(gen));
            t.InAmount[k].set(i, amount(gen));
        }
    }
    return t;
}

void runTally(benchmark::State& state, sumlet::TallyData t)
{
    for (auto _ : state) {
        sumlet::RunTally(t);
        benchmark::DoNotOptimize(t.KeyCount);
    }
}

void BM_RunTally_RandomKeys(benchmark::State& state)
{
    std::uniform_int_distribution<int> key(1, 999);
    runTally(state, sixFullMonths([&](int, int, std::mt19937& g) { return double(key(g)); }));
}

// Worst case for the result table: 3000 distinct keys, 500 in each month.
void BM_RunTally_3000DistinctKeys(benchmark::State& state)
{
    std::vector<double> keys;
    for (int i = 1; i <= 3000; ++i)
        keys.push_back(i);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
    runTally(state, sixFullMonths([&](int k, int i, std::mt19937&) { return keys[(k - 1) * 500 + (i - 1)]; }));
}

void BM_BuildResultTable_3000DistinctKeys(benchmark::State& state)
{
    std::vector<double> keys;
    for (int i = 1; i <= 3000; ++i)
        keys.push_back(i);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
    sumlet::TallyData t = sixFullMonths([&](int k, int i, std::mt19937&) { return keys[(k - 1) * 500 + (i - 1)]; });
    sumlet::RunTally(t);
    for (auto _ : state) {
        sumlet::BuildResultTable(t);
        benchmark::DoNotOptimize(t.ResultTable);
    }
}

} // namespace

BENCHMARK(BM_RunTally_RandomKeys)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunTally_3000DistinctKeys)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildResultTable_3000DistinctKeys)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
