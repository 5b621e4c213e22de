// The formula window driven through the program: hand-over from the keypad,
// DATT.DAT, storing and computing, clearing, the insert keypad and what
// screen readers hear. Its toolbar is suusiki_toolbar_test.cpp.
#include "formula_window_fixture.h"

#include "support/accessible_names.h"

#include <QDir>
#include <functional>
#include <optional>
#include <QSet>
#include <sys/stat.h>

using forms::MsgResult;
using forms::testing::chooseItem;
using forms::testing::click;
using forms::testing::clickToolbar;
using forms::testing::typeText;
using formula_window_test::FormulaWindow;

namespace {

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

} // namespace
