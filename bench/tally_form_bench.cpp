// The tally form's compute command: six months of 500 rows with 3000
// distinct keys, the engine run and both result grids filled.
#include "forms/testing/driver.h"
#include "forms/testing/recording_services.h"
#include "sumlet/program.h"
#include "sumlet/shell/menu_form.h"
#include "sumlet/tally/shukei_form.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <random>
#include <vector>

namespace {

void BM_ComputeButton_3000DistinctKeys(benchmark::State& state)
{
    QTemporaryDir dir;
    forms::testing::RecordingServices rec;
    sumlet::Program prog{rec, dir.path(), dir.filePath(QStringLiteral("config"))};
    prog.start();
    prog.SHUKEI_.Show();
    sumlet::SHUKEI& form = *prog.SHUKEI_.get();

    std::vector<double> keys;
    for (int i = 1; i <= 3000; ++i)
        keys.push_back(i);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
    std::mt19937 gen(2026);
    std::uniform_int_distribution<int> count(1, 99), amount(1, 999999);
    sumlet::TallyData& t = prog.shared.tally;
    t.MonthCount = 6;
    t.MonthNo.redim(6);
    t.KeyName = "商品NO";
    for (int k = 1; k <= 6; ++k) {
        t.MonthNo.set(k, k + 3);
        t.MonthRows[k] = 500;
        for (auto* a : {&t.InKey[k], &t.InCount[k], &t.InAmount[k]})
            a->redim(500);
        for (int i = 1; i <= 500; ++i) {
            t.InKey[k].set(i, keys[size_t((k - 1) * 500 + i - 1)]);
            t.InCount[k].set(i, count(gen));
            t.InAmount[k].set(i, amount(gen));
        }
    }
    form.Command1.setEnabled(true);
    for (auto _ : state) {
        // Every run writes every cell afresh.
        state.PauseTiming();
        form.G2C();
        form.G3C();
        state.ResumeTiming();
        forms::testing::click(form.Command1);
    }
    if (form.G3.Rows() != 3001 || form.G2.Rows() != 501)
        state.SkipWithError("the grids were not filled");
}
BENCHMARK(BM_ComputeButton_3000DistinctKeys)->Unit(benchmark::kMillisecond);

} // namespace

#include "qt_bench_main.h"
