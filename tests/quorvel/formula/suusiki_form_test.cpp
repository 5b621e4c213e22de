// The formula window driven through the program: hand-over from the keypad,
// DATT.DAT, storing and computing, clearing, the insert keypad, formula
// files, the print and the help panels.
#include "support/qt_print.h"
#include "forms/testing/form_test.h"
#include "support/accessible_names.h"
#include "quorvel/program.h"

#include <QDir>
#include <functional>
#include <optional>
#include <QSet>
#include <QFile>
#include <sys/stat.h>

using forms::MsgResult;
using forms::testing::chooseItem;
using forms::testing::click;
using forms::testing::clickToolbar;
using forms::testing::typeText;

namespace {

class FormulaWindow : public forms::testing::FormTest {
protected:
    // Starts the program and opens the formula window from the keypad.
    quorvel::SUUSIKI& open()
    {
        program = std::make_unique<quorvel::Program>(rec, dir.path());
        program->QUORVEL_.Show();
        click(program->QUORVEL_->Command30);
        return *program->SUUSIKI_.get();
    }
    quorvel::SUUSIKI& form() { return *program->SUUSIKI_.get(); }
    quorvel::FormulaState& vars() { return program->formula; }

    QByteArray bytesOf(const QString& name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A file with the given formulas (letter index -> formula), the rest empty.
    static QByteArray setBytes(std::initializer_list<std::pair<int, const char*>> formulas)
    {
        QByteArray out;
        for (int i = 0; i < 26; ++i) {
            QByteArray f;
            for (const auto& [k, text] : formulas)
                if (k == i)
                    f = text;
            out += "\"" + QByteArray(1, char('A' + i)) + ": " + f + "\"\r\n";
        }
        return out;
    }
    // Types a formula into the formula box and stores it with Enter.
    void enter(const QString& formula)
    {
        form().Text2.setText(QString());
        typeText(form().Text2, formula + "\r");
    }
    QString result() { return form().Label1.Caption(); }
    // A formula of n characters: 1+1+...
    static QByteArray formulaOfLength(int n)
    {
        const QByteArray head = n % 2 ? "1" : "12";
        return head + QByteArray("+1").repeated((n - int(head.size())) / 2);
    }

    std::unique_ptr<quorvel::Program> program;
};

TEST_F(FormulaWindow, HandOverKeepsTheKeypadAndComesBack)
{
    program = std::make_unique<quorvel::Program>(rec, dir.path());
    program->QUORVEL_.Show();
    quorvel::QUORVEL& keypad = *program->QUORVEL_;
    forms::testing::typeKeypad(keypad.Text1, "12+");
    keypad.MoveTo(600, 450);
    const QByteArray windowFile = bytesOf("LCTDX.DAT");
    click(keypad.Command30);

    ASSERT_TRUE(program->SUUSIKI_.Loaded());
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_TRUE(form().isActiveForm());
    EXPECT_EQ(form().Caption(), "Tesk電卓★★★　数式／関数");
    EXPECT_EQ(form().Left(), 600);
    EXPECT_EQ(form().Top(), 450);

    click(form().Command37);   // "戻る"
    EXPECT_FALSE(program->SUUSIKI_.Loaded());
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_TRUE(keypad.isActiveForm());
    forms::testing::typeKeypad(keypad.Text1, "3\r");   // the pending 12+ survived
    EXPECT_EQ(keypad.Label1.Caption(), "15.");

    click(keypad.Command30);
    form().close();                  // the close box also goes back
    EXPECT_FALSE(program->SUUSIKI_.Loaded());
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_FALSE(rec.ended());

    click(keypad.Command30);
    click(form().Command2);          // "終了" ends without saving the window file
    EXPECT_TRUE(rec.ended());
    EXPECT_EQ(bytesOf("LCTDX.DAT"), windowFile);
}

TEST_F(FormulaWindow, PlacedLeftOfTheScreenEdge)
{
    rec.setScreenSizeTwips(QSize(12000, 9000));
    program = std::make_unique<quorvel::Program>(rec, dir.path());
    program->QUORVEL_.Show();
    program->QUORVEL_->MoveTo(9000, -300);
    click(program->QUORVEL_->Command30);
    EXPECT_NEAR(form().Left(), 12000 - form().Width() - 20, 15);   // whole pixels
    EXPECT_EQ(form().Top(), -300);
}

TEST_F(FormulaWindow, VariableFileAtOpening)
{
    QByteArray wrongB = setBytes({{0, "7"}, {2, "C+1"}});
    wrongB.replace("\"B: \"", "\"X: 9\"");
    // A set where A holds 7 and C the given record.
    auto withC = [](const QByteArray& record) {
        QByteArray bytes = setBytes({{0, "7"}});
        return bytes.replace("\"C: \"", "\"" + record + "\"");
    };
    const QByteArray longest = formulaOfLength(quorvel::kFormulaMaxLength);
    const QByteArray tooLong = formulaOfLength(quorvel::kFormulaMaxLength + 1);
    ASSERT_EQ(longest.size(), quorvel::kFormulaMaxLength);
    ASSERT_EQ(tooLong.size(), quorvel::kFormulaMaxLength + 1);
    const struct Row {
        const char* name;
        std::optional<QByteArray> file;   // nullopt: missing
        bool warned;
        QString lineA, lineC;
    } rows[] = {
        {"missing", std::nullopt, false, "A: ", "C: "},
        {"whole", setBytes({{0, "7"}, {2, "C+1"}}), false, "A: 7", "C: C+1"},
        {"wrong prefix", wrongB, true, "A: 7", "C: C+1"},
        {"25 records", setBytes({{0, "7"}}).left(setBytes({}).size() - 7), true, "A: 7", "C: "},
        {"not code page 932", withC("C: \x85\x40"), true, "A: 7", "C: "},
        {"NUL in a record", withC(QByteArray("C: 1\0+2", 8)), true, "A: 7", "C: "},
        {"line break in a record", withC("C: 1+\r\n2"), true, "A: 7", "C: "},
        {"TAB in a record", withC("C: 1\t+2"), true, "A: 7", "C: "},
        {"one character too long", withC("C: " + tooLong), true, "A: 7", "C: "},
        {"longest formula", withC("C: " + longest), false, "A: 7", "C: " + longest},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QFile::remove(dir.filePath("DATT.DAT"));
        if (r.file)
            writeBytes("DATT.DAT", *r.file);
        const size_t before = rec.messages().size();
        if (r.warned)
            rec.answerNextMessage(MsgResult::OK);
        auto& f = open();
        ASSERT_EQ(rec.messages().size(), before + (r.warned ? 1 : 0));
        if (r.warned) {
            EXPECT_EQ(rec.messages().back().text, "ﾌｧｲﾙを読み込めません！");
            EXPECT_EQ(rec.messages().back().title, "Check");
        }
        ASSERT_EQ(f.Combo1.ListCount(), 26);
        EXPECT_EQ(f.Combo1.List(0), r.lineA);
        EXPECT_EQ(f.Combo1.List(1), "B: ");
        EXPECT_EQ(f.Combo1.List(2), r.lineC);
        EXPECT_EQ(f.Combo1.List(25), "Z: ");
        EXPECT_EQ(f.Label2.Caption(), "A:");
        EXPECT_EQ(f.Text2.Text(), r.lineA.mid(3));
        EXPECT_EQ(forms::testing::focusName(f), "Text2");
        // Opening writes only a missing file; a damaged one waits for a store.
        EXPECT_EQ(bytesOf("DATT.DAT"), r.file ? *r.file : setBytes({}));
        typeText(f.Text2, "\r");
        EXPECT_EQ(result(), r.lineA == "A: 7" ? "7. " : "0. ");
        EXPECT_EQ(bytesOf("DATT.DAT"), setBytes({{0, r.lineA.mid(3).toUtf8().constData()},
                                                 {2, r.lineC.mid(3).toUtf8().constData()}}));
        click(f.Command37);
    }
}

TEST_F(FormulaWindow, StoresAndComputesFormulasForAAndB)
{
    auto& f = open();
    enter("153*2");
    EXPECT_EQ(result(), "306. ");
    chooseItem(f.Combo1, 1);
    EXPECT_EQ(f.Label2.Caption(), "B: ");
    EXPECT_EQ(vars().NN, "0");
    EXPECT_EQ(f.Text2.Text(), "");
    EXPECT_EQ(result(), "306. ");   // choosing does not compute
    enter("A/4+1");
    EXPECT_EQ(result(), "77.5 ");
    EXPECT_EQ(f.Combo1.List(0), "A: 153*2");
    EXPECT_EQ(f.Combo1.List(1), "B: A/4+1");
    EXPECT_EQ(bytesOf("DATT.DAT"), setBytes({{0, "153*2"}, {1, "A/4+1"}}));

    // Enter in the list's text field stores what it shows for the letter.
    f.Combo1.setText("B*2");
    typeText(f.Combo1, "\r");
    EXPECT_EQ(f.Text2.Text(), "B*2");
    EXPECT_EQ(result(), "文法エラー！自己変数");
    EXPECT_EQ(f.Combo1.List(1), "B: B*2");
    EXPECT_EQ(forms::testing::focusName(f), "Combo1");
    EXPECT_GE(rec.beeps(), 1);

    // Closed and opened again: the stored lines come back from the file.
    click(f.Command37);
    click(program->QUORVEL_->Command30);
    EXPECT_EQ(form().Combo1.List(1), "B: B*2");
    EXPECT_EQ(form().Text2.Text(), "153*2");
}

TEST_F(FormulaWindow, ClearAllAsksFirst)
{
    auto& f = open();
    enter("7");
    chooseItem(f.Combo1, 3);
    enter("A+1");
    rec.answerNextMessage(MsgResult::Cancel);
    click(f.Command34);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text, "本当に変数を全部クリアしてよろしいですか？");
    EXPECT_EQ(rec.messages()[0].buttons, forms::MsgButtons::OKCancel);
    EXPECT_EQ(rec.messages()[0].icon, forms::MsgIcon::None);
    EXPECT_EQ(rec.messages()[0].title, "Check");
    EXPECT_EQ(f.Combo1.List(3), "D: A+1");
    EXPECT_EQ(result(), "8. ");

    rec.answerNextMessage(MsgResult::OK);
    click(f.Command34);
    EXPECT_EQ(bytesOf("DATT.DAT"), setBytes({}));
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(f.Combo1.List(i), QString(QChar('A' + i)) + ": ");
    EXPECT_EQ(f.Label2.Caption(), "D: ");   // still the letter chosen before
    EXPECT_EQ(result(), "0. ");
    EXPECT_EQ(forms::testing::focusName(f), "Text2");
}

TEST_F(FormulaWindow, InsertKeypadAndEditingKeys)
{
    auto& f = open();
    f.Text2.setText("12");
    f.Text2.setSelStart(1);
    click(*f.insertKey[11]);   // "Sqr"
    EXPECT_EQ(f.Text2.Text(), "1Sqr(2");
    EXPECT_EQ(f.Text2.SelStart(), 5);
    EXPECT_EQ(forms::testing::focusName(f), "Text2");

    f.Text2.setText("abcd");
    f.Text2.setSelection(2, 2);
    click(*f.insertKey[29]);   // "＋"
    EXPECT_EQ(f.Text2.Text(), "ab+cd");
    EXPECT_EQ(f.Text2.SelStart(), 3);

    click(*f.Command33[0]);
    click(*f.Command33[25]);
    EXPECT_EQ(f.Text2.Text(), "ab+AZcd");
    click(f.Command35);        // "BS"
    EXPECT_EQ(f.Text2.Text(), "ab+Acd");
    f.Text2.setSelStart(1);
    click(f.Command36);        // "DEL"
    EXPECT_EQ(f.Text2.Text(), "a+Acd");
    EXPECT_EQ(f.Text2.SelStart(), 1);

    // Built from the keys and computed.
    click(f.Command32);        // "CL"
    for (int n : {14, 17, 13})  // 7 * Pi
        click(*f.insertKey[n]);
    click(f.Command1);
    EXPECT_EQ(f.Text2.Text(), "7*Pi");
    EXPECT_EQ(result(), "21.9911485751285 ");
    click(f.Command32);
    EXPECT_EQ(result(), "");
    EXPECT_EQ(f.Text2.Text(), "");
    EXPECT_EQ(f.Combo1.Text(), "");
    EXPECT_EQ(f.Combo1.List(0), "A: 7*Pi");   // stored only by a store

    // Every insert key in turn: its caption and the half-width text it puts in.
    QString captions;
    for (int n = 3; n <= 31; ++n) {
        captions += f.insertKey[n]->Caption();
        click(*f.insertKey[n]);
    }
    EXPECT_EQ(captions, "AbsAtnCosExpFixIntLogSinSqrTanPi７８９＊４５６／１２３－０.^＋（）");
    EXPECT_EQ(f.Text2.Text(), "Abs(Atn(Cos(Exp(Fix(Int(Log(Sin(Sqr(Tan(Pi789*456/123-0.^+()");
    EXPECT_EQ(f.Text2.SelStart(), f.Text2.Text().size());
}

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

TEST_F(FormulaWindow, UnwritableStoreWarnsAndKeepsListAndLinesTogether)
{
    auto& f = open();
    // A character the file cannot hold: its own warning, the line, the list
    // and DATT.DAT stay, and neither the result line nor the print pairs the
    // refused formula with an old result.
    enum How { Typed, Pasted, InList };
    const struct {
        const char* name;
        QString formula;
        How how;
    } refused[] = {
        {"double quote", "1\"2", Typed},
        {"emoji", "1+😀", Pasted},
        {"beyond code page 932", "𠮷+1", Pasted},
        {"NUL", QString::fromUtf8("1\0+2", 4), Pasted},
        {"TAB", "1\t+2", Pasted},
        {"line break", "1+\r\n2", Pasted},
        {"DEL", "3\x7F", Pasted},
        {"in the list's text field", "1\"2", InList},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.name);
        enter("5");
        ASSERT_EQ(result(), "5. ");
        const QByteArray datt = bytesOf("DATT.DAT");
        const size_t messages = rec.messages().size();
        const int beeps = rec.beeps();
        rec.answerNextMessage(MsgResult::OK);
        if (r.how == Typed) {
            enter(r.formula);
        } else if (r.how == Pasted) {
            f.Text2.setText(QString());
            f.Text2.insert(r.formula);
            typeText(f.Text2, "\r");
        } else {
            f.Combo1.setText(r.formula);
            typeText(f.Combo1, "\r");
        }
        ASSERT_EQ(rec.messages().size(), messages + 1);
        EXPECT_EQ(rec.messages().back().text, "使えない文字があります！");
        EXPECT_EQ(rec.messages().back().icon, forms::MsgIcon::Exclamation);
        EXPECT_EQ(rec.messages().back().title, "Check");
        EXPECT_EQ(rec.beeps(), beeps + 1);
        EXPECT_EQ(f.Text2.Text(), r.formula);
        EXPECT_EQ(forms::testing::focusName(f), r.how == InList ? "Combo1" : "Text2");
        EXPECT_EQ(result(), "");
        EXPECT_EQ(f.Combo1.List(0), "A: 5");
        EXPECT_EQ(vars().FormulaLines[0], "A: 5");
        EXPECT_EQ(bytesOf("DATT.DAT"), datt);
        clickToolbar(f.Toolbar1, 3);
        EXPECT_EQ(rec.recordingPrinter().documents().back().pages[0].texts().mid(0, 2),
                  (QStringList{"A: 5", "   = 5. "}));
    }

    // A file that cannot be replaced: one warning for the whole Enter, and
    // the list and the lines still agree.
    const struct {
        const char* name;
        std::function<void()> block;
    } unwritable[] = {
        {"folder in its place",
         [&] {
             QFile::remove(dir.filePath("DATT.DAT"));
             ASSERT_TRUE(QDir(dir.path()).mkdir("DATT.DAT"));
         }},
        {"read-only file",
         [&] {
             ASSERT_TRUE(QDir(dir.path()).rmdir("DATT.DAT"));
             writeBytes("DATT.DAT", "kept");
             ASSERT_TRUE(QFile::setPermissions(dir.filePath("DATT.DAT"), QFile::ReadOwner | QFile::ReadOther));
         }},
    };
    int n = 6;
    for (const auto& u : unwritable) {
        SCOPED_TRACE(u.name);
        u.block();
        const size_t messages = rec.messages().size();
        rec.answerNextMessage(MsgResult::OK);
        enter(QString::number(n));
        ASSERT_EQ(rec.messages().size(), messages + 1);
        EXPECT_EQ(rec.messages().back().text, "保存できませんでした！");
        EXPECT_EQ(result(), QString::number(n) + ". ");
        EXPECT_EQ(f.Combo1.List(0), "A: " + QString::number(n));
        EXPECT_EQ(vars().FormulaLines[0], "A: " + QString::number(n).toStdString());
        ++n;
    }
    EXPECT_EQ(bytesOf("DATT.DAT"), "kept");
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

TEST_F(FormulaWindow, ScreenReadersHearWhatTheWindowShows)
{
    auto& f = open();
    enter("2^10");
    using forms::testing::accessibleText;
    EXPECT_EQ(forms::testing::accessibleFaults(f), forms::testing::NoFaults);
    EXPECT_EQ(accessibleText(&f.Label1), "1,024. ");
    EXPECT_EQ(accessibleText(&f.Text2), "A:");   // named by its letter label
    EXPECT_EQ(accessibleText(f.Command33[25].get()), "Z");
    EXPECT_EQ(accessibleText(f.insertKey[30].get()), "（");
    EXPECT_EQ(accessibleText(f.Toolbar1.widgetForAction(f.Toolbar1.buttonAction(3))), "変数の印刷");

    // A result of hundreds of digits keeps its leading digits in sight and
    // its full text for the screen reader; the next short one is whole again.
    enter("-Exp(709)");
    const QString huge = result();
    EXPECT_TRUE(huge.startsWith("-82,184,074,615,549,700,000,")) << huge.toStdString();
    EXPECT_TRUE(huge.endsWith(",000,000. "));
    EXPECT_TRUE(f.Label1.text().startsWith("-82,184,074,"));
    EXPECT_TRUE(f.Label1.text().contains(QChar(0x2026)));
    EXPECT_LE(f.Label1.fontMetrics().horizontalAdvance(f.Label1.text()), f.Label1.contentsRect().width());
    EXPECT_EQ(accessibleText(&f.Label1), huge);
    EXPECT_EQ(forms::testing::accessibleFaults(f), forms::testing::NoFaults);
    click(f.Command32);        // "CL"
    EXPECT_EQ(accessibleText(&f.Label1), "");
    enter("2^10");
    EXPECT_EQ(f.Label1.text(), "1,024. ");
    EXPECT_EQ(accessibleText(&f.Label1), "1,024. ");
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
