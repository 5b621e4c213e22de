// The tally form's result side: compute command, result grids, tally files
// and the main toolbar.
#include "sumlet/tally/shukei_form.h"

#include <filesystem>

#include "forms/formatted.h"
#include "forms/grid_rows.h"
#include "runtime/format.h"
#include "runtime/safe_save.h"
#include "sumlet/program.h"
#include "sumlet/shell/program_commands.h"
#include "sumlet/tally/grid_heading.h"
#include "sumlet/tally/engine/tally_engine.h"
#include "sumlet/tally/print/ichiran_form.h"
#include "sumlet/tally/results/result_grids.h"
#include "sumlet/tally/results/tally_file.h"

namespace sumlet {

using forms::formatted;

namespace {

// A number as plain text, as a label takes a value without a pattern.
QString plain(const runtime::Value& v)
{
    return QString::fromStdString(v.text());
}

std::filesystem::path fsPath(const QString& p)
{
    return std::filesystem::path(p.toStdString());
}

void prepareFileDialog(forms::CommonDialog& d, const Program& prog, bool save)
{
    d.InitDir = QString::fromStdString(prog.shared.DataFolder.text());
    d.Filter = QStringLiteral("集計ﾌｧｲﾙ (*.SUK)|*.SUK");
    d.OverwritePrompt = save;
}

} // namespace

void SHUKEI::Command1_Click()
{
    TallyData& t = tally();
    RunTally(t);
    alignResultGrid(G2);
    alignResultGrid(G3);
    for (forms::FlexGrid* g : {&G2, &G3}) {
        g->setRow(0);
        writeHeadingRow(*g, plain(t.KeyName));
    }
    fillResultRows(G3, t.AllKey, t.AllCount, t.AllAmount, t.KeyCount);
    Label10.setCaption(plain(t.StartMonth));
    Label11.setCaption(plain(t.EndMonth));
    Label18.setCaption(formatted(t.GrandCount, "0 "));
    Label17.setCaption(formatted(t.GrandAmount, "#,0 "));
    Frame3.setEnabled(true);
    Command10.setEnabled(true);
    Command8.setEnabled(true);
    Command9.setEnabled(true);
    Beep();
    Command9_Click();
    Command9.SetFocus();
}

void SHUKEI::Command9_Click()
{
    TallyData& t = tally();
    t.ResultMonth = t.ResultMonth.num() + 1;
    if (t.ResultMonth.num() > t.MonthCount.num())
        t.ResultMonth = t.MonthCount;
    ShowResultMonth(static_cast<int>(t.ResultMonth.num()));
}

void SHUKEI::Command8_Click()
{
    TallyData& t = tally();
    t.ResultMonth = t.ResultMonth.num() - 1;
    if (t.ResultMonth.num() < 1)
        t.ResultMonth = 1;
    ShowResultMonth(static_cast<int>(t.ResultMonth.num()));
}

void SHUKEI::ShowResultMonth(int m)
{
    const TallyData& t = tally();
    if (!TallyData::isMonth(m))
        return;
    fillResultRows(G2, t.ResKey[m], t.ResCount[m], t.ResAmount[m], t.ResultRows[m]);
    Label8.setCaption(plain(t.MonthNo.get(m)));
    Label15.setCaption(formatted(t.MonthCountSum.get(m), "0 "));
    Label16.setCaption(formatted(t.MonthAmountSum.get(m), "#,0 "));
}

void SHUKEI::Command10_Click()
{
    tally().CurMonth = 1;
    prog.ICHIRAN_.ShowModal();
}

// Selection shown only while the grid has the focus.
void SHUKEI::G2_Click() { G2.setHighLight(2); }
void SHUKEI::G3_Click() { G3.setHighLight(2); }

void SHUKEI::G2_MouseDown(int Button, int, double, double)
{
    if (Button == 2)
        PopupMenu(MM1);
}

void SHUKEI::G3_MouseDown(int Button, int, double, double)
{
    if (Button == 2)
        PopupMenu(MM2);
}

// A selection always spans whole rows.
void SHUKEI::G2_SelChange() { forms::selectWholeRows(G2); }
void SHUKEI::G3_SelChange() { forms::selectWholeRows(G3); }

// Copies the whole grid, whatever was selected.
void SHUKEI::MM11_Click() { forms::copyGridRows(G2, services(), G2.Rows() - 1); }
void SHUKEI::MM21_Click() { forms::copyGridRows(G3, services(), G3.Rows() - 1); }

void SHUKEI::M2_Click() { LoadTallyFile(); }
void SHUKEI::M3_Click() { SaveTallyFile(); }
void SHUKEI::MM31_Click() { StartCalculator(prog, *this); }
void SHUKEI::MM41_Click() { OpenHelp(prog, *this); }

void SHUKEI::Toolbar1_ButtonClick(int Index)
{
    switch (Index) {
    case 1: LoadTallyFile(); break;
    case 2: SaveTallyFile(); break;
    case 4: PrintEntriesCommand(); break;
    case 5: StartCalculator(prog, *this); break;
    case 6: OpenHelp(prog, *this); break;
    default: break;
    }
}

// The same guard and form as the File menu's entry print.
void SHUKEI::PrintEntriesCommand() { M4_Click(); }

void SHUKEI::SaveTallyFile()
{
    TallyData& t = tally();
    if (t.KeyCount.num() == 0) {
        Warn(QStringLiteral("集計が確定してから保存して下さい！"), nullptr, false);
        return;
    }
    prepareFileDialog(CommonDialog1, prog, true);
    if (!CommonDialog1.ShowSave())
        return;
    // A key caption the file cannot hold is refused like a failed write.
    const TallyFileBytes file = writeTallyFile(t);
    if (!file.ok || !runtime::saveFile(fsPath(CommonDialog1.FileName), file.bytes))
        Warn(QStringLiteral("保存できませんでした！"));
}

void SHUKEI::LoadTallyFile()
{
    prepareFileDialog(CommonDialog1, prog, false);
    if (!CommonDialog1.ShowOpen())
        return;

    // Read and check everything first; the tally changes only for a sound file.
    const auto file = runtime::readFile(fsPath(CommonDialog1.FileName));
    const auto contents = file ? readTallyFile(file.bytes) : std::nullopt;
    if (!contents) {
        Warn(QStringLiteral("ﾌｧｲﾙを読み込めません！"));
        return;
    }
    TallyData& t = tally();
    takeOver(t, *contents);

    // Month 1 into the entry grid, the entry line back over row 1.
    t.ShownRows = t.MonthRows[1];
    ShowEntryMonth(1);
    Label2.setCaption(formatted(t.StartMonth, "# "));
    Label3.setCaption(formatted(t.EndMonth, "# "));
    Label20.setCaption(formatted(t.StartMonth, "# "));
    Combo1.setText(plain(t.KeyName));
    t.InputRow = 1;
    t.InputRowOnScreen = 1;
    G1.setTopRow(1);
    placeEntryLine();

    Frame3.setEnabled(true);
    Command1.setEnabled(true);
    Command2.setEnabled(true);
    Command2.SetFocus();
    Command6.setEnabled(true);
    Command6_Click();
    Command1_Click();
}

} // namespace sumlet
