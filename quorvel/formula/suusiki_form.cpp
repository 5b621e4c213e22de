// SUUSIKI: placing and filling the window, the line store, evaluation,
// clearing all formulas and leaving.
#include "quorvel/formula/suusiki_form.h"

#include "quorvel/formula/evaluator.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"
#include "runtime/safe_save.h"

#include "forms/units.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <system_error>

namespace quorvel {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }

} // namespace

SUUSIKI::SUUSIKI(Program& program) : Form(program, "SUUSIKI"), prog(program)
{
    setCaption(QStringLiteral("Tesk電卓★★★　数式／関数"));
    placeControls();

    Command1.Click = [this] {
        warnedUnwritable_ = false;
        Command1_Click();
    };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo1.KeyPress = [this](int& k) { Combo1_KeyPress(k); };
    Text2.KeyPress = [this](int& k) { Text2_KeyPress(k); };
    Command34.Click = [this] { Command34_Click(); };
    Command37.Click = [this] { Command37_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    for (int n = 3; n <= 31; ++n)
        insertKey[n]->Click = [this, n] { insertKey_Click(n); };
    for (int i = 0; i < 26; ++i)
        Command33[i]->Click = [this, i] { Command33_Click(i); };
    Command32.Click = [this] { Command32_Click(); };
    Command35.Click = [this] { Command35_Click(); };
    Command36.Click = [this] { Command36_Click(); };
    Toolbar1.ButtonClick = [this](int index) { Toolbar1_ButtonClick(index); };
    Command38.Click = [this] { Command38_Click(); };
    Command39.Click = [this] { Command39_Click(); };
    Command39.LostFocus = [this] { Command39_LostFocus(); };
    Command40.Click = [this] { Command40_Click(); };
}

FormulaState& SUUSIKI::vars() { return prog.formula; }

void SUUSIKI::Form_Load()
{
    // Not shown yet: the window frame is taken to be the keypad window's.
    double width = Width();
    if (const QWidget* keypad = prog.QUORVEL_.get())
        width += forms::twips(keypad->frameGeometry().width() - keypad->width());
    const double screenWidth = services().ScreenSizeTwips().width();
    double left = prog.shared.FormLeft.num();
    if (left > screenWidth - width)
        left = screenWidth - width - 20;
    MoveTo(static_cast<float>(left), static_cast<float>(prog.shared.FormTop.num()));
}

void SUUSIKI::Form_Activate()
{
    FormulaState& v = vars();
    Text2.SetFocus();
    v.FormulaLines = emptyLineSet();
    bool unreadable = false;
    if (const auto file = variableFileForReading(prog.place)) {
        // A damaged file shows what can be read of it and is left as it is
        // until the user stores a line.
        const runtime::ReadResult read = runtime::readFile(*file);
        const auto whole = read ? readLineSet(read.bytes) : std::nullopt;
        unreadable = !whole;
        v.FormulaLines = whole ? *whole : read ? readLineSetLenient(read.bytes) : emptyLineSet();
    } else {
        // First use: the 26 empty lines.
        writeVariableFile();
    }
    v.XX = 0;
    refillList();
    v.NN = formulaOf(v.FormulaLines[0]);
    v.resultCurrent = false;
    Combo1.setText(fromUtf8(v.NN));
    Text2.setText(fromUtf8(v.NN));
    showLetter(0, 2);
    focusText2AtEnd();
    if (unreadable)
        Warn(QStringLiteral("ﾌｧｲﾙを読み込めません！"), &Text2);
}

void SUUSIKI::Form_Unload(int& Cancel)
{
    (void)Cancel;
    prog.QUORVEL_.Show();
}

void SUUSIKI::showLetter(int xx, int prefixLength)
{
    Label2.setCaption(fromUtf8(vars().FormulaLines[xx].substr(0, prefixLength)));
}

void SUUSIKI::focusText2AtEnd()
{
    Text2.SetFocus();
    Text2.setSelStart(int(Text2.Text().size()));
}

void SUUSIKI::refillList()
{
    Combo1.Clear();
    for (const std::string& line : vars().FormulaLines)
        Combo1.AddItem(fromUtf8(line));
    // The list stands on the edited letter, for stepping with the arrow keys.
    const QSignalBlocker quiet(Combo1);
    Combo1.setCurrentIndex(vars().XX >= 0 ? vars().XX : -1);
}

bool SUUSIKI::writeVariableFile()
{
    const auto bytes = lineSetBytes(vars().FormulaLines);
    const auto target = variableFileForWriting(prog.place);
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    return bytes && runtime::saveFile(target, *bytes);
}

bool SUUSIKI::storeLine(const QString& formula)
{
    FormulaState& v = vars();
    FormulaLineSet next = v.FormulaLines;
    next[v.XX] = makeLine(v.XX, formula.toStdString());
    if (!lineSetBytes(next)) {
        // A character the file cannot hold: the line stays as it was, and
        // the result line shows no result beside the refused formula.
        showResult(QString());
        Warn(QStringLiteral("使えない文字があります！"), &Text2);
        return false;
    }
    v.FormulaLines = next;
    refillList();
    const QString stored = fromUtf8(formulaOf(next[v.XX]));
    Combo1.setText(stored);
    Text2.setText(stored);
    if (!writeVariableFile() && !warnedUnwritable_) {
        warnedUnwritable_ = true;
        Warn(QStringLiteral("保存できませんでした！"), &Text2);
    }
    return true;
}

void SUUSIKI::Command1_Click()
{
    FormulaState& v = vars();
    if (v.XX < 0 || v.XX >= kFormulaCount)
        return;
    if (!storeLine(Text2.Text()))
        return;
    v.ZZ = formulaOf(v.FormulaLines[v.XX]);
    v.NN = v.ZZ;
    if (!v.ZZ.empty())
        focusText2AtEnd();

    const formula::Evaluation e = formula::evaluate(v.NN, formulasOf(v.FormulaLines), v.XX);
    v.NN = e.NN;
    v.EQ = e.EQ;
    v.resultCurrent = true;
    if (e.failed)
        Beep();
    showResult(fromUtf8(e.caption));
}

void SUUSIKI::showResult(const QString& caption)
{
    Label1.setCaption(caption);
    // A huge result (Exp(709)) has hundreds of digits: its middle gives way,
    // so that the leading digits stay in sight; the full text stays the name.
    const QFontMetrics metrics(Label1.font());
    const int room = Label1.contentsRect().width() - 2 * metrics.averageCharWidth();
    const bool fits = metrics.horizontalAdvance(caption) <= room;
    Label1.setText(fits ? caption : metrics.elidedText(caption, Qt::ElideMiddle, room));
    Label1.setAccessibleName(fits ? QString() : caption);
    Label1.setToolTip(fits ? QString() : caption);
}

void SUUSIKI::Combo1_Click()
{
    FormulaState& v = vars();
    v.XX = Combo1.currentIndex();
    if (v.XX >= 0) {
        const std::string f = formulaOf(v.FormulaLines[v.XX]);
        v.NN = f.empty() ? "0" : f;
        v.resultCurrent = false;
        showLetter(v.XX, 3);
        Combo1.setText(fromUtf8(f));
        Text2.setText(fromUtf8(f));
    }
    focusText2AtEnd();
}

void SUUSIKI::Combo1_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13 || vars().XX < 0)
        return;
    KeyAscii = 0;
    warnedUnwritable_ = false;
    Text2.setText(Combo1.Text());
    Command1_Click();
    Combo1.SetFocus();
    if (QLineEdit* edit = Combo1.lineEdit())
        edit->end(false);
}

void SUUSIKI::Text2_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13 || vars().XX < 0)
        return;
    KeyAscii = 0;
    warnedUnwritable_ = false;
    Command1_Click();
    focusText2AtEnd();
}

void SUUSIKI::Command34_Click()
{
    const forms::MsgResult answer =
        MsgBox(QStringLiteral("本当に変数を全部クリアしてよろしいですか？"), forms::MsgButtons::OKCancel,
               forms::MsgIcon::None, QStringLiteral("Check"));
    if (answer != forms::MsgResult::OK) {
        Text2.SetFocus();
        return;
    }
    Beep();
    warnedUnwritable_ = false;
    vars().FormulaLines = emptyLineSet();
    refillList();
    if (!writeVariableFile()) {
        warnedUnwritable_ = true;
        Warn(QStringLiteral("保存できませんでした！"), &Text2);
    }
    Combo1.setText(QString());
    Text2.setText(QString());
    Command1_Click();
    Text2.SetFocus();
}

void SUUSIKI::Command37_Click()
{
    prog.QUORVEL_.Show();
    Unload();
}

void SUUSIKI::Command2_Click() { End(); }

} // namespace quorvel
