// Every window of both programs as a screen reader hears it: names are what
// the user sees, never the controls' code names, and value labels announce
// their new text.
#include "support/accessible_names.h"
#include "support/sumlet_fixture.h"

#include "forms/testing/driver.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/keypad/tesk_setumei.h"
#include "quorvel/program.h"
#include "sumlet/adding/insatsu_form.h"
#include "sumlet/adding/sumlet_form.h"
#include "sumlet/shell/filectl_form.h"
#include "sumlet/shell/ver_form.h"
#include "sumlet/tally/print/ichiran_form.h"
#include "sumlet/tally/print/print_1_form.h"
#include "sumlet/tally/shukei_form.h"

#include <functional>

namespace {

using forms::testing::accessibleFaults;
using forms::testing::accessibleText;
using forms::testing::choose;
using forms::testing::click;
using forms::testing::NoFaults;
using forms::testing::typeKeypad;
using forms::testing::typeText;

using ScreenReader = sumlet::testing::SumletTest;

TEST_F(ScreenReader, EverySumletWindowSaysWhatItShows)
{
    using Open = std::function<void(sumlet::Program&, const std::function<void(forms::Form&)>&)>;
    struct Case { const char* form; Open open; };
    const auto modal = [this](const char* name, forms::Menu& item, const std::function<void(forms::Form&)>& check) {
        rec.onNextModal(name, [check](forms::Form& f) {
            check(f);
            f.Unload();
        });
        choose(item);
    };
    // The tally form with results computed from a loaded file.
    const auto computed = [this](sumlet::Program& p) {
        click(p.MENU_->Command6);
        writeFile("T.SUK", "2,\"NO\",4,5\r\n2,1\r\n4\r\n5\r\n101,3,500\r\n102,1,200\r\n101,2,800\r\n");
        rec.answerNextFileDialog(dir.filePath("T.SUK"));
        choose(p.SHUKEI_->M2);
        EXPECT_EQ(p.SHUKEI_->G3.TextMatrix(1, 1), "101 ");
    };
    const Case cases[] = {
        {"MENU", [](sumlet::Program& p, auto check) { check(*p.MENU_); }},
        {"VER", [&](sumlet::Program& p, auto check) { modal("VER", p.MENU_->MX33, check); }},
        {"FILECTL", [](sumlet::Program& p, auto check) { choose(p.MENU_->MX11); check(*p.FILECTL_); }},
        {"SUMLET", [](sumlet::Program& p, auto check) { click(p.MENU_->Command8); check(*p.SUMLET_); }},
        {"SHUKEI", [](sumlet::Program& p, auto check) { click(p.MENU_->Command6); check(*p.SHUKEI_); }},
        {"SHUKEI", [&](sumlet::Program& p, auto check) { computed(p); check(*p.SHUKEI_); }},
        {"PRINT_1", [](sumlet::Program& p, auto check) {
             click(p.MENU_->Command6);
             p.PRINT_1_.Show();
             check(*p.PRINT_1_);
         }},
        {"ICHIRAN", [this](sumlet::Program& p, auto check) {
             click(p.MENU_->Command6);
             rec.onNextModal("ICHIRAN", [check](forms::Form& f) {
                 check(f);
                 f.Unload();
             });
             p.ICHIRAN_.ShowModal();
         }},
        {"ICHIRAN", [&](sumlet::Program& p, auto check) {
             computed(p);
             rec.onNextModal("ICHIRAN", [check](forms::Form& f) {
                 check(f);
                 f.Unload();
             });
             p.ICHIRAN_.ShowModal();
         }},
        {"INSATSU", [](sumlet::Program& p, auto check) {
             click(p.MENU_->Command8);
             choose(p.SUMLET_->M14);
             check(*p.INSATSU_);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        program = std::make_unique<sumlet::Program>(rec, dir.path(), dir.filePath("config"));
        start();
        int checked = 0;
        c.open(prog(), [&](forms::Form& f) {
            EXPECT_EQ(f.objectName(), c.form);
            EXPECT_EQ(accessibleFaults(f), NoFaults);
            ++checked;
        });
        EXPECT_EQ(checked, 1);
    }
}

TEST_F(ScreenReader, MenuButtonsAndToolbarSayTheirCaptions)
{
    sumlet::MENU& m = start();
    struct Case { QObject* o; const char* name; };
    const Case cases[] = {
        {&m.Command8, "加算機"}, {&m.Command6, "集計器"}, {&m.Command9, "終了"},
        {m.Toolbar1.widgetForAction(m.Toolbar1.buttonAction(1)), "Tesk電卓"},
        {m.Toolbar1.widgetForAction(m.Toolbar1.buttonAction(2)), "ﾍﾙﾌﾟ"},
        {&m, "Tesk加算・集計器"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.o, nullptr);
        EXPECT_EQ(accessibleText(c.o), QString::fromUtf8(c.name));
    }
    EXPECT_EQ(accessibleText(&m.Image1), QString());
}

TEST_F(ScreenReader, TapeLabelsSayTheirNewText)
{
    start();
    click(prog().MENU_->Command8);
    sumlet::SUMLET& f = *prog().SUMLET_;
    typeText(f.Text1, "100\r");
    typeText(f.Text1, "23.5\r");
    struct Case { forms::Label& label; const char* text; };
    for (const Case& c : {Case{f.Label2, "123.5 "}, Case{f.Label5, "2 "}}) {
        SCOPED_TRACE(c.label.Name().toStdString());
        EXPECT_EQ(accessibleText(&c.label), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(accessibleText(&f.Text1, QAccessible::Value), QString());
    typeText(f.Text1, "7");
    EXPECT_EQ(accessibleText(&f.Text1, QAccessible::Value), "7");
    EXPECT_EQ(accessibleFaults(f), NoFaults);
}

class KeypadReader : public forms::testing::FormTest {
protected:
    quorvel::Program program{rec, dir.path()};
};

TEST_F(KeypadReader, KeypadAndExplanationSayWhatTheyShow)
{
    program.QUORVEL_.Show();
    quorvel::QUORVEL& f = *program.QUORVEL_;
    EXPECT_EQ(accessibleFaults(f), NoFaults);

    const QString before = accessibleText(&f.Label1);
    typeKeypad(f.Text1, "12.5");
    EXPECT_NE(accessibleText(&f.Label1), before);
    EXPECT_EQ(accessibleText(&f.Label1), f.Label1.text());
    EXPECT_TRUE(accessibleText(&f.Label1).contains("12.5")) << accessibleText(&f.Label1).toStdString();

    int checked = 0;
    rec.onNextModal("TeskSETUMEI", [&](forms::Form& e) {
        EXPECT_EQ(accessibleFaults(e), NoFaults);
        EXPECT_TRUE(accessibleText(&static_cast<quorvel::TeskSETUMEI&>(e).Label1).contains('\n'));
        ++checked;
        e.Unload();
    });
    click(f.Command28);
    EXPECT_EQ(checked, 1);

}

TEST_F(KeypadReader, WindowsOpenedFromTheKeypadSayWhatTheyShow)
{
    struct Case { const char* form; forms::CommandButton quorvel::QUORVEL::*button; std::function<void(quorvel::Program&)> then; };
    const auto noMore = [](quorvel::Program&) {};
    const Case cases[] = {
        {"HIZUKE", &quorvel::QUORVEL::Command29, noMore},
        {"SUUSIKI", &quorvel::QUORVEL::Command30, noMore},
        {"SUUSIKI", &quorvel::QUORVEL::Command30, [](quorvel::Program& p) {   // a help panel open
             forms::testing::clickToolbar(p.SUUSIKI_->Toolbar1, 4);
             ASSERT_TRUE(p.SUUSIKI_->Picture1.isVisible());
         }},
        {"SUUSIKI", &quorvel::QUORVEL::Command30, [](quorvel::Program& p) {
             click(p.SUUSIKI_->Command38);
             ASSERT_TRUE(p.SUUSIKI_->Picture2.isVisible());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        quorvel::Program p(rec, dir.path());
        p.QUORVEL_.Show();
        click((*p.QUORVEL_).*c.button);
        c.then(p);
        forms::Form* shown = p.forms().activeForm();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->objectName(), c.form);
        EXPECT_EQ(accessibleFaults(*shown), NoFaults);
    }
}

} // namespace

namespace {

// The walker itself: it must see a code name and a caption that is not said.
class Plain : public forms::Form {
public:
    explicit Plain(forms::Program& p) : Form(p, "Plain")
    {
        setCaption("窓");
        Command1.setCaption("&OK");
        Frame1.setCaption("枠");
        Label1.setCaption("一行目\r\n二行目");
        Toolbar1.addButton("開く", forms::stockIcon(forms::StockIcon::Open));
    }
    forms::CommandButton Command1{this, "Command1"};
    forms::Frame Frame1{this, "Frame1"};
    forms::Label Label1{&Frame1, "Label1"};
    forms::Label Label2{&Frame1, "Label2"};
    forms::Image Image1{&Frame1, "Image1"};
    forms::Frame Frame2{&Frame1, "Frame2"};
    forms::Toolbar Toolbar1{this, "Toolbar1"};
    forms::Menu M1{this, "M1", "ﾌｧｲﾙ(&F)"};
    forms::Menu M11{&M1, "M11", "開く(&O)", "Ctrl+O"};
};

using Walker = forms::testing::SingleFormTest<Plain>;

TEST_F(Walker, FindsCodeNamesAndUnsaidCaptions)
{
    f.Show();
    EXPECT_EQ(accessibleFaults(*f), NoFaults);
    EXPECT_EQ(accessibleText(&f->Command1), "OK");
    EXPECT_EQ(accessibleText(&f->Label1), "一行目\n二行目");
    EXPECT_EQ(accessibleText(&f->Label2), "");   // not the frame's caption
    EXPECT_EQ(accessibleText(&f->Image1), "");
    EXPECT_EQ(accessibleText(&f->Frame2), "");
    f->Image1.setAccessibleName("加算機の絵");
    EXPECT_EQ(accessibleText(&f->Image1), "加算機の絵");

    f->Label2.setAccessibleName("Label2");
    f->Toolbar1.widgetForAction(f->Toolbar1.buttonAction(1))->setAccessibleName("Toolbar1_Button1");
    f->Frame1.setAccessibleName("別の名前");
    f->M11.setCaption("M11");
    const std::vector<std::string> faults = accessibleFaults(*f);
    ASSERT_EQ(faults.size(), 6u) << ::testing::PrintToString(faults);
    EXPECT_NE(faults.back().find("QAction M11 is announced by the code name M11"), std::string::npos) << faults.back();
    EXPECT_NE(faults[0].find("Frame1 name \"別の名前\", shows \"枠\""), std::string::npos) << faults[0];
    EXPECT_NE(faults[1].find("Label2 is announced by the code name Label2"), std::string::npos) << faults[1];
}

} // namespace
