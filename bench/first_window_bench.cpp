// Start-up of each program as far as its first window: the program object,
// the first form built and shown on the offscreen platform, its settings
// file read, the pending show and paint events handled. Program teardown is
// not timed.
#include "forms/testing/recording_services.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"
#include "sumlet/program.h"
#include "sumlet/shell/menu_form.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Started {
    std::unique_ptr<forms::Program> program;
    QWidget* window;
};

template <class Start>
void firstWindow(benchmark::State& state, Start start)
{
    QTemporaryDir dir;   // the program folder: its settings file is written once, then read
    for (auto _ : state) {
        forms::testing::RecordingServices rec;
        Started s = start(rec, dir.path());
        QApplication::processEvents();
        benchmark::DoNotOptimize(s.window);
        state.PauseTiming();
        if (!s.window || !s.window->isVisible()) state.SkipWithError("the first window is not shown");
        s.program.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_SumletMenu(benchmark::State& state)
{
    firstWindow(state, [](forms::Services& services, const QString& dir) {
        auto p = std::make_unique<sumlet::Program>(services, dir, QString());
        p->start();
        QWidget* w = p->MENU_.get();
        return Started{std::move(p), w};
    });
}
BENCHMARK(BM_SumletMenu)->Unit(benchmark::kMillisecond);

void BM_QuorvelKeypad(benchmark::State& state)
{
    firstWindow(state, [](forms::Services& services, const QString& dir) {
        auto p = std::make_unique<quorvel::Program>(services, dir);
        p->QUORVEL_.Show();
        QWidget* w = p->QUORVEL_.get();
        return Started{std::move(p), w};
    });
}
BENCHMARK(BM_QuorvelKeypad)->Unit(benchmark::kMillisecond);

// The floor: a bare window with one label.
void BM_BareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = std::make_unique<QWidget>();
        auto* l = new QLabel(QStringLiteral("計算"), w.get());
        l->move(10, 10);
        w->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.get());
        state.PauseTiming();
        w.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

} // namespace

#include "qt_bench_main.h"
