// The tally form's entry side: a stored month of 500 rows shown in G1, and
// 500 rows typed through the entry line.
#include "forms/testing/driver.h"
#include "forms/testing/recording_services.h"
#include "sumlet/program.h"
#include "sumlet/shell/menu_form.h"
#include "sumlet/tally/shukei_form.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using forms::testing::click;
using forms::testing::typeText;

struct Fixture {
    QTemporaryDir dir;
    forms::testing::RecordingServices rec;
    sumlet::Program prog{rec, dir.path(), dir.filePath(QStringLiteral("config"))};
    sumlet::SHUKEI* form = nullptr;

    // The form open from the menu, period 4 to 5, the first key, entry open.
    Fixture()
    {
        prog.start();
        click(prog.MENU_->Command6);
        form = prog.SHUKEI_.get();
        typeText(form->Text1, QStringLiteral("4\r"));
        typeText(form->Text2, QStringLiteral("5\r"));
        forms::testing::chooseItem(form->Combo1, 0);
        click(form->Command6);
    }
    void typeRows(int n)
    {
        for (int i = 1; i <= n; ++i) {
            typeText(form->Text3, QString::number(i % 97) + QStringLiteral("\r"));
            typeText(form->Text4, QStringLiteral("3\r"));
            typeText(form->Text5, QString::number(1000 + i) + QStringLiteral("\r"));
        }
    }
};

// Month 1 holds 500 rows; "＜ 前月度" from month 2 shows it (G1C and the rows).
void BM_ShowStoredMonth500(benchmark::State& state)
{
    Fixture fx;
    fx.typeRows(500);
    click(fx.form->Command11);
    sumlet::TallyData& t = fx.prog.shared.tally;
    if (t.MonthRows[1].num() != 500)
        state.SkipWithError("month 1 was not stored");
    for (auto _ : state) {
        t.CurMonth = 2;
        fx.form->Command3.setEnabled(true);
        click(fx.form->Command3);
    }
    if (fx.form->G1.TextMatrix(500, 3) != QStringLiteral("1,500 "))
        state.SkipWithError("month 1 was not shown");
}
BENCHMARK(BM_ShowStoredMonth500)->Unit(benchmark::kMillisecond);

// G1C alone: the grid emptied and numbered 1 to 500.
void BM_G1C(benchmark::State& state)
{
    Fixture fx;
    for (auto _ : state)
        fx.form->G1C();
}
BENCHMARK(BM_G1C)->Unit(benchmark::kMillisecond);

// 500 rows typed key by key with Enter, then "入力確定"; "ﾘｾｯﾄ" and the key
// choice between rounds are outside the timing.
void BM_500RowsTyped(benchmark::State& state)
{
    Fixture fx;
    for (auto _ : state) {
        fx.typeRows(500);
        click(fx.form->Command11);
        state.PauseTiming();
        if (fx.prog.shared.tally.MonthRows[1].num() != 500)
            state.SkipWithError("not every row was stored");
        click(fx.form->Command4);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 500);
}
BENCHMARK(BM_500RowsTyped)->Unit(benchmark::kMillisecond);

} // namespace

#include "qt_bench_main.h"
