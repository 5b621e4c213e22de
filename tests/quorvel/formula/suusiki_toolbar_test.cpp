// The formula window's toolbar driven through the program: formula files,
// the print and the help panels.
#include "formula_window_fixture.h"

#include "support/accessible_names.h"

#include <QDir>
#include <functional>
#include <optional>
#include <QSet>

using forms::MsgResult;
using forms::testing::chooseItem;
using forms::testing::click;
using forms::testing::clickToolbar;
using forms::testing::typeText;
using formula_window_test::FormulaWindow;

namespace {

TEST_F(FormulaWindow, FormulaFilesOpenSaveAndRefuse)
{
    auto& f = open();
    enter("1+1");
    const QByteArray datt = bytesOf("DATT.DAT");

    // Malformed files change nothing.
    QByteArray wrongLetter = setBytes({});
    wrongLetter.replace("\"C: \"", "\"D: \"");
    // Nor do a FIFO and a folder, refused unread.
    ASSERT_EQ(::mkfifo(dir.filePath("pipe.DAT").toLocal8Bit().constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.DAT"));
    // Nor do a control character or a formula too long for the boxes.
    QByteArray nul = setBytes({});
    nul.replace("\"C: \"", QByteArray("\"C: 1\0+2\"", 10));
    QByteArray lineBreak = setBytes({});
    lineBreak.replace("\"C: \"", "\"C: 1+\r\n2\"");
    const QByteArray longest = formulaOfLength(quorvel::kFormulaMaxLength);
    const QByteArray tooLong = setBytes({{2, formulaOfLength(quorvel::kFormulaMaxLength + 1).constData()}});
    const std::pair<const char*, std::optional<QByteArray>> bads[] = {
        {"bad.DAT", QByteArray("120,120,0,,,,\r\n")}, {"bad.DAT", wrongLetter}, {"bad.DAT", setBytes({}).left(100)},
        {"bad.DAT", nul}, {"bad.DAT", lineBreak}, {"bad.DAT", tooLong},
        {"pipe.DAT", std::nullopt}, {"folder.DAT", std::nullopt}};
    for (const auto& [name, bad] : bads) {
        SCOPED_TRACE(name);
        if (bad)
            writeBytes(name, *bad);
        rec.answerNextFileDialog(dir.filePath(name));
        rec.answerNextMessage(MsgResult::OK);
        clickToolbar(f.Toolbar1, 1);
        EXPECT_EQ(rec.messages().back().text, "ﾌｧｲﾙを読み込めません！");
        EXPECT_EQ(rec.messages().back().title, "Check");
        EXPECT_EQ(f.Combo1.List(0), "A: 1+1");
        EXPECT_EQ(f.Combo1.ListCount(), 26);
        EXPECT_EQ(result(), "2. ");
    }
    EXPECT_EQ(rec.fileDialogs()[0].options.filter, "数式ﾌｧｲﾙ (*.DAT)");

    // A set where B has a formula and C the longest one, A none: shown, not
    // evaluated, DATT.DAT kept.
    const QByteArray set = setBytes({{1, "Sqr(16)*2"}, {2, longest.constData()}});
    writeBytes("set.DAT", set);
    rec.answerNextFileDialog(dir.filePath("set.DAT"));
    clickToolbar(f.Toolbar1, 1);
    EXPECT_EQ(f.Combo1.List(1), "B: Sqr(16)*2");
    EXPECT_EQ(f.Combo1.List(2), "C: " + longest);
    EXPECT_EQ(f.Label2.Caption(), "A:");
    EXPECT_EQ(f.Text2.Text(), "");
    EXPECT_EQ(result(), "");
    EXPECT_EQ(bytesOf("DATT.DAT"), datt);
    EXPECT_TRUE(f.isActiveForm());   // no activation re-read the variable file

    // Saved as it was opened; the dialog asks before overwriting. A read-only
    // file is refused with a warning and stays.
    writeBytes("ro.DAT", "kept");
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("ro.DAT"), QFile::ReadOwner | QFile::ReadOther));
    for (const auto& [name, saved] : {std::pair{"copy.DAT", true}, std::pair{"ro.DAT", false}}) {
        SCOPED_TRACE(name);
        const size_t messages = rec.messages().size();
        if (!saved)
            rec.answerNextMessage(MsgResult::OK);
        rec.answerNextFileDialog(dir.filePath(name));
        clickToolbar(f.Toolbar1, 2);
        EXPECT_TRUE(rec.fileDialogs().back().save);
        EXPECT_TRUE(rec.fileDialogs().back().options.overwritePrompt);
        EXPECT_EQ(bytesOf(name), saved ? bytesOf("set.DAT") : QByteArray("kept"));
        ASSERT_EQ(rec.messages().size(), messages + (saved ? 0 : 1));
        if (!saved) {
            EXPECT_EQ(rec.messages().back().text, "保存できませんでした！");
        }
    }

    // The next store writes the opened set into DATT.DAT.
    chooseItem(f.Combo1, 1);
    typeText(f.Text2, "\r");
    EXPECT_EQ(result(), "8. ");
    EXPECT_EQ(bytesOf("DATT.DAT"), set);

    // The longest formula fills both boxes: a typed key or an insert key
    // adds nothing, and a store keeps it whole.
    chooseItem(f.Combo1, 2);
    EXPECT_EQ(f.Text2.Text(), longest);
    typeText(f.Text2, "9");
    f.Text2.setSelStart(0);
    click(*f.insertKey[11]);   // "Sqr"
    EXPECT_EQ(f.Text2.Text(), longest);
    typeText(f.Combo1, "9");
    EXPECT_EQ(f.Combo1.Text(), longest);
    typeText(f.Combo1, "\r");
    typeText(f.Text2, "\r");
    EXPECT_EQ(result(), "文法エラー！");   // longer than any formula that computes
    EXPECT_EQ(f.Combo1.List(2), "C: " + longest);
    EXPECT_EQ(bytesOf("DATT.DAT"), set);
    rec.answerNextFileDialog(dir.filePath("copy.DAT"));
    clickToolbar(f.Toolbar1, 2);
    EXPECT_EQ(bytesOf("copy.DAT"), set);
}

TEST_F(FormulaWindow, PrintShowsTheResultOfThePrintedFormulaOnly)
{
    auto& f = open();
    enter("1234.5");
    chooseItem(f.Combo1, 3);
    enter("A*2");
    chooseItem(f.Combo1, 0);
    click(f.Command1);
    clickToolbar(f.Toolbar1, 3);
    const auto& docs = rec.recordingPrinter().documents();
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].pages.size(), 1u);
    EXPECT_EQ(docs[0].pages[0].texts(),
              (QStringList{"A: 1234.5", "   = 1,234.5 ", QString(60, '-'), "A: 1234.5", "D: A*2"}));

    struct Row {
        int letter;       // chosen, then printed (evaluated first when compute)
        bool compute;
        const char* formula;   // stored for the letter first
        QStringList head;
    };
    const Row rows[] = {
        {4, false, "", {"E: 0", "   = 0. "}},                       // chosen, empty
        {3, false, nullptr, {"D: A*2", "   = 2,469. "}},             // chosen, not computed
        {5, true, "1/0", {"F: 1/0", "   = 文法エラー！0で除算"}},   // failed
        {6, true, "", {"G: 0", "   = 0. "}},                        // computed, empty
        // Beyond the number range: a message, never a text of infinity.
        {7, true, "1E308+1E308", {"H: 1E308+1E308", "   = 文法エラー！"}},
        {8, true, "10^308+10^308", {"I: 10^308+10^308", "   = 文法エラー！"}},
        {9, true, "10^400", {"J: 10^400", "   = 文法エラー！"}},
        {10, true, "Exp(1000)", {"K: Exp(1000)", "   = 文法エラー！"}},
    };
    for (const Row& r : rows) {
        chooseItem(f.Combo1, r.letter);
        if (r.formula)
            f.Text2.setText(r.formula);
        if (r.compute)
            click(f.Command1);
        clickToolbar(f.Toolbar1, 3);
        EXPECT_EQ(docs.back().pages[0].texts().mid(0, 2), r.head) << r.letter;
        // The result line shows what the print shows.
        if (r.compute) {
            EXPECT_EQ(result(), r.head[1].mid(5)) << r.letter;
        }
    }

    // A failed job warns and keeps the lines.
    rec.recordingPrinter().failNextJob("no printer");
    rec.answerNextMessage(MsgResult::OK);
    clickToolbar(f.Toolbar1, 3);
    EXPECT_EQ(rec.messages().back().text, "印刷できませんでした！");
    EXPECT_EQ(f.Combo1.ListCount(), 26);
    EXPECT_EQ(f.Combo1.List(0), "A: 1234.5");
}

// The help panels replace each other and close; Tab reaches every control
// in sight, never a key under an open panel.
TEST_F(FormulaWindow, HelpPanelsAndTabOrder)
{
    auto& f = open();
    auto reached = [&] {
        QSet<QWidget*> out;
        QWidget* w = &f.Text2;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&f) && w->isEnabled())
                out.insert(w);
            w = w->nextInFocusChain();
        } while (w != &f.Text2);
        return out;
    };
    QSet<QWidget*> keys;
    for (int n = 3; n <= 31; ++n)
        keys.insert(f.insertKey[n].get());
    for (const auto& k : f.Command33)
        keys.insert(k.get());
    QSet<QWidget*> wanted;
    for (forms::ControlCore* c : f.controls())
        if (c->canTakeFocus() && c->widget()->isVisibleTo(&f) && c != &f.Toolbar1)
            wanted.insert(c->widget());
    for (int i = 1; i <= 4; ++i)
        wanted.insert(f.Toolbar1.widgetForAction(f.Toolbar1.buttonAction(i)));
    EXPECT_EQ(wanted.size(), 4 + 2 + 8 + 29 + 26);   // toolbar, boxes, commands, insert keys, letters
    EXPECT_EQ(keys.size(), 29 + 26);

    const struct {
        const char* step;
        std::function<void()> act;
        forms::PictureBox* open;   // the panel in sight, if any
        const char* focus;
    } rows[] = {
        {"opened", [] {}, nullptr, "Text2"},
        {"input method", [&] { clickToolbar(f.Toolbar1, 4); }, &f.Picture1, "Command39"},
        {"function list replaces it", [&] { click(f.Command38); }, &f.Picture2, "Command40"},
        {"input method replaces it", [&] { clickToolbar(f.Toolbar1, 4); }, &f.Picture1, "Command39"},
        {"its close button left", [&] { f.Text2.SetFocus(); }, nullptr, "Text2"},
        {"function list", [&] { click(f.Command38); }, &f.Picture2, "Command40"},
        {"closed", [&] { click(f.Command40); }, nullptr, "Text2"},
        {"input method", [&] { clickToolbar(f.Toolbar1, 4); }, &f.Picture1, "Command39"},
        {"closed", [&] { click(f.Command39); }, nullptr, "Text2"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.step);
        r.act();
        EXPECT_EQ(f.Picture1.isVisible(), r.open == &f.Picture1);
        EXPECT_EQ(f.Picture2.isVisible(), r.open == &f.Picture2);
        EXPECT_EQ(forms::testing::focusName(f), r.focus);
        EXPECT_EQ(forms::testing::accessibleFaults(f), forms::testing::NoFaults);
        const QSet<QWidget*> got = reached();
        for (QWidget* c : wanted) {
            EXPECT_EQ(got.contains(c), !(r.open && keys.contains(c))) << c->objectName().toStdString();
        }
    }
    EXPECT_TRUE(f.Label4.Caption().startsWith("●数式／関数電卓の入力方法\r\n"));
    EXPECT_EQ(f.Label4.Caption().count("\r\n"), 11);
    EXPECT_TRUE(f.Label4.Caption().contains("+555*C\r\n\r\n●三角関数"));   // one empty line
    EXPECT_TRUE(f.Label4.Caption().endsWith("＝角度"));
    EXPECT_EQ(f.Label5.Caption().count("\r\n"), 13);
    EXPECT_TRUE(f.Label5.Caption().endsWith("　Pi ：円周率　3.14･･････\r\n"));
}

} // namespace
