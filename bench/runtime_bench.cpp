// Speed of the runtime's text conversions at the sizes the programs use:
// one keystroke's echo, a 1000-row tape file, a grid of formatted cells.
#include "runtime/cp932.h"
#include "runtime/format.h"
#include "runtime/number_text.h"
#include "runtime/seqfile.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FormatTapeCell(benchmark::State& state)
{
    double v = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::Format(v, "#,0.###### "));
        v += 0.001;
    }
}
BENCHMARK(BM_FormatTapeCell);

void BM_EchoOfEntryLine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::formatText(" 1,234,567.25 ", "#,0.######"));
}
BENCHMARK(BM_EchoOfEntryLine);

void BM_Val(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::Val(" 12345.678E-2*3"));
}
BENCHMARK(BM_Val);

void BM_Str(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::Str(1.0 / 3));
}
BENCHMARK(BM_Str);

std::string tapeFile(int rows)
{
    runtime::SeqWriter w;
    w.line({rows, rows * 1.5, 1});
    for (int i = 1; i <= rows; ++i)
        w.line({i * 1.5});
    return w.bytes();
}

void BM_WriteTapeFile1000(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tapeFile(1000));
}
BENCHMARK(BM_WriteTapeFile1000);

void BM_ReadTapeFile1000(benchmark::State& state)
{
    const std::string bytes = tapeFile(1000);
    for (auto _ : state) {
        runtime::SeqReader r(bytes);
        double v = 0;
        while (r.readNumber(v) == runtime::ReadStatus::Ok)
            benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_ReadTapeFile1000);

void BM_Cp932RoundTrip(benchmark::State& state)
{
    const std::string text = "/home/山田/データ/実績集計ｼｭｳｹｲ①～";
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::fromCp932(*runtime::toCp932(text)));
}
BENCHMARK(BM_Cp932RoundTrip);

} // namespace

BENCHMARK_MAIN();
