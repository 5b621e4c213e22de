// The day-count window driven through its controls from the keypad window.
#include "forms/testing/form_test.h"
#include "support/accessible_names.h"
#include "forms/units.h"
#include "quorvel/dates/hizuke_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"

#include <QFile>

using forms::testing::click;
using forms::testing::focusName;
using forms::testing::pressKey;
using forms::testing::typeText;

namespace {

constexpr auto kToday = std::chrono::year{2024} / std::chrono::February / 29;
const char* const kNoSuchDay = "該当日はありません！";

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
    // Date, era, weekday and sign labels of a row.
    QStringList row(bool calc)
    {
        auto& w = f();
        return calc ? QStringList{w.Label4.Caption(), w.Label6.Caption(), w.Label11.Caption(), w.Label14.Caption()}
                    : QStringList{w.Label3.Caption(), w.Label5.Caption(), w.Label10.Caption(), w.Label13.Caption()};
    }

    std::unique_ptr<quorvel::Program> program;
};

} // namespace

// Every typed date, taken or refused. The side holds an earlier date first
// (start 2000/01/01, calculation 2010/01/01) unless nothing is typed.
TEST_F(DateWindow, DateEntry)
{
    struct Row {
        bool calc;
        const char* start;   // start date entered before ("" none)
        const char* typed;
        bool down;           // Down arrow instead of Enter
        const char* message; // nullptr: taken
        QStringList labels = {}; // taken: date, era, weekday, sign
        int picture = -1;
    };
    const Row rows[] = {
        {false, "", "20080805", false, nullptr, {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}, 4},
        {false, "", "H200805", true, nullptr, {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}, 4},
        // The highest value each era takes, at the era boundaries.
        {false, "", "S640107", false, nullptr, {"1989/01/07 ", "昭和 64年01月07日", "土曜日", "巳"}, 9},
        {false, "", "H010108", false, nullptr, {"1989/01/08 ", "平成 01年01月08日", "日曜日", "巳"}, 9},
        {false, "", "T151224", false, nullptr, {"1926/12/24 ", "大正 15年12月24日", "金曜日", "寅"}, 6},
        {false, "", "S011225", false, nullptr, {"1926/12/25 ", "昭和 01年12月25日", "土曜日", "寅"}, 6},
        {false, "", "M450729", false, nullptr, {"1912/07/29 ", "明治 45年07月29日", "月曜日", "子"}, 4},
        {false, "", "T010730", false, nullptr, {"1912/07/30 ", "大正 01年07月30日", "火曜日", "子"}, 4},
        {false, "", "M330101", false, nullptr, {"1900/01/01 ", "明治 33年01月01日", "月曜日", "子"}, 4},
        {false, "", "M010101", false, nullptr, {"1868/01/01 ", "明治 01年01月01日", "水曜日", "辰"}, 8},
        {false, "", "M001231", false, nullptr, {"1867/12/31 ", "", "火曜日", "卯"}, 7},
        {false, "", "21001231", false, nullptr, {"2100/12/31 ", "令和 82年12月31日", "金曜日", "申"}, 0},
        {true, "20080805", "20190501", false, nullptr, {"2019/05/01 ", "令和 01年05月01日", "水曜日", "亥"}, 3},
        {true, "20080805", "H310430", false, nullptr, {"2019/04/30 ", "平成 31年04月30日", "火曜日", "亥"}, 3},
        {true, "20080805", "20080805", false, nullptr, {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}, 4},
        {true, "20080805", "H200805", false, nullptr, {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}, 4},
        {true, "", "19010101", true, nullptr, {"1901/01/01 ", "明治 34年01月01日", "火曜日", "丑"}, 5},
        {false, "", "H1101", false, "H+６ｹﾀで！　例：H110120"},
        {false, "", "S12345678", false, "S+６ｹﾀで！　例：H110120"},
        {false, "", "T1", false, "T+６ｹﾀで！　例：H110120"},
        {false, "", "M", false, "M+６ｹﾀで！　例：H110120"},
        {false, "", "S640108", false, "H+６ｹﾀで！　例：H110120"},
        {false, "", "T151225", false, "S+６ｹﾀで！　例：H110120"},
        {false, "", "M450730", true, "T+６ｹﾀで！　例：H110120"},
        {false, "", "h200805", false, "８ｹﾀで！　例：19990120"},
        {false, "", "2008085", false, "８ｹﾀで！　例：19990120"},
        {false, "", "20081301", false, "月不正！"},
        {false, "", "20080001", false, "月不正！"},
        {false, "", "20080132", false, "日不正！"},
        {false, "", "20080800", true, "日不正！"},
        {false, "", "19001231", false, "計算範囲外！"},
        {false, "", "21010101", false, "計算範囲外！"},
        {false, "", "20080230", false, kNoSuchDay},
        {false, "", "20080431", true, kNoSuchDay},
        {false, "", "2e7+0101", false, kNoSuchDay},
        {false, "", "H2a0805", false, kNoSuchDay}, // would read as 1988/08/05
        {false, "", "H200230", false, kNoSuchDay},
        {false, "", "H001301", false, kNoSuchDay},
        {true, "20080805", "20080804", false, "年月日逆転！"},
        {true, "20080805", "H200804", false, "逆転！"},
        {true, "20080805", "20081131", false, kNoSuchDay},
        {true, "20080805", "", true, "８ｹﾀで！　例：19990120"}, // no today step on Down
        {true, "", "", false, "８ｹﾀで！　例：19990120"},        // nor without a start date
    };
    for (const Row& r : rows) {
        const std::string at = std::string(r.typed) + (r.calc ? " (calculation)" : " (start)");
        auto& w = open();
        if (*r.start)
            enter(w.Text1, r.start);
        forms::TextBox& box = r.calc ? w.Text2 : w.Text1;
        if (*r.typed)
            enter(box, r.calc ? "20100101" : "20000101");
        const QStringList before = row(r.calc);
        const double& number = r.calc ? v().DDD2 : v().DDD1;
        const std::string& text = r.calc ? v().DAY2 : v().DAY1;
        const double numberBefore = number;
        box.SetFocus();
        typeText(box, r.typed);
        auto confirm = [&] { r.down ? pressKey(box, Qt::Key_Down) : typeText(box, "\r"); };
        if (r.message)
            warned(QString::fromUtf8(r.message), confirm, at);
        else
            confirm();
        EXPECT_EQ(w.Text1.Text() + w.Text2.Text(), "") << at;
        if (!r.message) {
            EXPECT_EQ(row(r.calc), r.labels) << at;
            EXPECT_EQ(shown(r.calc ? w.Image2 : w.Image1), QList<int>{r.picture}) << at;
            EXPECT_EQ(text, r.labels[0].trimmed().toStdString()) << at;
            EXPECT_EQ(number, QString(r.labels[0]).remove('/').toDouble()) << at;
            EXPECT_EQ(focusName(w), r.calc ? "Command1" : "Text2") << at;
            continue;
        }
        EXPECT_EQ(focusName(w), box.Name()) << at;
        if (std::string_view(r.message) == kNoSuchDay) {
            // Date and era emptied; weekday, sign and picture keep what they showed.
            EXPECT_EQ(row(r.calc), (QStringList{"", "", before[2], before[3]})) << at;
            EXPECT_EQ(number, 0) << at;
            EXPECT_EQ(text, "") << at;
        } else {
            EXPECT_EQ(row(r.calc), before) << at;
            EXPECT_EQ(number, numberBefore) << at;
        }
        EXPECT_EQ(shown(r.calc ? w.Image2 : w.Image1).size(), numberBefore ? 1 : 0) << at;
    }
}

TEST_F(DateWindow, ComputationsAndTheirMessages)
{
    struct Row {
        const char* name;
        const char* calcDate; // entered first ("" none)
        const char* start;    // entered next ("" none)
        const char* days;     // typed into the days box (nullptr: none)
        int button;           // 1 経過日数計算, 5 日数加算計算
        const char* message;  // warning, or nullptr
        const char* label8;   // nullptr: not looked at
        const char* label16;
        QStringList calcLabels; // after the button ({}: not looked at)
    };
    const Row rows[] = {
        {"same day", "20080805", "20080805", nullptr, 1, nullptr, "0 ", "0", {}},
        {"leap start, day before", "20010228", "20000229", nullptr, 1, nullptr, "365 ", "0", {}},
        {"leap start, first of March", "20010301", "20000229", nullptr, 1, nullptr, "366 ", "1", {}},
        {"a century", "20000101", "M330101", nullptr, 1, nullptr, "36524 ", "100", {}},
        {"anniversary", "20080805", "20000805", nullptr, 1, nullptr, "2922 ", "8", {}},
        {"day before the anniversary", "20080804", "20000805", nullptr, 1, nullptr, "2921 ", "7", {}},
        {"start after calculation", "20080805", "20100101", nullptr, 1, nullptr, "-514 ", "-2", {}},
        {"one day before", "20080804", "20080805", nullptr, 1, nullptr, "-1 ", "-1", {}},
        {"no dates", "", "", nullptr, 1, "年月日未入力！", "", "", {}},
        {"no calculation date", "", "20080805", nullptr, 1, "年月日未入力！", "", "", {}},
        {"10000 days", "", "20190501", "10000", 5, nullptr, "10000 ", "27", {"2046/09/16 ", "令和 28年09月16日", "日曜日", "寅"}},
        {"100 days", "", "20080805", "100", 5, nullptr, "100 ", "0", {"2008/11/13 ", "平成 20年11月13日", "木曜日", "子"}},
        {"30 days before", "", "20080805", "-30", 5, nullptr, "-30 ", "-1", {"2008/07/06 ", "平成 20年07月06日", "日曜日", "子"}},
        {"no days", "", "20080805", nullptr, 5, nullptr, "", "0", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}},
        {"half rounds away", "", "20080805", "2.5", 5, nullptr, "3 ", "0", {"2008/08/08 ", "平成 20年08月08日", "金曜日", "子"}},
        {"minus half rounds away", "", "20080805", "-2.5", 5, nullptr, "-3 ", "-1", {"2008/08/02 ", "平成 20年08月02日", "土曜日", "子"}},
        {"rounds to zero", "", "20080805", "-0.4", 5, nullptr, "0 ", "0", {"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}},
        {"era year 100 and more", "", "21001231", "7000", 5, nullptr, "7000 ", "19", {"2120/03/01 ", "令和 102年03月01日", "金曜日", "辰"}},
        {"before the first era", "", "M010101", "-1", 5, nullptr, "-1 ", "-1", {"1867/12/31 ", "", "火曜日", "卯"}},
        {"replaces a calculation date", "20100101", "20080805", "1", 5, nullptr, "1 ", "0", {"2008/08/06 ", "平成 20年08月06日", "水曜日", "子"}},
        {"beyond 9999", "", "20080805", "3000000", 5, "計算範囲外！", "3000000 ", "", {}},
        {"huge", "20100101", "20080805", "1e300", 5, "計算範囲外！", nullptr, "", {}},
        {"no start date", "", "", "10", 5, "起算年月日と経過日数を入力せよ！", "10 ", "", {}},
    };
    for (const Row& r : rows) {
        auto& w = open();
        if (*r.calcDate)
            enter(w.Text2, r.calcDate);
        if (*r.start)
            enter(w.Text1, r.start); // no order check on the start side
        if (r.days)
            enter(w.Text3, r.days);
        const QStringList before = row(true);
        const double ddd2 = v().DDD2;
        const QString focusBefore = focusName(w);
        auto press = [&] { click(r.button == 1 ? w.Command1 : w.Command5); };
        if (r.message) {
            warned(QString::fromUtf8(r.message), press, r.name);
            EXPECT_EQ(focusName(w), r.button == 5 && *r.start ? "Text3" : "Text1") << r.name;
            EXPECT_EQ(row(true), before) << r.name;
            EXPECT_EQ(v().DDD2, ddd2) << r.name;
        } else {
            press();
            if (!r.calcLabels.isEmpty()) {
                EXPECT_EQ(row(true), r.calcLabels) << r.name;
                EXPECT_EQ(v().DAY2, r.calcLabels[0].trimmed().toStdString()) << r.name;
                EXPECT_EQ(v().DDD2, QString(r.calcLabels[0]).remove('/').toDouble()) << r.name;
            } else {
                EXPECT_EQ(row(true), before) << r.name;
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
    EXPECT_EQ(row(true), (QStringList{"", "", "", "亥"}));
    EXPECT_EQ(shown(w.Image2), QList<int>{3});
    EXPECT_EQ(w.Label16.Caption(), "");
    EXPECT_EQ(w.Label8.Caption(), "3921 ");
    EXPECT_EQ(v().DDD2, 0);
    EXPECT_EQ(v().DAY2, "");
    EXPECT_EQ(focusName(w), "Text1");

    // Enter on the empty calculation box now takes today and computes.
    enter(w.Text2, "");
    EXPECT_EQ(row(true), (QStringList{"2024/02/29 ", "令和 06年02月29日", "木曜日", "辰"}));
    EXPECT_EQ(shown(w.Image2), QList<int>{8});
    EXPECT_EQ(v().DDD2, 20240229);
    EXPECT_EQ(w.Label8.Caption(), "5686 ");
    EXPECT_EQ(w.Label16.Caption(), "15");
    EXPECT_EQ(focusName(w), "Command2");

    // Enter on an empty box with a stored date shows it again (no check).
    w.Label3.setCaption("x");
    enter(w.Text1, "");
    EXPECT_EQ(row(false), (QStringList{"2008/08/05 ", "平成 20年08月05日", "火曜日", "子"}));
    EXPECT_EQ(focusName(w), "Text2");
    w.Label4.setCaption("x");
    pressKey(w.Text2, Qt::Key_Down);
    EXPECT_EQ(w.Label4.Caption(), "2024/02/29 ");
    EXPECT_EQ(focusName(w), "Command1");

    enter(w.Text1, ".");
    EXPECT_EQ(row(false), (QStringList{"", "", "", "子"}));
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
}

TEST_F(DateWindow, KeyboardPathArrowsAndFocus)
{
    auto& w = open();
    EXPECT_EQ(focusName(w), "Text1");
    // Typed into whatever has the focus: Enter moves on, Enter on a button presses it.
    auto typeOnFocus = [&](const QString& t) { typeText(*w.ActiveControl()->widget(), t + "\r"); };
    typeOnFocus("20000805");
    typeOnFocus("20080804");
    EXPECT_EQ(focusName(w), "Command1");
    typeOnFocus("");
    EXPECT_EQ(w.Label8.Caption(), "2921 ");
    EXPECT_EQ(w.Label16.Caption(), "7");
    EXPECT_EQ(focusName(w), "Command2");
    typeOnFocus("");
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
    EXPECT_EQ(row(false), (QStringList{"", "", "", ""}));
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
        {"Label15", 6120, 330, 1000, 200, "十二支", 9, false},
        {"Label20", 7440, 360, 615, 220, "曜日", 9, false},
        {"Label17", 8280, 840, 615, 225, "満年齢", 9, false},
        {"Label1", 120, 640, 1095, 255, "起算年月日：", 9, false},
        {"Text1", 1245, 640, 1120, 225, nullptr, 11.25, false},
        {"Label3", 1200, 600, 2535, 300, nullptr, 11.25, false},
        {"Label5", 3840, 600, 2175, 300, nullptr, 11.25, false},
        {"Label13", 6120, 600, 495, 300, nullptr, 11.25, false},
        {"Label10", 7320, 600, 855, 300, nullptr, 11.25, false},
        {"Label2", 120, 1125, 1095, 255, "計算年月日：", 9, false},
        {"Text2", 1245, 1125, 1120, 225, nullptr, 11.25, false},
        {"Label4", 1200, 1080, 2535, 300, nullptr, 11.25, false},
        {"Label6", 3840, 1080, 2175, 300, nullptr, 11.25, false},
        {"Label14", 6120, 1080, 495, 300, nullptr, 11.25, false},
        {"Label11", 7320, 1080, 855, 300, nullptr, 11.25, false},
        {"Label16", 8280, 1080, 615, 300, nullptr, 11.25, true},
        {"Label7", 120, 1605, 1095, 255, "経過日数：", 9, false},
        {"Text3", 1240, 1590, 975, 225, nullptr, 11.25, false},
        {"Label8", 1200, 1560, 2055, 300, nullptr, 11.25, true},
        {"Label9", 3315, 1680, 255, 255, "日", 9, false},
        {"Command1", 3840, 1560, 1455, 375, "経過日数計算", 9, false},
        {"Command2", 6480, 1560, 735, 375, "ﾘｾｯﾄ", 9, false},
        {"Command3", 7320, 1560, 735, 375, "戻る", 9, false},
        {"Command4", 8160, 1560, 735, 375, "終了", 9, false},
        {"Command5", 240, 2040, 1455, 375, "日数加算計算", 9, false},
        {"Shape1", 3000, 2160, 5895, 885, nullptr, 0, false},
        {"Label18", 3120, 2235, 5655, 225, "● 起算日と計算日入力で経過日数計算ボタン＝経過日数表示", 9, false},
        {"Label21", 3120, 2505, 5655, 225, "● 計算日＝何も入れずにエンター＝本日（NOW）が自動入力計算。", 9, false},
        {"Label19", 3120, 2760, 5655, 225, "● 起算日と経過日数入力で日数加算計算ボタン＝計算年月日表示", 9, false},
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
    QString animals;
    for (int i = 0; i < quorvel::PictureArray::kCount; ++i) {
        const QImage a = w.Image1[i].pixmap().toImage(), b = w.Image2[i].pixmap().toImage();
        EXPECT_EQ(a.size(), QSize(28, 28)) << i;
        EXPECT_EQ(a, b) << i;
        pictures.insert(a.cacheKey() ? qHashBits(a.constBits(), a.sizeInBytes()) : 0);
        // All on one spot of their row.
        EXPECT_EQ((std::array{w.Image1[i].Left(), w.Image1[i].Top(), w.Image2[i].Left(), w.Image2[i].Top()}),
                  (std::array{6720.0, i == 12 ? 555.0 : 560.0, 6720.0, 1040.0}))
            << i;
        animals += forms::testing::accessibleText(&w.Image2[i]);
    }
    EXPECT_EQ(pictures.size(), 13);
    EXPECT_EQ(animals, "猿鶏犬猪鼠牛虎兎竜蛇馬羊"); // in the order of 申酉戌亥子丑寅卯辰巳午未

    // Screen readers hear what is shown, the picture's animal too.
    enter(w.Text1, "20080805");
    enter(w.Text2, "H310430");
    click(w.Command1);
    EXPECT_EQ(forms::testing::accessibleFaults(w), forms::testing::NoFaults);
    EXPECT_EQ(forms::testing::accessibleText(&w.Label6), "平成 31年04月30日");
    EXPECT_EQ(forms::testing::accessibleText(&w.Image1[4]), "鼠");
}
