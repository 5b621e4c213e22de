// Fixture of the tally form's tests: a started program with the tally form
// opened from the menu with "集計器".
#pragma once

#include "support/sumlet_fixture.h"

#include "forms/testing/driver.h"
#include "sumlet/tally/shukei_form.h"

#include <QStringList>

namespace sumlet::testing {

class TallyTest : public SumletTest {
public:   // the helpers serve the tables' lambdas too
    SHUKEI& open()
    {
        MENU& m = start();
        forms::testing::click(m.Command6);
        SHUKEI* f = prog().SHUKEI_.get();
        if (!f)
            throw std::logic_error("the tally form did not open");
        return *f;
    }
    SHUKEI& form() { return *prog().SHUKEI_.get(); }
    TallyData& tally() { return shared().tally; }
    std::string focus() { return forms::testing::focusName(form()).toStdString(); }

    // Confirms a start and an end month in the period boxes.
    void period(const QString& start, const QString& end)
    {
        forms::testing::typeText(form().Text1, start + QStringLiteral("\r"));
        forms::testing::typeText(form().Text2, end + QStringLiteral("\r"));
    }
    // A period, the first key, then "ﾃﾞｰﾀ入力".
    SHUKEI& openForEntry(const QString& start, const QString& end)
    {
        SHUKEI& f = open();
        period(start, end);
        forms::testing::chooseItem(f.Combo1, 0);
        forms::testing::click(f.Command6);
        return f;
    }
    // Types one row on the entry line: key, count and amount, each with Enter.
    void row(const QString& key, const QString& count, const QString& amount)
    {
        forms::testing::typeText(form().Text3, key + QStringLiteral("\r"));
        forms::testing::typeText(form().Text4, count + QStringLiteral("\r"));
        forms::testing::typeText(form().Text5, amount + QStringLiteral("\r"));
    }
    void rows(int n, int firstKey = 1)
    {
        for (int i = 0; i < n; ++i)
            row(QString::number(firstKey + i), QStringLiteral("1"), QString::number(100 * (firstKey + i)));
    }
    // "*" on the key box.
    void star() { forms::testing::typeText(form().Text3, QStringLiteral("*\r")); }

    // Columns 1..3 of grid row r, joined by "|".
    QString cells(int r)
    {
        const SHUKEI& f = form();
        return f.G1.TextMatrix(r, 1) + "|" + f.G1.TextMatrix(r, 2) + "|" + f.G1.TextMatrix(r, 3);
    }
    // The stored rows of month k as "key|count|amount".
    QStringList stored(int k)
    {
        QStringList out;
        const TallyData& t = tally();
        for (long i = 1; i <= t.InKey[k].upper(); ++i)
            out << QString::fromStdString(t.InKey[k].get(i).text() + "|" + t.InCount[k].get(i).text() + "|" +
                                          t.InAmount[k].get(i).text());
        return out;
    }
    // Where the entry line stands: InputRow, InputRowOnScreen, the boxes' Top, G1's top row.
    struct Line {
        int row, onScreen, top, topRow;
        bool operator==(const Line&) const = default;
        friend void PrintTo(const Line& l, std::ostream* os)
        {
            *os << "{row " << l.row << ", line " << l.onScreen << ", top " << l.top << ", top row " << l.topRow << "}";
        }
    };
    Line line()
    {
        const SHUKEI& f = form();
        EXPECT_EQ(f.Text4.Top(), f.Text3.Top());
        EXPECT_EQ(f.Text5.Top(), f.Text3.Top());
        return {int(tally().InputRow.num()), int(tally().InputRowOnScreen.num()), int(f.Text3.Top()),
                f.G1.TopRow()};
    }
    // Expects one "Check" warning with this text.
    void expectWarning(const QString& text, size_t index = 0)
    {
        ASSERT_GT(rec.messages().size(), index);
        EXPECT_EQ(rec.messages()[index].text, text);
        EXPECT_EQ(rec.messages()[index].title, "Check");
        EXPECT_EQ(rec.messages()[index].icon, forms::MsgIcon::Exclamation);
    }

    // Names of the buttons among these that are enabled.
    QStringList enabled(std::initializer_list<forms::ControlCore*> controls)
    {
        QStringList out;
        for (forms::ControlCore* c : controls)
            if (c->widget()->isEnabled())
                out << c->Name();
        return out;
    }
};

} // namespace sumlet::testing
