// The adding machine: activation of its form with a full tape (1000 values)
// and 1000 entries typed into the entry line.
#include "forms/testing/driver.h"
#include "forms/testing/recording_services.h"
#include "sumlet/adding/insatsu_form.h"
#include "sumlet/adding/sumlet_form.h"
#include "sumlet/adding/tape.h"
#include "sumlet/adding/tape_file.h"
#include "sumlet/program.h"
#include "sumlet/shell/menu_form.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    forms::testing::RecordingServices rec;
    sumlet::Program prog{rec, dir.path(), dir.filePath(QStringLiteral("config"))};
    sumlet::SUMLET* form = nullptr;

    Fixture()
    {
        prog.start();
        forms::testing::click(prog.MENU_->Command8);
        form = prog.SUMLET_.get();
    }
    // A full tape, shown in the grid as a loaded file would be.
    void fill()
    {
        sumlet::TapeFileContents c;
        c.count = 1000;
        c.topRow = 991;
        for (int k = 1; k <= 1000; ++k) {
            c.values.push_back(k * 1.25);
            c.total += k * 1.25;
        }
        sumlet::takeOver(prog.shared.tape, c);
        for (int k = 1; k <= 1000; ++k)
            form->G.setTextMatrix(k, 1, QString::number(k * 1.25));
    }
};

void BM_ActivationFullTape(benchmark::State& state)
{
    Fixture fx;
    fx.fill();
    for (auto _ : state)
        fx.form->Form_Activate();
    if (fx.prog.shared.tape.EntryCount != 1000)
        state.SkipWithError("the tape was not kept");
}
BENCHMARK(BM_ActivationFullTape)->Unit(benchmark::kMillisecond);

// The real road: the print form opens over the form and is cancelled, which
// activates the adding machine again.
void BM_PrintFormRoundTripFullTape(benchmark::State& state)
{
    Fixture fx;
    fx.fill();
    for (auto _ : state) {
        forms::testing::choose(fx.form->M14);
        forms::testing::click(fx.prog.INSATSU_->Command2);
    }
}
BENCHMARK(BM_PrintFormRoundTripFullTape)->Unit(benchmark::kMillisecond);

// 1000 entries of "123.45" and Enter, key by key, then the clear.
void BM_ThousandEntriesTyped(benchmark::State& state)
{
    Fixture fx;
    for (auto _ : state) {
        for (int k = 0; k < 1000; ++k)
            forms::testing::typeText(fx.form->Text1, QStringLiteral("123.45\r"));
        if (fx.prog.shared.tape.EntryCount != 1000)
            state.SkipWithError("not every entry was recorded");
        forms::testing::click(fx.form->Command2);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ThousandEntriesTyped)->Unit(benchmark::kMillisecond);

} // namespace

#include "qt_bench_main.h"
