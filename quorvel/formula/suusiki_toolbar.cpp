// SUUSIKI's toolbar: formula files, the print and the two help panels.
#include "quorvel/formula/suusiki_form.h"

#include "quorvel/formula/evaluator.h"
#include "quorvel/formula/formula_help_texts.h"
#include "quorvel/formula/formula_print.h"
#include "quorvel/program.h"
#include "runtime/format.h"
#include "runtime/safe_save.h"

namespace quorvel {

namespace {

const QString kFilter = QStringLiteral("数式ﾌｧｲﾙ (*.DAT)|*.DAT");

std::filesystem::path fsPath(const QString& p) { return std::filesystem::path(p.toStdString()); }

} // namespace

void SUUSIKI::Toolbar1_ButtonClick(int Index)
{
    switch (Index) {
    case 1: openFormulaFile(); break;
    case 2: saveFormulaFile(); break;
    case 3: printFormulas(); break;
    case 4: showPanel(Picture1, Label4, inputMethodText(), Command39); break;
    default: break;
    }
}

void SUUSIKI::openFormulaFile()
{
    CommonDialog1.Filter = kFilter;
    CommonDialog1.OverwritePrompt = false;
    if (!CommonDialog1.ShowOpen()) {
        focusText2AtEnd();
        return;
    }
    // Taken over only whole: a file that is not a set of the 26 lines
    // leaves the formulas in use as they are.
    const runtime::ReadResult read = runtime::readFile(fsPath(CommonDialog1.FileName));
    const auto lines = read ? readLineSet(read.bytes) : std::nullopt;
    if (!lines) {
        Warn(QStringLiteral("ﾌｧｲﾙを読み込めません！"), &Text2);
        Text2.setSelStart(int(Text2.Text().size()));
        return;
    }
    FormulaState& v = vars();
    v.FormulaLines = *lines;
    v.XX = 0;
    v.NN = formulaOf(v.FormulaLines[0]);
    v.resultCurrent = false;
    refillList();
    Combo1.setText(QString::fromStdString(v.NN));
    Text2.setText(QString::fromStdString(v.NN));
    showLetter(0, 2);
    showResult(QString());
    focusText2AtEnd();
}

void SUUSIKI::saveFormulaFile()
{
    CommonDialog1.Filter = kFilter;
    CommonDialog1.OverwritePrompt = true;
    if (!CommonDialog1.ShowSave())
        return;
    const auto bytes = lineSetBytes(vars().FormulaLines);
    if (!bytes || !runtime::saveFile(fsPath(CommonDialog1.FileName), *bytes)) {
        Warn(QStringLiteral("保存できませんでした！"), &Text2);
        return;
    }
    focusText2AtEnd();
}

void SUUSIKI::printFormulas()
{
    FormulaState& v = vars();
    const int xx = v.XX >= 0 && v.XX < kFormulaCount ? v.XX : 0;
    std::string result = v.EQ;
    if (!v.resultCurrent) {
        // The formula was chosen since the last evaluation: its own result.
        result = formula::evaluate(v.NN, formulasOf(v.FormulaLines), xx).EQ;
    }
    const std::string shown = runtime::formatText(result, formula::kResultPattern);
    const forms::PrintOutcome done =
        printFormulaSet(services().printer(), v.FormulaLines, xx, v.NN, shown);
    if (done == forms::PrintOutcome::Failed) {
        Warn(QStringLiteral("印刷できませんでした！"), &Text2);
        return;
    }
    focusText2AtEnd();
}

// At most one panel is open; the keys it covers leave the Tab order.
void SUUSIKI::showPanel(forms::PictureBox& panel, forms::Label& text, const QString& caption,
                        forms::CommandButton& close)
{
    text.setCaption(caption);
    (&panel == &Picture1 ? Picture2 : Picture1).hide();
    panel.show();
    coverKeys(true);
    close.SetFocus();
}

void SUUSIKI::hidePanel(forms::PictureBox& panel)
{
    panel.hide();
    coverKeys(!Picture1.isHidden() || !Picture2.isHidden());
}

void SUUSIKI::coverKeys(bool covered)
{
    const Qt::FocusPolicy policy = covered ? Qt::NoFocus : Qt::TabFocus;
    for (const auto& key : insertKey)
        if (key)
            key->setFocusPolicy(policy);
    for (const auto& key : Command33)
        key->setFocusPolicy(policy);
}

void SUUSIKI::Command38_Click() { showPanel(Picture2, Label5, functionListText(), Command40); }

void SUUSIKI::Command39_Click()
{
    hidePanel(Picture1);
    Text2.SetFocus();
}

void SUUSIKI::Command39_LostFocus() { hidePanel(Picture1); }

void SUUSIKI::Command40_Click()
{
    hidePanel(Picture2);
    Text2.SetFocus();
}

} // namespace quorvel
