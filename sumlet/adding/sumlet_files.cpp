// The adding machine's tape files: open and save.
#include "sumlet/adding/sumlet_form.h"

#include "forms/formatted.h"
#include "runtime/format.h"
#include "runtime/safe_save.h"
#include "sumlet/adding/tape.h"
#include "sumlet/adding/tape_file.h"
#include "sumlet/program.h"

#include <filesystem>

namespace sumlet {

namespace {

std::filesystem::path fsPath(const QString& p)
{
    return std::filesystem::path(p.toStdString());
}

} // namespace

void SUMLET::prepareFileDialog(bool save)
{
    CommonDialog1.InitDir = QString::fromStdString(prog.shared.DataFolder.text());
    CommonDialog1.Filter = QStringLiteral("入力ﾌｧｲﾙ (*.ADT)|*.ADT");
    CommonDialog1.OverwritePrompt = save;
}

void SUMLET::M11_Click()
{
    prog.shared.ReturnFlag = 1;
    prepareFileDialog(false);
    if (!CommonDialog1.ShowOpen())
        return;

    // Read everything first; the tape changes only when the whole file is sound.
    const auto file = runtime::readFile(fsPath(CommonDialog1.FileName));
    const auto contents = file ? readTapeFile(file.bytes) : std::nullopt;
    if (!contents) {
        Warn(QStringLiteral("ﾌｧｲﾙを読み込めません！"), &Text1);
        return;
    }
    AddingTape& t = tape();
    takeOver(t, *contents);

    G.setTopRow(std::min(t.SavedTopRow, G.Rows() - 1));
    const int rows = maxInputRows();
    for (int k = 1; k <= rows; ++k)
        G.setTextMatrix(k, 1, QString());
    for (int k = 1; k <= t.EntryCount && k <= rows; ++k)
        G.setTextMatrix(k, 1, forms::formatted(t.value(k), "#,0.###### "));
    Beep();
    showTotals();
    Label4.setCaption(QString());
    Label6.setCaption(QString());
    Text1.SetFocus();
}

void SUMLET::M12_Click()
{
    prog.shared.ReturnFlag = 1;
    AddingTape& t = tape();
    t.SavedTopRow = standardTopRow(t.EntryCount);
    prepareFileDialog(true);
    if (!CommonDialog1.ShowSave())
        return;

    if (!runtime::saveFile(fsPath(CommonDialog1.FileName), writeTapeFile(t))) {
        Warn(QStringLiteral("保存できませんでした！"), &Text1);
        return;
    }
    Text1.SetFocus();
}

} // namespace sumlet
