// The keypad window driven through its controls: clicks, real key events,
// LCTDX.DAT, layouts and the explanation window.
#include "forms/testing/form_test.h"
#include "forms/units.h"
#include "quorvel/keypad/explanation_text.h"
#include "quorvel/keypad/layouts.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/keypad/tesk_setumei.h"
#include "quorvel/program.h"

#include <QDir>
#include <QFile>

#include <array>

using forms::testing::click;
using forms::testing::pressKey;
using forms::testing::typeKeypad;
using forms::testing::typeText;

namespace {

class KeypadForm : public forms::testing::FormTest {
protected:
    QString file() const { return dir.filePath("LCTDX.DAT"); }

    QByteArray fileBytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void writeFile(const QByteArray& bytes) const
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Starts the program on its keypad window.
    quorvel::QUORVEL& start(forms::Services* services = nullptr)
    {
        program.reset();
        program = std::make_unique<quorvel::Program>(services ? *services : rec, dir.path());
        program->QUORVEL_.Show();
        return *program->QUORVEL_;
    }

    QString display() { return program->QUORVEL_->Label1.Caption(); }

    std::unique_ptr<quorvel::Program> program;
};

} // namespace

TEST_F(KeypadForm, FirstStartWritesDefaultsAndOpensSmall)
{
    auto& f = start();
    EXPECT_EQ(fileBytes(), QByteArray("120,120,0,,,,\r\n"));
    EXPECT_EQ(f.Left(), 120);
    EXPECT_EQ(f.Top(), 120);
    EXPECT_EQ(f.Caption(), "QUORVEL");
    EXPECT_EQ(f.Command31.Caption(), "▲");
    EXPECT_EQ(f.Command31.toolTip(), "大きい電卓へ");
    EXPECT_EQ(display(), "0.");
    EXPECT_EQ(forms::testing::focusName(f), "Text1");
}

TEST_F(KeypadForm, StoredPositionAndLayout)
{
    struct Row {
        const char* name;
        QByteArray stored;
        double left, top;
        const char* caption31;
        QByteArray afterSwitch; // file after one click on the layout button
    };
    const Row rows[] = {
        {"big", "300,450,1,,,,\r\n", 300, 450, "▼", "300,450,0,,,,\r\n"},
        {"small", "600,90,0,,,,\r\n", 600, 90, "▲", "600,90,1,,,,\r\n"},
        {"layout 2 applies neither", "300,450,2,,,,\r\n", 300, 450, "▲", "300,450,2,,,,\r\n"},
        {"spares go back", "30,45,1,5,\"word\",,\r\n", 30, 45, "▼", "30,45,0,5,\"word\",,\r\n"},
        {"three fields take the defaults", "300,450,1\r\n", 120, 120, "▲", "120,120,1,,,,\r\n"},
    };
    for (const auto& r : rows) {
        writeFile(r.stored);
        auto& f = start();
        EXPECT_EQ(f.Left(), r.left) << r.name;
        EXPECT_EQ(f.Top(), r.top) << r.name;
        EXPECT_EQ(f.Command31.Caption(), QString::fromUtf8(r.caption31)) << r.name;
        click(f.Command31);
        EXPECT_EQ(fileBytes(), r.afterSwitch) << r.name;
        EXPECT_EQ(forms::testing::focusName(f), "Text1") << r.name;
        program.reset();
    }
}

TEST_F(KeypadForm, LayoutSwitchSavesTheCurrentPosition)
{
    auto& f = start();
    f.MoveTo(-600, 300); // partly beyond the left edge: stored as it is
    click(f.Command31);
    EXPECT_EQ(fileBytes(), QByteArray("-600,300,1,,,,\r\n"));
    EXPECT_EQ(f.Command31.Caption(), "▼");
    EXPECT_EQ(f.Command31.toolTip(), "小さい電卓へ");
    EXPECT_EQ(f.Left(), -600); // the window keeps its place
    click(f.Command31);
    EXPECT_EQ(fileBytes(), QByteArray("-600,300,0,,,,\r\n"));
    EXPECT_FALSE(rec.ended());
}

TEST_F(KeypadForm, ClosingClampsIntoTheScreenAndEnds)
{
    struct Row {
        const char* name;
        double left, top;   // -1: 300 beyond the right or bottom edge
        bool closeBox;
        double wantLeft, wantTop; // -1: screen minus the window
    };
    const Row rows[] = {
        {"inside, OFF", 1500, 900, false, 1500, 900},
        {"300 beyond the right edge, OFF", -1, 900, false, -1, 900},
        {"above the top, close box", 1500, -300, true, 1500, 0},
        {"left of the screen, close box", -450, 900, true, 0, 900},
        {"below the bottom, OFF", 1500, -1, false, 1500, -1},
    };
    for (const auto& r : rows) {
        forms::testing::RecordingServices local;
        local.setScreenSizeTwips(QSize(19200, 10800));
        auto& f = start(&local);
        const double w = f.Width(), h = f.Height();
        f.MoveTo(r.left == -1 ? 19200 - w + 300 : r.left, r.top == -1 ? 10800 - h + 300 : r.top);
        if (r.closeBox)
            f.close();
        else
            click(f.Command25);
        const double wantLeft = r.wantLeft == -1 ? 19200 - w : r.wantLeft;
        const double wantTop = r.wantTop == -1 ? 10800 - h : r.wantTop;
        EXPECT_EQ(fileBytes(), QStringLiteral("%1,%2,0,,,,\r\n").arg(wantLeft).arg(wantTop).toLatin1())
            << r.name;
        EXPECT_TRUE(local.ended()) << r.name;
        EXPECT_TRUE(local.unscripted().isEmpty()) << r.name;
        EXPECT_TRUE(local.unhandledErrors().isEmpty()) << r.name;
        program.reset();
    }
}

TEST_F(KeypadForm, LargerThanTheScreenGetsNegativeEdges)
{
    rec.setScreenSizeTwips(QSize(3000, 6000));
    auto& f = start();
    click(f.Command31); // big: 5040 x 7960
    const double w = f.Width(), h = f.Height();
    click(f.Command25);
    EXPECT_EQ(fileBytes(), QStringLiteral("%1,%2,1,,,,\r\n").arg(3000 - w).arg(6000 - h).toLatin1());
    EXPECT_LT(3000 - w, 0);
}

TEST_F(KeypadForm, UnwritableWindowFileIsSkipped)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("LCTDX.DAT")); // cannot be read nor replaced
    auto& f = start();
    EXPECT_EQ(f.Left(), 120);
    EXPECT_EQ(f.Command31.Caption(), "▲");
    click(f.Command31);
    EXPECT_EQ(f.Command31.Caption(), "▼");
    click(f.Command25);
    EXPECT_TRUE(rec.ended());
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(KeypadForm, NumericKeypadKeys)
{
    struct Row {
        const char* name;
        QString keypad;       // typed on the numeric keypad first
        int qtKey;            // then this key (0: none)
        Qt::KeyboardModifiers mods;
        const char* display;
    };
    const Row rows[] = {
        {"digits and point", "12.5", 0, {}, "12.5"},
        {"zero", "100", 0, {}, "100."},
        {"add and Enter", "12+3\r", 0, {}, "15."},
        {"subtract", "12-3\r", 0, {}, "9."},
        {"multiply", "12*3\r", 0, {}, "36."},
        {"divide", "12/3\r", 0, {}, "4."},
        {"Return", "7+1", Qt::Key_Return, Qt::NoModifier, "8."},
        {"keypad equals", "7*6", Qt::Key_Equal, Qt::KeypadModifier, "42."},
        {"Home clears all", "7+1\r", Qt::Key_Home, Qt::NoModifier, "0."},
        {"Shift+keypad 7 as Home", "7+1\r", Qt::Key_Home, Qt::KeypadModifier | Qt::ShiftModifier, "0."},
        {"main keyboard digit does nothing", "4", Qt::Key_5, Qt::NoModifier, "4."},
        {"main keyboard plus does nothing", "4", Qt::Key_Plus, Qt::ShiftModifier, "4."},
        {"main keyboard equals does nothing", "4+1", Qt::Key_Equal, Qt::NoModifier, "1."},
        {"shift keeps the keypad digit", "4", Qt::Key_2, Qt::KeypadModifier | Qt::ShiftModifier, "42."},
        {"Backspace is no key", "45", Qt::Key_Backspace, Qt::NoModifier, "45."},
    };
    for (const auto& r : rows) {
        auto& f = start();
        typeKeypad(f.Text1, r.keypad);
        if (r.qtKey)
            pressKey(f.Text1, r.qtKey, r.mods);
        EXPECT_EQ(display(), QString::fromUtf8(r.display)) << r.name;
        program.reset();
    }
}

TEST_F(KeypadForm, HomeClearsTheMemoryToo)
{
    auto& f = start();
    typeKeypad(f.Text1, "5");
    click(f.Command20); // M+
    EXPECT_EQ(f.Label2.Caption(), "memory");
    EXPECT_EQ(forms::testing::focusName(f), "Text1");
    pressKey(f.Text1, Qt::Key_Home);
    EXPECT_EQ(f.Label2.Caption(), "");
    EXPECT_EQ(f.calc.MEM1, 0);
}

TEST_F(KeypadForm, ClicksAndZeroDivideBox)
{
    auto& f = start();
    for (auto* b : {&f.Command5, &f.Command17, &f.Command10})
        click(*b);
    rec.answerNextMessage(forms::MsgResult::OK);
    click(f.Command14);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text, "ゼロ割!");
    EXPECT_EQ(rec.messages()[0].buttons, forms::MsgButtons::OKOnly);
    EXPECT_EQ(rec.messages()[0].icon, forms::MsgIcon::None);
    EXPECT_EQ(rec.messages()[0].title, "QUORVEL");
    EXPECT_EQ(display(), "0.");
    click(f.Command2);
    click(f.Command14);
    EXPECT_EQ(display(), "2.5");

    // Error display from an operation key, then √ and percent by click.
    for (auto* b : {&f.Command12, &f.Command9, &f.Command24})
        click(*b);
    EXPECT_EQ(display(), "3.");
    for (auto* b : {&f.Command2, &f.Command10, &f.Command10, &f.Command13, &f.Command5, &f.Command18})
        click(*b);
    EXPECT_EQ(display(), "210.");
}

TEST_F(KeypadForm, HandOverAndExplanationLeaveTheWindowFile)
{
    auto& f = start();
    f.MoveTo(900, 600);
    click(f.Command30);
    EXPECT_FALSE(f.isVisible());
    click(program->SUUSIKI_->Command37);
    EXPECT_TRUE(f.isVisible());
    rec.onNextModal("TeskSETUMEI", [](forms::Form& form) { form.Unload(); });
    click(f.Command28);
    EXPECT_EQ(fileBytes(), QByteArray("120,120,0,,,,\r\n"));
}

TEST_F(KeypadForm, ExplanationWindowSizesToTheLayout)
{
    struct Row {
        const char* name;
        bool big;
        int width, height; // outer, twips
        double fontSize, labelWidth, labelHeight, left, top, buttonWidth, buttonHeight;
    };
    const Row rows[] = {
        {"small", false, 5055, 6435, 9, 4695, 5295, 3840, 5520, 855, 375},
        {"big", true, 5925, 8100, 12, 5535, 6855, 4560, 7080, 1095, 450},
    };
    for (const auto& r : rows) {
        auto& f = start();
        if (r.big)
            click(f.Command31);
        typeKeypad(f.Text1, "5+7");
        rec.onNextModal("TeskSETUMEI", [&](forms::Form& form) {
            auto& e = static_cast<quorvel::TeskSETUMEI&>(form);
            EXPECT_EQ(e.Caption(), "説明");
            EXPECT_EQ(e.frameGeometry().width(), forms::px(r.width)) << r.name;
            EXPECT_EQ(e.frameGeometry().height(), forms::px(r.height)) << r.name;
            EXPECT_EQ(e.Label1.Caption().toStdString(), quorvel::explanationText());
            EXPECT_EQ(e.Label1.FontName(), "ＭＳ ゴシック");
            EXPECT_EQ(e.Label1.FontSize(), r.fontSize) << r.name;
            EXPECT_EQ(e.Label1.Left(), 120);
            EXPECT_EQ(e.Label1.Top(), 120);
            EXPECT_EQ(e.Label1.Width(), r.labelWidth) << r.name;
            EXPECT_EQ(e.Label1.Height(), r.labelHeight) << r.name;
            EXPECT_EQ(e.Command1.Caption(), "閉じる");
            EXPECT_EQ(e.Command1.FontName(), "ＭＳ Ｐゴシック");
            EXPECT_EQ(e.Command1.FontSize(), r.fontSize) << r.name;
            EXPECT_EQ(e.Command1.Left(), r.left) << r.name;
            EXPECT_EQ(e.Command1.Top(), r.top) << r.name;
            EXPECT_EQ(e.Command1.Width(), r.buttonWidth) << r.name;
            EXPECT_EQ(e.Command1.Height(), r.buttonHeight) << r.name;
            click(e.Command1);
        });
        const auto modalsBefore = rec.modalsRun().size();
        click(f.Command28);
        EXPECT_EQ(rec.modalsRun().size(), modalsBefore + 1) << r.name;
        // Back on the keypad: the entry was reset, the pending addition kept.
        EXPECT_EQ(display(), "0.") << r.name;
        EXPECT_EQ(f.calc.N, "0") << r.name;
        typeKeypad(f.Text1, "3\r");
        EXPECT_EQ(display(), "8.") << r.name;
        program.reset();
    }
}

TEST_F(KeypadForm, ExplanationTextLines)
{
    const std::string text = quorvel::explanationText();
    EXPECT_EQ(text.rfind("以上"), text.size() - std::string("以上").size()); // no line end after the last
    std::vector<std::string> lines;
    for (std::size_t at = 0;;) {
        const auto end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos)
            break;
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "　");
    EXPECT_NE(lines[1].find("Ver 2.35"), std::string::npos);
    EXPECT_EQ(lines[3], std::string(43, '-'));
    EXPECT_EQ(lines[19].substr(0, 3), "  H"); // two ordinary spaces
    EXPECT_EQ(lines[18], "　　　　　ﾘﾀｰﾝｷｰ　：　＝");
}

TEST_F(KeypadForm, LayoutGeometry)
{
    auto& f = start();
    for (bool big : {false, true, true, false}) { // twice in a row changes nothing
        if (big)
            f.BIG();
        else
            f.SMALL();
        const char* name = big ? "BIG" : "SMALL";
        EXPECT_EQ(f.frameGeometry().width(), forms::px(big ? quorvel::kBigWindowWidth : quorvel::kSmallWindowWidth)) << name;
        EXPECT_EQ(f.frameGeometry().height(), forms::px(big ? quorvel::kBigWindowHeight : quorvel::kSmallWindowHeight)) << name;
        for (const auto& c : quorvel::keypadPlaces()) {
            const auto* control = f.findControl(c.name);
            ASSERT_NE(control, nullptr) << c.name;
            const quorvel::Place& p = big ? c.big : c.small;
            const QString at = QStringLiteral("%1 %2").arg(name, c.name);
            EXPECT_EQ(control->Left(), p.left) << at.toStdString();
            EXPECT_EQ(control->Top(), p.top) << at.toStdString();
            EXPECT_EQ(control->Width(), p.width) << at.toStdString();
            EXPECT_EQ(control->Height(), p.height) << at.toStdString();
            EXPECT_EQ(control->widget()->geometry(),
                      QRect(forms::px(p.left), forms::px(p.top), forms::px(p.width), forms::px(p.height)))
                << at.toStdString();
            if (p.fontSize) {
                EXPECT_EQ(control->FontSize(), p.fontSize) << at.toStdString();
                EXPECT_EQ(control->FontBold(), c.bold) << at.toStdString();
            }
        }
        // The keyboard box lies inside the frame's rectangle, beneath it.
        const QRect frame = f.Frame1.geometry();
        EXPECT_TRUE(frame.contains(f.Text1.geometry())) << name;
        EXPECT_EQ(f.Text1.Top(), big ? quorvel::kText1BigTop : quorvel::kText1SmallTop) << name;
        const auto siblings = f.Frame1.parentWidget()->children();
        EXPECT_LT(siblings.indexOf(&f.Text1), siblings.indexOf(&f.Frame1)) << name;
        EXPECT_TRUE(f.Frame1.autoFillBackground());
        EXPECT_EQ(f.Command31.Caption(), big ? "▼" : "▲");
    }
    // Some rows written out here, so that a slip in the layout table shows.
    struct Spot {
        const char* name;
        bool big;
        double left, top, width, height, font;
        bool bold;
    };
    const Spot spots[] = {
        {"Command13", true, 3040, 5760, 700, 1545, 26, false}, {"Command13", false, 1560, 2840, 375, 800, 9, false},
        {"Command10", true, 240, 6600, 1530, 700, 26, true},   {"Command10", false, 120, 3260, 810, 375, 9, true},
        {"Command22", true, 240, 2280, 710, 700, 20, false},   {"Command23", true, 1080, 2280, 720, 700, 20, false},
        {"Command11", false, 990, 3260, 375, 375, 11, true},   {"Command27", false, 990, 1500, 375, 375, 10, true},
        {"Command28", false, 990, 1080, 255, 375, 8, true},    {"Command26", true, 3760, 2280, 960, 700, 24, false},
        {"Command12", true, 2800, 3120, 960, 700, 26, false},  {"Command31", true, 4230, 120, 540, 495, 22, false},
        {"Label1", false, 60, 155, 2235, 520, 11, true},       {"Label2", true, 2280, 800, 2055, 460, 22, false},
        {"Frame1", true, 100, 600, 4740, 1455, 0, false},      {"Command7", true, 240, 4080, 700, 700, 26, true},
    };
    for (const auto& s : spots) {
        s.big ? f.BIG() : f.SMALL();
        const auto* c = f.findControl(s.name);
        ASSERT_NE(c, nullptr) << s.name;
        EXPECT_EQ((std::array{c->Left(), c->Top(), c->Width(), c->Height()}),
                  (std::array{s.left, s.top, s.width, s.height}))
            << s.name << (s.big ? " big" : " small");
        if (s.font) {
            EXPECT_EQ(c->FontSize(), s.font) << s.name;
            EXPECT_EQ(c->FontBold(), s.bold) << s.name;
        }
    }
    f.SMALL();
    EXPECT_EQ(f.frameGeometry().size(), QSize(forms::px(2655), forms::px(4215)));
    f.BIG();
    EXPECT_EQ(f.frameGeometry().size(), QSize(forms::px(5040), forms::px(7960)));

    // Faces and fixed captions.
    EXPECT_EQ(f.Command28.FontName(), "ＭＳ ゴシック");
    EXPECT_EQ(f.Command11.FontName(), "ＭＳ 明朝");
    EXPECT_EQ(f.Command13.FontName(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(f.Label1.FontName(), "ＭＳ Ｐゴシック");
    for (const auto& c : quorvel::keypadPlaces())
        if (c.caption) {
            EXPECT_EQ(static_cast<const forms::CommandButton*>(f.findControl(c.name)->widget())->Caption(),
                      QString::fromUtf8(c.caption));
        }
}
