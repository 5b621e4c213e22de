// The day-count window driven through its controls from the keypad window.
#include "forms/testing/form_test.h"
#include "support/accessible_names.h"
#include "forms/units.h"
#include "quorvel/program.h"

#include <QFile>

using forms::testing::click;
using forms::testing::focusName;
using forms::testing::pressKey;
using forms::testing::typeText;

namespace {

constexpr auto kToday = std::chrono::year{2024} / std::chrono::February / 29;

class DateWindow : public forms::testing::FormTest {
protected:
    // Starts the program and opens the day-count window from the keypad.
    quorvel::HIZUKE& open()
    {
        program.reset();
        program = std::make_unique<quorvel::Program>(rec, dir.path());
        program->dateValues.today = [] { return quorvel::dates::Date{kToday}; };
        program->QUORVEL_.Show();
        EXPECT_FALSE(program->HIZUKE_.Loaded()); // built only when shown
        return reopen();
    }
    quorvel::HIZUKE& reopen()
    {
        click(program->QUORVEL_->Command29);
        return *program->HIZUKE_;
    }
    quorvel::HIZUKE& f() { return *program->HIZUKE_; }
    quorvel::dates::DateValues& v() { return program->dateValues; }

    // Focuses the box, types the text and presses Enter.
    void enter(forms::TextBox& box, const QString& text)
    {
        box.SetFocus();
        typeText(box, text + "\r");
    }
    // Presses a key on whatever has the focus.
    void keyOnFocus(int qtKey, const QString& text = QString())
    {
        auto* c = f().ActiveControl();
        ASSERT_NE(c, nullptr);
        pressKey(*c->widget(), qtKey, Qt::NoModifier, text);
    }
    // Expects one "Check" warning with a beep for what `act` does.
    void warned(const QString& message, const std::function<void()>& act, const std::string& at)
    {
        const auto messages = rec.messages().size();
        const int beeps = rec.beeps();
        rec.answerNextMessage(forms::MsgResult::OK);
        act();
        ASSERT_EQ(rec.messages().size(), messages + 1) << at;
        EXPECT_EQ(rec.messages().back().text, message) << at;
        EXPECT_EQ(rec.messages().back().icon, forms::MsgIcon::Exclamation) << at;
        EXPECT_EQ(rec.messages().back().title, "Check") << at;
        EXPECT_EQ(rec.beeps(), beeps + 1) << at;
    }
    // The visible pictures of a row, by index.
    static QList<int> shown(quorvel::PictureArray& a)
    {
        QList<int> out;
        for (int i = 0; i < quorvel::PictureArray::kCount; ++i)
            if (a[i].Visible())
                out << i;
        return out;
    }
    QStringList startRow() { return {f().Label3.Caption(), f().Label5.Caption(), f().Label10.Caption(), f().Label13.Caption()}; }
    QStringList calcRow() { return {f().Label4.Caption(), f().Label6.Caption(), f().Label11.Caption(), f().Label14.Caption()}; }

    std::unique_ptr<quorvel::Program> program;
};

} // namespace

TEST_F(DateWindow, AcceptedDatesShowTheirRow)
{
    struct Row {
        bool calc;
        const char* start; // entered first ("" none)
        const char* typed;
        QStringList labels; // date, era, weekday, sign
        int picture;
        double number;
        const char* focus;
    };
    const Row rows[] = {
        {false, "", "20080805", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}, 4, 20080805, "Text2"},
        {false, "", "H200805", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}, 4, 20080805, "Text2"},
        {false, "", "S640107", {"1989/01/07 ", "昭和 64年01月07日", "土曜日", "巳"}, 9, 19890107, "Text2"},
        {false, "", "T010730", {"1912/07/30 ", "大正 01年07月30日", "火曜日", "子"}, 4, 19120730, "Text2"},
        {false, "", "M010101", {"1868/01/01 ", "明治 01年01月01日", "水曜日", "辰"}, 8, 18680101, "Text2"},
        {false, "", "M001231", {"1867/12/31 ", "", "火曜日", "卯"}, 7, 18671231, "Text2"},
        {false, "20200101", "21001231", {"2100/12/31 ", "令和 82年12月31日", "金曜日", "申"}, 0, 21001231, "Text2"},
        {true, "20080805", "20190501", {"2019/05/01 ", "令和 01年05月01日", "水曜日", "亥"}, 3, 20190501, "Command1"},
        {true, "20080805", "H310430", {"2019/04/30 ", "平成 31年04月30日", "火曜日", "亥"}, 3, 20190430, "Command1"},
        {true, "", "19010101", {"1901/01/01 ", "明治 34年01月01日", "火曜日", "丑"}, 5, 19010101, "Command1"},
        // A start date after the calculation date is taken.
        {false, "", "21000101", {"2100/01/01 ", "令和 82年01月01日", "金曜日", "申"}, 0, 21000101, "Text2"},
    };
    for (const Row& r : rows) {
        auto& w = open();
        if (*r.start)
            enter(w.Text1, r.start);
        enter(r.calc ? w.Text2 : w.Text1, r.typed);
        EXPECT_EQ(r.calc ? calcRow() : startRow(), r.labels) << r.typed;
        EXPECT_EQ(shown(r.calc ? w.Image2 : w.Image1), QList<int>{r.picture}) << r.typed;
        EXPECT_EQ(r.calc ? v().DDD2 : v().DDD1, r.number) << r.typed;
        EXPECT_EQ(r.calc ? v().DAY2 : v().DAY1, r.labels[0].trimmed().toStdString()) << r.typed;
        EXPECT_EQ(focusName(w), r.focus) << r.typed;
        EXPECT_EQ(w.Text1.Text() + w.Text2.Text(), "") << r.typed;
    }
}

TEST_F(DateWindow, EveryRefusalMessage)
{
    struct Row {
        bool calc;
        const char* start;
        const char* typed;
        bool down;          // Down arrow instead of Enter
        const char* message;
        bool resets;        // the side is left not entered
    };
    const Row rows[] = {
        {false, "", "H1101", false, "H+６ｹﾀで！　例：H110120", false},
        {false, "", "S12345678", false, "S+６ｹﾀで！　例：H110120", false},
        {false, "", "T1", false, "T+６ｹﾀで！　例：H110120", false},
        {false, "", "M", false, "M+６ｹﾀで！　例：H110120", false},
        {false, "", "S640108", false, "H+６ｹﾀで！　例：H110120", false},
        {false, "", "T151225", false, "S+６ｹﾀで！　例：H110120", false},
        {false, "", "M450730", true, "T+６ｹﾀで！　例：H110120", false},
        {false, "", "h200805", false, "８ｹﾀで！　例：19990120", false},
        {false, "", "2008085", false, "８ｹﾀで！　例：19990120", false},
        {false, "", "20081301", false, "月不正！", false},
        {false, "", "20080001", false, "月不正！", false},
        {false, "", "20080132", false, "日不正！", false},
        {false, "", "20080800", true, "日不正！", false},
        {false, "", "19001231", false, "計算範囲外！", false},
        {false, "", "21010101", false, "計算範囲外！", false},
        {false, "", "20080230", false, "該当日はありません！", true},
        {false, "", "20080431", true, "該当日はありません！", true},
        {false, "", "2e7+0101", false, "該当日はありません！", true},
        {false, "", "H2a0805", false, "該当日はありません！", true},
        {false, "", "H200230", false, "該当日はありません！", true},
        {false, "", "H001301", false, "該当日はありません！", true},
        {true, "20080805", "20080804", false, "年月日逆転！", false},
        {true, "20080805", "H200804", false, "逆転！", false},
        {true, "20080805", "", true, "８ｹﾀで！　例：19990120", false},
        {true, "", "", false, "８ｹﾀで！　例：19990120", false},
        {true, "20080805", "20081131", false, "該当日はありません！", true},
    };
    for (const Row& r : rows) {
        const std::string at = std::string(r.typed) + (r.calc ? " (calculation)" : " (start)");
        auto& w = open();
        if (*r.start)
            enter(w.Text1, r.start);
        // The side holds an earlier date, except a start side being refused
        // while nothing else is entered.
        forms::TextBox& box = r.calc ? w.Text2 : w.Text1;
        if (r.calc && *r.start && *r.typed)
            enter(w.Text2, "20100101");
        else if (!r.calc)
            enter(w.Text1, "20000101");
        const QStringList before = r.calc ? calcRow() : startRow();
        const double number = r.calc ? v().DDD2 : v().DDD1;
        box.SetFocus();
        warned(QString::fromUtf8(r.message), [&] {
            typeText(box, r.typed);
            if (r.down)
                pressKey(box, Qt::Key_Down);
            else
                typeText(box, "\r");
        }, at);
        EXPECT_EQ(box.Text(), "") << at;
        EXPECT_EQ(focusName(w), box.Name()) << at;
        const QStringList after = r.calc ? calcRow() : startRow();
        const auto& text = r.calc ? v().DAY2 : v().DAY1;
        if (r.resets) {
            // Date and era emptied; weekday and sign keep what they showed.
            EXPECT_EQ(after, (QStringList{"", "", before[2], before[3]})) << at;
            EXPECT_EQ(r.calc ? v().DDD2 : v().DDD1, 0) << at;
            EXPECT_EQ(text, "") << at;
        } else {
            EXPECT_EQ(after, before) << at;
            EXPECT_EQ(r.calc ? v().DDD2 : v().DDD1, number) << at;
        }
        EXPECT_EQ(shown(r.calc ? w.Image2 : w.Image1).size(), number ? 1 : 0) << at;
    }
}

TEST_F(DateWindow, ComputationsAndTheirMessages)
{
    struct Row {
        const char* name;
        const char* start;
        const char* calcDate; // "" none
        const char* days;     // typed into the days box (nullptr: none)
        int button;           // 1 経過日数計算, 5 日数加算計算
        const char* message;  // warning, or nullptr
        const char* label8;
        const char* label16;
        QStringList calcLabels;
    };
    const QStringList none{"", "", "", ""};
    const Row rows[] = {
        {"same day", "20080805", "20080805", nullptr, 1, nullptr, "0 ", "0", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}},
        {"leap start, day before", "20000229", "20010228", nullptr, 1, nullptr, "365 ", "0", {"2001/02/28 ", "平成 13年02月28日", "水曜日", "巳"}},
        {"leap start, first of March", "20000229", "20010301", nullptr, 1, nullptr, "366 ", "1", {"2001/03/01 ", "平成 13年03月01日", "木曜日", "巳"}},
        {"a century", "M330101", "20000101", nullptr, 1, nullptr, "36524 ", "100", {"2000/01/01 ", "平成 12年01月01日", "土曜日", "辰"}},
        {"anniversary", "20000805", "20080805", nullptr, 1, nullptr, "2922 ", "8", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}},
        {"day before the anniversary", "20000805", "20080804", nullptr, 1, nullptr, "2921 ", "7", {"2008/08/04 ", "平成 20年08月04日", "月曜日", "子"}},
        {"start after calculation", "", "", nullptr, 1, nullptr, "-514 ", "-2", {}},
        {"no dates", "", "", nullptr, 1, "年月日未入力！", "", "", none},
        {"no calculation date", "20080805", "", nullptr, 1, "年月日未入力！", "", "", none},
        {"10000 days", "20190501", "", "10000", 5, nullptr, "10000 ", "27", {"2046/09/16 ", "令和 28年09月16日", "日曜日", "寅"}},
        {"100 days", "20080805", "", "100", 5, nullptr, "100 ", "0", {"2008/11/13 ", "平成 20年11月13日", "木曜日", "子"}},
        {"30 days before", "20080805", "", "-30", 5, nullptr, "-30 ", "-1", {"2008/07/06 ", "平成 20年07月06日", "日曜日", "子"}},
        {"no days", "20080805", "", nullptr, 5, nullptr, "", "0", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}},
        {"half rounds away", "20080805", "", "2.5", 5, nullptr, "3 ", "0", {"2008/08/08 ", "平成 20年08月08日", "金曜日", "子"}},
        {"minus half rounds away", "20080805", "", "-2.5", 5, nullptr, "-3 ", "-1", {"2008/08/02 ", "平成 20年08月02日", "土曜日", "子"}},
        {"rounds to zero", "20080805", "", "-0.4", 5, nullptr, "0 ", "0", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}},
        {"era year 100 and more", "21001231", "", "7000", 5, nullptr, "7000 ", "19", {"2120/03/01 ", "令和 102年03月01日", "金曜日", "辰"}},
        {"before the first era", "M010101", "", "-1", 5, nullptr, "-1 ", "-1", {"1867/12/31 ", "", "火曜日", "卯"}},
        {"beyond 9999", "20080805", "", "3000000", 5, "計算範囲外！", "3000000 ", "", none},
        {"huge", "20080805", "", "1e300", 5, "計算範囲外！", nullptr, "", none},
        {"no start date", "", "", "10", 5, "起算年月日と経過日数を入力せよ！", "10 ", "", none},
    };
    for (const Row& r : rows) {
        auto& w = open();
        if (*r.start)
            enter(w.Text1, r.start);
        if (*r.calcDate)
            enter(w.Text2, r.calcDate);
        if (r.name == std::string("start after calculation")) {
            enter(w.Text2, "20080805");
            enter(w.Text1, "20100101"); // no order check on the start side
        }
        if (r.days)
            enter(w.Text3, r.days);
        const QStringList before = calcRow();
        const double ddd2 = v().DDD2;
        const QString focusBefore = focusName(w);
        auto press = [&] { click(r.button == 1 ? w.Command1 : w.Command5); };
        if (r.message) {
            warned(QString::fromUtf8(r.message), press, r.name);
            EXPECT_EQ(focusName(w), r.button == 5 && *r.start ? "Text3" : "Text1") << r.name;
            EXPECT_EQ(calcRow(), before) << r.name;
            EXPECT_EQ(v().DDD2, ddd2) << r.name;
        } else {
            press();
            if (!r.calcLabels.isEmpty()) {
                EXPECT_EQ(calcRow(), r.calcLabels) << r.name;
            }
            EXPECT_EQ(shown(w.Image2).size(), 1) << r.name;
            // Days between moves on to "ﾘｾｯﾄ"; the date after N days leaves the focus.
            EXPECT_EQ(focusName(w), r.button == 1 ? QString("Command2") : focusBefore) << r.name;
        }
        if (r.label8) {
            EXPECT_EQ(w.Label8.Caption(), QString::fromUtf8(r.label8)) << r.name;
        }
        EXPECT_EQ(w.Label16.Caption(), QString::fromUtf8(r.label16)) << r.name;
        if (r.button == 5 && !r.message && r.days && QString(r.days).toDouble() == std::round(QString(r.days).toDouble())) {
            // Days between gives the typed whole days back.
            click(w.Command1);
            EXPECT_EQ(w.Label8.Caption(), QString::fromUtf8(r.label8)) << r.name;
        }
    }
}

TEST_F(DateWindow, ClearReshowTodayAndReset)
{
    auto& w = open();
    enter(w.Text1, "20080805");
    enter(w.Text2, "20190501");
    click(w.Command1);
    EXPECT_EQ(w.Label8.Caption(), "3921 ");
    EXPECT_EQ(w.Label16.Caption(), "10");

    // "." clears the date, era and weekday; sign, picture and days stay.
    enter(w.Text2, ".");
    EXPECT_EQ(calcRow(), (QStringList{"", "", "", "亥"}));
    EXPECT_EQ(shown(w.Image2), QList<int>{3});
    EXPECT_EQ(w.Label16.Caption(), "");
    EXPECT_EQ(w.Label8.Caption(), "3921 ");
    EXPECT_EQ(v().DDD2, 0);
    EXPECT_EQ(v().DAY2, "");
    EXPECT_EQ(focusName(w), "Text1");

    // Enter on the empty calculation box now takes today and computes.
    enter(w.Text2, "");
    EXPECT_EQ(calcRow(), (QStringList{"2024/02/29 ", "令和 06年02月29日", "木曜日", "辰"}));
    EXPECT_EQ(v().DDD2, 20240229);
    EXPECT_EQ(w.Label8.Caption(), "5686 ");
    EXPECT_EQ(w.Label16.Caption(), "15");
    EXPECT_EQ(focusName(w), "Command2");

    // Enter on an empty box with a stored date shows it again (no check).
    w.Label3.setCaption("x");
    enter(w.Text1, "");
    EXPECT_EQ(startRow(), (QStringList{"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}));
    EXPECT_EQ(focusName(w), "Text2");
    pressKey(w.Text2, Qt::Key_Down);
    EXPECT_EQ(w.Label4.Caption(), "2024/02/29 ");
    EXPECT_EQ(focusName(w), "Command1");

    enter(w.Text1, ".");
    EXPECT_EQ(startRow(), (QStringList{"", "", "", "子"}));
    EXPECT_EQ(focusName(w), "Text1"); // the start side does not move on
    warned("年月日未入力！", [&] { click(w.Command1); }, "after clear");

    enter(w.Text1, "20080805");
    enter(w.Text3, "12");
    EXPECT_EQ(focusName(w), "Command5");
    click(w.Command2);
    for (auto* l : {&w.Label3, &w.Label4, &w.Label5, &w.Label6, &w.Label8, &w.Label10, &w.Label11, &w.Label13,
                    &w.Label14, &w.Label16})
        EXPECT_EQ(l->Caption(), "") << l->Name().toStdString();
    EXPECT_TRUE(shown(w.Image1).isEmpty());
    EXPECT_TRUE(shown(w.Image2).isEmpty());
    EXPECT_EQ(std::tie(v().DAY1, v().DAY2), std::tie("", ""));
    EXPECT_EQ((std::array{v().DDD1, v().DDD2, v().KEIKA}), (std::array{0.0, 0.0, 0.0}));
    EXPECT_EQ(focusName(w), "Text1");
    warned("年月日未入力！", [&] { click(w.Command1); }, "after reset");
}

TEST_F(DateWindow, KeyboardPathArrowsFocusAndPictures)
{
    auto& w = open();
    EXPECT_EQ(focusName(w), "Text1");
    // Typed into whatever has the focus: Enter moves on, Enter on a button presses it.
    for (const char* t : {"20000805", "20080804"})
        typeText(*w.ActiveControl()->widget(), QString(t) + "\r");
    EXPECT_EQ(focusName(w), "Command1");
    keyOnFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(w.Label8.Caption(), "2921 ");
    EXPECT_EQ(w.Label16.Caption(), "7");
    EXPECT_EQ(focusName(w), "Command2");
    keyOnFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(w.Label8.Caption(), "");
    EXPECT_EQ(focusName(w), "Text1");

    // Up in the start box empties it; in the calculation box it also goes back.
    typeText(w.Text1, "2008");
    pressKey(w.Text1, Qt::Key_Up);
    EXPECT_EQ(w.Text1.Text(), "");
    EXPECT_EQ(focusName(w), "Text1");
    w.Text2.SetFocus();
    typeText(w.Text2, "2008");
    pressKey(w.Text2, Qt::Key_Up);
    EXPECT_EQ(w.Text2.Text(), "");
    EXPECT_EQ(focusName(w), "Text1");
    pressKey(w.Text3, Qt::Key_Up); // nothing here
    EXPECT_EQ(focusName(w), "Text1");

    // Label clicks focus their boxes; a box that is left is emptied.
    struct Click {
        forms::Label* label;
        const char* box;
    };
    for (const Click c : {Click{&w.Label2, "Text2"}, Click{&w.Label7, "Text3"}, Click{&w.Label1, "Text1"},
                          Click{&w.Label4, "Text2"}, Click{&w.Label8, "Text3"}, Click{&w.Label3, "Text1"}}) {
        auto* before = static_cast<forms::TextBox*>(w.ActiveControl());
        typeText(*before, "19");
        click(*c.label);
        EXPECT_EQ(focusName(w), c.box) << c.box;
        EXPECT_EQ(before->Text(), "") << c.box;
    }

    // A warning box does not hide the pictures.
    enter(w.Text1, "20080805");
    warned("月不正！", [&] { enter(w.Text2, "20081301"); }, "pictures");
    EXPECT_EQ(shown(w.Image1), QList<int>{4});
    EXPECT_FALSE(w.Image1[12].Visible());

    // A number beyond any double is not taken; Down takes the days too.
    enter(w.Text3, "15");
    enter(w.Text3, "1e999");
    EXPECT_EQ(w.Text3.Text(), "");
    EXPECT_EQ(w.Label8.Caption(), "15 ");
    EXPECT_EQ(v().KEIKA, 15);
    w.Text3.SetFocus();
    typeText(w.Text3, "-7.5");
    pressKey(w.Text3, Qt::Key_Down);
    EXPECT_EQ(w.Label8.Caption(), "-8 ");
    EXPECT_EQ(v().KEIKA, -7.5);
    EXPECT_EQ(focusName(w), "Command5");
}

TEST_F(DateWindow, HandOverBackCloseAndEnd)
{
    auto& w = open();
    auto& keypad = *program->QUORVEL_;
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Caption(), "日数計算");
    EXPECT_TRUE(shown(w.Image1).isEmpty());

    // The close box keeps the stored dates; the controls start empty.
    enter(w.Text1, "20080805");
    enter(w.Text2, "20090805");
    w.close();
    EXPECT_FALSE(program->HIZUKE_.Loaded());
    EXPECT_TRUE(keypad.isVisible());
    forms::testing::typeKeypad(keypad.Text1, "5+");
    auto& again = reopen();
    EXPECT_EQ(startRow(), (QStringList{"", "", "", ""}));
    EXPECT_TRUE(shown(again.Image1).isEmpty());
    click(again.Command1);
    EXPECT_EQ(again.Label8.Caption(), "365 ");
    EXPECT_EQ(again.Label16.Caption(), "1");

    // "戻る" forgets them and shows the keypad with its state.
    click(again.Command3);
    EXPECT_FALSE(program->HIZUKE_.Loaded());
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_TRUE(keypad.isActiveForm());
    forms::testing::typeKeypad(keypad.Text1, "3\r");
    EXPECT_EQ(keypad.Label1.Caption(), "8.");
    EXPECT_EQ((std::array{v().DDD1, v().DDD2, v().KEIKA}), (std::array{0.0, 0.0, 0.0}));
    auto& third = reopen();
    warned("年月日未入力！", [&] { click(third.Command1); }, "after back");

    // "終了" ends at once: no keypad, no window file written.
    QFile file(dir.filePath("LCTDX.DAT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    keypad.MoveTo(3000, 3000);
    click(third.Command4);
    EXPECT_TRUE(rec.ended());
    EXPECT_FALSE(keypad.isVisible());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(DateWindow, OpensWhereTheKeypadStood)
{
    struct Row {
        const char* name;
        double keypadLeft, keypadTop;
        double wantLeft; // -1: screen width minus the window minus 20; -2: at the limit
    };
    const Row rows[] = {
        {"at 120", 120, 120, 120},
        {"partly above the screen", 600, -300, 600},
        {"near the right edge", 15000, 300, -1},
        {"exactly at the limit", -2, 300, -2},
    };
    rec.setScreenSizeTwips(QSize(19200, 10800));
    for (const Row& r : rows) {
        program = std::make_unique<quorvel::Program>(rec, dir.path());
        program->QUORVEL_.Show();
        const double width = quorvel::HIZUKE(*program).Width();
        const double limit = 19200 - width;
        program->QUORVEL_->MoveTo(r.keypadLeft == -2 ? limit : r.keypadLeft, r.keypadTop);
        auto& w = reopen();
        const double want = r.wantLeft == -1 ? limit - 20 : r.wantLeft == -2 ? limit : r.wantLeft;
        EXPECT_EQ(w.Left(), forms::twips(forms::px(want))) << r.name;
        EXPECT_EQ(w.Top(), r.keypadTop) << r.name;
        EXPECT_EQ(program->shared.FormLeft.num(), r.keypadLeft == -2 ? limit : r.keypadLeft) << r.name;
    }
}

TEST_F(DateWindow, Layout)
{
    auto& w = open();
    EXPECT_EQ(w.ScaleWidth(), 9030);
    EXPECT_EQ(w.ScaleHeight(), 3135);
    struct Row {
        const char* name;
        double left, top, width, height;
        const char* caption; // nullptr: none
        double font;
        bool bold;
    };
    const Row rows[] = {
        {"Label12", 120, 120, 7935, 195, "（年月日＝西暦の８ｹﾀ or 元号+６ｹﾀで入力ｴﾝﾀｰ　　例：20080805 or H200805）", 9, false},
        {"Text1", 1245, 640, 1120, 225, nullptr, 11.25, false},
        {"Label3", 1200, 600, 2535, 300, nullptr, 11.25, false},
        {"Image1(12)", 6720, 555, 420, 420, nullptr, 0, false},
        {"Image2(11)", 6720, 1040, 420, 420, nullptr, 0, false},
        {"Label16", 8280, 1080, 615, 300, nullptr, 11.25, true},
        {"Text3", 1240, 1590, 975, 225, nullptr, 11.25, false},
        {"Label8", 1200, 1560, 2055, 300, nullptr, 11.25, true},
        {"Command2", 6480, 1560, 735, 375, "ﾘｾｯﾄ", 9, false},
        {"Command5", 240, 2040, 1455, 375, "日数加算計算", 9, false},
        {"Shape1", 3000, 2160, 5895, 885, nullptr, 0, false},
        {"Label21", 3120, 2505, 5655, 225, "● 計算日＝何も入れずにエンター＝本日（NOW）が自動入力計算。", 9, false},
    };
    for (const Row& r : rows) {
        const auto* c = w.findControl(r.name);
        ASSERT_NE(c, nullptr) << r.name;
        EXPECT_EQ((std::array{c->Left(), c->Top(), c->Width(), c->Height()}),
                  (std::array{r.left, r.top, r.width, r.height}))
            << r.name;
        if (r.caption) {
            const auto* l = dynamic_cast<const forms::Label*>(c);
            const auto* b = dynamic_cast<const forms::CommandButton*>(c);
            EXPECT_EQ(l ? l->Caption() : b ? b->Caption() : QString(), QString::fromUtf8(r.caption)) << r.name;
        }
        if (r.font) {
            EXPECT_EQ(c->widget()->font().pointSizeF(), r.font) << r.name;
            EXPECT_EQ(c->widget()->font().bold(), r.bold) << r.name;
            EXPECT_EQ(c->widget()->font().family(), "IPAGothic") << r.name;
        }
    }
    // Tab order, and the pictures: the twelve signs differ, picture 12 is the empty frame.
    QStringList order;
    for (QWidget* x = &w.Text1; order.size() < 8; x = x->nextInFocusChain())
        if (x->focusPolicy() & Qt::TabFocus)
            order << x->objectName();
    EXPECT_EQ(order, (QStringList{"Text1", "Text2", "Text3", "Command1", "Command2", "Command3", "Command4", "Command5"}));
    QSet<qint64> pictures;
    for (int i = 0; i < quorvel::PictureArray::kCount; ++i) {
        const QImage a = w.Image1[i].pixmap().toImage(), b = w.Image2[i].pixmap().toImage();
        EXPECT_EQ(a.size(), QSize(28, 28)) << i;
        EXPECT_EQ(a, b) << i;
        pictures.insert(a.cacheKey() ? qHashBits(a.constBits(), a.sizeInBytes()) : 0);
    }
    EXPECT_EQ(pictures.size(), 13);

    // Screen readers hear what is shown, the picture's animal too.
    enter(w.Text1, "20080805");
    enter(w.Text2, "H310430");
    click(w.Command1);
    EXPECT_EQ(forms::testing::accessibleFaults(w), forms::testing::NoFaults);
    EXPECT_EQ(forms::testing::accessibleText(&w.Label6), "平成 31年04月30日");
    EXPECT_EQ(forms::testing::accessibleText(&w.Image1[4]), "鼠");
}
