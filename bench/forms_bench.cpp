// Grid set-up of 1001 rows as the adding machine does on every activation,
// and a text-box keystroke through KeyDown/KeyPress/Change.
#include "forms/layer.h"
#include "forms/testing/driver.h"
#include "forms/testing/recording_services.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

class BenchForm : public forms::Form {
public:
    explicit BenchForm(forms::Program& p) : Form(p, "BENCH")
    {
        setClientSize(7035, 5835);
        G.Move(120, 640, 2655, 3070);
        Text1.Move(5880, 5280, 735, 255);
        Text1.KeyPress = [](int& k) { if (k == 13) k = 0; };
        Text1.Change = [this] { ++changes; };
    }
    forms::FlexGrid G{this, "G"};
    forms::TextBox Text1{this, "Text1"};
    int changes = 0;
};

struct Fixture {
    forms::testing::RecordingServices rec;
    forms::Program p{rec, QString(), "BENCH"};
    forms::FormSlot<BenchForm> f{p, [this] { return std::make_unique<BenchForm>(p); }};
    Fixture() { f.Show(); }
};

void BM_GridSetUp1001Rows(benchmark::State& state)
{
    Fixture fx;
    forms::FlexGrid& g = fx.f->G;
    for (auto _ : state) {
        g.setRows(2);
        g.setColWidth(0, 600);
        g.setColWidth(1, 1700);
        g.setFixedAlignment(0, 4);
        g.setColAlignment(0, 7);
        g.setTextMatrix(0, 0, "NO");
        g.setRows(1001);
        g.setCols(3);
        g.setColWidth(2, 0);
        for (int k = 1; k <= 1000; ++k) g.setTextMatrix(k, 0, QString::number(k) + QLatin1Char(' '));
        benchmark::DoNotOptimize(g.TextMatrix(1000, 0));
    }
}
BENCHMARK(BM_GridSetUp1001Rows)->Unit(benchmark::kMillisecond);

void BM_TextBoxKeystroke(benchmark::State& state)
{
    Fixture fx;
    auto& t = fx.f->Text1;
    for (auto _ : state) {
        forms::testing::typeKeypad(t, "7");
        if (t.Text().size() > 12) t.setText(QString());
    }
}
BENCHMARK(BM_TextBoxKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace

#include "qt_bench_main.h"
