// HIZUKE: the date and days entries and the three computing buttons.
#include "quorvel/dates/hizuke_form.h"

#include "forms/keys.h"
#include "quorvel/program.h"
#include "runtime/format.h"

namespace quorvel {

using dates::Date;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

} // namespace

HIZUKE::Side HIZUKE::side(bool calc)
{
    if (calc)
        return {true, Text2, v.DAY2, v.DDD2, Label4, Label6, Label11, Label14, Image2};
    return {false, Text1, v.DAY1, v.DDD1, Label3, Label5, Label10, Label13, Image1};
}

void HIZUKE::showDate(const Side& s, const Date& d)
{
    s.date.setCaption(qs(dates::dayText(d) + " "));
    s.era.setCaption(qs(dates::formatDate(d, "ggg ee年mm月dd日")));
    s.weekday.setCaption(qs(dates::formatDate(d, "aaaa")));
    const int y = static_cast<int>(d.year());
    s.sign.setCaption(qs(dates::signOf(y)));
    s.calc ? ETO2() : ETO();
    s.pictures[dates::signNumber(y)].setVisible(true);
}

void HIZUKE::takeDate(const Side& s, const Date& d)
{
    s.number = dates::dateNumber(d);
    s.text = dates::dayText(d);
    showDate(s, d);
    s.box.setText(QString());
}

void HIZUKE::moveOn(const Side& s)
{
    if (s.calc)
        Command1.SetFocus();
    else
        Text2.SetFocus();
}

void HIZUKE::dateEntry(bool calc, bool enter)
{
    const Side s = side(calc);
    const QString box = s.box.Text();
    if (box == ".") {
        s.box.setText(QString());
        s.text.clear();
        s.number = 0;
        for (forms::Label* l : {&s.date, &s.era, &s.weekday})
            l->setCaption(QString());
        if (calc) {
            Label16.setCaption(QString());
            Text1.SetFocus();
        }
        return;
    }
    if (box.isEmpty() && !s.text.empty()) {
        // The stored date again, taken from its number.
        const std::string digits = std::to_string(static_cast<long long>(s.number));
        const std::string last8 = digits.substr(digits.size() > 8 ? digits.size() - 8 : 0);
        if (const auto d = dates::readDate(last8.substr(0, 4) + "/" + last8.substr(4, 2) + "/" +
                                           last8.substr(6, 2))) {
            takeDate(s, *d);
            moveOn(s);
        }
        return;
    }
    if (calc && enter && box.isEmpty() && !v.DAY1.empty() && v.DAY2.empty()) {
        takeDate(s, v.today());
        Command1_Click();
        Command2.SetFocus();
        return;
    }
    const dates::EntryOutcome r = dates::checkDateEntry(box.toStdU32String(), calc, v.DDD1);
    switch (r.kind) {
    case dates::EntryOutcome::Kind::Accept:
        takeDate(s, r.date);
        moveOn(s);
        break;
    case dates::EntryOutcome::Kind::Refuse:
        Warn(qs(r.message), &s.box);
        s.box.setText(QString());
        break;
    case dates::EntryOutcome::Kind::NoSuchDay:
        Warn("該当日はありません！", &s.box);
        s.date.setCaption(QString());
        s.era.setCaption(QString());
        s.box.setText(QString());
        s.number = 0;
        s.text.clear();
        break;
    }
}

void HIZUKE::daysEntry()
{
    const runtime::ValResult r = dates::leadingValue(Text3.Text().toStdU32String());
    Text3.setText(QString());
    if (r.overflow)
        return; // beyond any number: not taken
    v.KEIKA = r.value;
    Label8.setCaption(qs(runtime::Format(v.KEIKA, "######0 ")));
    Command5.SetFocus();
}

void HIZUKE::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    dateEntry(false, true);
}

void HIZUKE::Text2_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    dateEntry(true, true);
}

void HIZUKE::Text3_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    daysEntry();
}

void HIZUKE::Text1_KeyDown(int KeyCode, int Shift)
{
    (void)Shift;
    if (KeyCode == forms::vk::Down)
        dateEntry(false, false);
    else if (KeyCode == forms::vk::Up)
        Text1.setText(QString());
}

void HIZUKE::Text2_KeyDown(int KeyCode, int Shift)
{
    (void)Shift;
    if (KeyCode == forms::vk::Down) {
        dateEntry(true, false);
    } else if (KeyCode == forms::vk::Up) {
        Text2.setText(QString());
        Text1.SetFocus();
    }
}

void HIZUKE::Text3_KeyDown(int KeyCode, int Shift)
{
    (void)Shift;
    if (KeyCode == forms::vk::Down)
        daysEntry();
}

void HIZUKE::Command1_Click()
{
    if (v.DDD1 == 0 || v.DDD2 == 0) {
        Warn("年月日未入力！", &Text1);
        return;
    }
    const auto a = dates::readDate(v.DAY1), b = dates::readDate(v.DAY2);
    if (!a || !b)
        return;
    v.KEIKA = static_cast<double>(dates::daysBetween(*a, *b));
    Label8.setCaption(qs(runtime::Format(v.KEIKA, "####0 ")));
    Label16.setCaption(qs(std::to_string(dates::wholeYears(v.DDD1, v.DDD2))));
    Command2.SetFocus();
}

void HIZUKE::Command5_Click()
{
    if (v.DDD1 == 0) {
        Warn("起算年月日と経過日数を入力せよ！", &Text1);
        return;
    }
    const auto start = dates::readDate(v.DAY1);
    if (!start)
        return;
    // Whole days, as the days label shows them.
    const auto d = dates::addDays(*start, runtime::roundHalfAway(v.KEIKA));
    if (!d) {
        Warn("計算範囲外！", &Text3);
        return;
    }
    takeDate(side(true), *d);
    Label16.setCaption(qs(std::to_string(dates::wholeYears(v.DDD1, v.DDD2))));
}

void HIZUKE::Command2_Click()
{
    for (forms::Label* l : {&Label3, &Label4, &Label5, &Label6, &Label8, &Label10, &Label11, &Label13,
                            &Label14, &Label16})
        l->setCaption(QString());
    v.clear();
    ETO();
    ETO2();
    Text1.SetFocus();
}

} // namespace quorvel
