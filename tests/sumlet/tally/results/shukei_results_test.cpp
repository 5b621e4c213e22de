// The tally form's result side: compute, result grids, copies, tally files
// and the main toolbar, driven through the form's controls.
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QStringList>

#include "support/tally_reference.h"
#include "sumlet/tally/print/print_1_form.h"
#include "sumlet/tally/results/tally_file.h"
#include "sumlet/tally/shukei_form.h"
#include "support/sumlet_fixture.h"

namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::clickCell;
using forms::testing::clickToolbar;
using tally_test::Month;

// "担当者NO" in code page 932.
const std::string kKeyCp932 = "\x92\x53\x93\x96\x8e\xd2NO";
const std::string kExampleFile = "2,\"" + kKeyCp932 + "\",4,5\r\n2,1\r\n4\r\n5\r\n"
                                 "101,3,500\r\n102,1,200\r\n101,2,800\r\n";

// A whole number with thousands separators, written out independently of Format.
QString grouped(double v)
{
    QString digits = QString::number(static_cast<qlonglong>(v < 0 ? -v : v));
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return (v < 0 ? QStringLiteral("-") : QString()) + digits;
}

class ResultsTest : public sumlet::testing::SumletTest {
protected:
    sumlet::SHUKEI& open()
    {
        click(start().Command6);
        return *prog().SHUKEI_.get();
    }
    sumlet::TallyData& tally() { return shared().tally; }

    // The months as the entry side stores closed months, with period and key.
    void enter(const std::vector<Month>& months, std::vector<double> monthNo, const char* key)
    {
        tally_test::loadMonths(tally(), months);
        for (long k = 1; k <= long(monthNo.size()); ++k)
            tally().MonthNo.set(k, monthNo[k - 1]);
        tally().StartMonth = monthNo.front();
        tally().EndMonth = monthNo.back();
        tally().KeyName = key;
    }
    // "集計ボタン", enabled as closing a month enables it.
    void compute(sumlet::SHUKEI& f)
    {
        f.Command1.setEnabled(true);
        click(f.Command1);
    }
    // Every row of a grid, cells joined by "|".
    static QStringList rows(forms::FlexGrid& g)
    {
        QStringList out;
        for (int r = 0; r < g.Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < g.Cols(); ++c)
                cells << g.TextMatrix(r, c);
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    // Label captions joined by "/".
    static QString captions(std::initializer_list<forms::Label*> labels)
    {
        QStringList out;
        for (forms::Label* l : labels)
            out << l->Caption();
        return out.join(QLatin1Char('/'));
    }
    void answerBoxes(int n)
    {
        while (n-- > 0)
            rec.answerNextMessage(forms::MsgResult::OK);
    }
    QString writeSuk(const char* name, const std::string& bytes)
    {
        writeFile(QString::fromLatin1(name), bytes);
        return dir.filePath(QString::fromLatin1(name));
    }
};

// Three months 11, 12, 1: duplicate keys, a key 0 below which a negative key
// stands (its own row), a key 0 that is the smallest (no row), an empty month.
const std::vector<Month> kThreeMonths = {
    {{30, 1, 1500}, {10, 2, 200}, {0, 5, 50}, {10, 1, 300}, {-2, 1, 1000}},
    {{0, 4, 40}, {20, 1, 1234567}, {20, 2, 3}},
    {},
};

TEST_F(ResultsTest, ComputeShowsEachMonthAndThePeriodAndCopiesThem)
{
    sumlet::SHUKEI& f = open();
    enter(kThreeMonths, {11, 12, 1}, "店番号");
    const int beeps = rec.beeps();
    compute(f);
    EXPECT_EQ(rec.beeps(), beeps + 1);
    EXPECT_TRUE(f.Frame3.isEnabled());
    for (auto* b : {&f.Command8, &f.Command9, &f.Command10})
        EXPECT_TRUE(b->isEnabled()) << b->Name().toStdString();
    EXPECT_EQ(forms::testing::focusName(f), "Command9");

    const QString head = QStringLiteral("NO|店番号|件数|金　額");
    // G2 and Label8, 15, 16 per month.
    const std::vector<std::pair<QStringList, QString>> months = {
        {{head, "1 |-2 |1 |1,000 ", "2 |0 |5 |50 ", "3 |10 |3 |500 ", "4 |30 |1 |1,500 "}, "11/10 /3,050 "},
        {{head, "1 |20 |3 |1,234,570 "}, "12/7 /1,234,610 "},
        {{head}, "1/0 /0 "},
    };
    // Forward past the last month, then back past the first: the ends hold.
    const std::vector<std::pair<forms::CommandButton*, int>> steps = {
        {nullptr, 0}, {&f.Command9, 1}, {&f.Command9, 2}, {&f.Command9, 2},
        {&f.Command8, 1}, {&f.Command8, 0}, {&f.Command8, 0}};
    for (const auto& [button, m] : steps) {
        if (button)
            click(*button);
        SCOPED_TRACE("month index " + std::to_string(m + 1));
        EXPECT_EQ(tally().ResultMonth.num(), m + 1);
        EXPECT_EQ(rows(f.G2), months[m].first);
        EXPECT_EQ(captions({&f.Label8, &f.Label15, &f.Label16}), months[m].second);
    }

    const QStringList g3 = {head, "1 |-2 |1 |1,000 ", "2 |0 |5 |50 ", "3 |10 |3 |500 ", "4 |20 |3 |1,234,570 ",
                            "5 |30 |1 |1,500 "};
    EXPECT_EQ(rows(f.G3), g3);
    // Bare period months; grand totals with month 2's key-0 rows, which have no result row.
    EXPECT_EQ(captions({&f.Label10, &f.Label11, &f.Label18, &f.Label17}), "11/1/17 /1,237,660 ");
    // The "NO" column right-aligned, the other headings centred, cells right.
    for (auto* g : {&f.G2, &f.G3})
        EXPECT_EQ((std::vector<int>{g->FixedAlignment(0), g->FixedAlignment(1), g->FixedAlignment(2),
                                    g->FixedAlignment(3), g->ColAlignment(1), g->ColAlignment(2), g->ColAlignment(3)}),
                  (std::vector<int>{7, 4, 4, 4, 7, 7, 7}));

    // A partial selection is widened to whole rows, and the copy takes all.
    clickCell(f.G3, 2, 2);
    clickCell(f.G3, 3, 3, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(f.G3.Col(), 0);
    EXPECT_EQ(f.G3.ColSel(), 3);

    // The expected rows as clipboard text: TAB between cells, CR between rows.
    const auto clip = [](const QStringList& rows) {
        return rows.join(QLatin1Char('\r')).replace(QLatin1Char('|'), QLatin1Char('\t'));
    };
    EXPECT_EQ(clip({head, "1 |-2 "}), "NO\t店番号\t件数\t金　額\r1 \t-2 ");
    const std::vector<std::tuple<forms::FlexGrid*, const char*, const char*, QStringList>> copies = {
        {&f.G2, "MM1", "MM11", months[0].first}, {&f.G3, "MM2", "MM21", g3}};
    for (const auto& [grid, popup, item, shown] : copies) {
        rec.chooseInNextPopup(QString::fromLatin1(item));
        clickCell(*grid, 1, 2, Qt::RightButton);
        EXPECT_EQ(rec.popups().back(), QString::fromLatin1(popup));
        EXPECT_EQ(rec.clipboard(), clip(shown));
        EXPECT_EQ(QPoint(grid->Row(), grid->Col()), QPoint(1, 1));
    }

    // Left and middle buttons open no menu.
    const int popups = rec.popups().size();
    clickCell(f.G2, 1, 1);
    clickCell(f.G2, 1, 1, Qt::MiddleButton);
    EXPECT_EQ(rec.popups().size(), popups);

    // Month 3 has no result rows: its heading alone is copied.
    for (int i = 0; i < 2; ++i)
        click(f.Command9);
    ASSERT_EQ(f.G2.Rows(), 1);
    rec.chooseInNextPopup(QStringLiteral("MM11"));
    clickCell(f.G2, 0, 1, Qt::RightButton);
    EXPECT_EQ(rec.clipboard(), clip({head}));
    // With no row 1 the heading row stays current, in column 1.
    EXPECT_EQ(QPoint(f.G2.Row(), f.G2.Col()), QPoint(0, 1));
}

TEST_F(ResultsTest, GridsMatchSumsPerKeyOverRandomMonths)
{
    std::mt19937 gen(11);
    sumlet::SHUKEI& f = open();
    for (int round = 0; round < 6; ++round) {
        const int mc = 1 + round;
        std::vector<Month> months(mc);
        std::uniform_int_distribution<int> key(-3, 40), count(0, 9), amount(-5000, 2000000), size(0, 30);
        for (Month& m : months)
            for (int i = size(gen); i > 0; --i)
                m.push_back({double(key(gen)), double(count(gen)), double(amount(gen))});
        std::vector<double> monthNo;
        for (int k = 0; k < mc; ++k)
            monthNo.push_back((8 + k) % 12 + 1);
        enter(months, monthNo, "商品NO");
        compute(f);

        // Rows as the independent per-key sums say, numbered from 1.
        const auto expected = [](const tally_test::Sums& sums) {
            QStringList out{QStringLiteral("NO|商品NO|件数|金　額")};
            for (const auto& [key, v] : sums)
                out << QStringLiteral("%1 |%2 |%3 |%4 ").arg(out.size()).arg(key).arg(v.first).arg(grouped(v.second));
            return out;
        };
        tally_test::Sums all;
        for (int k = 1; k <= mc; ++k) {
            SCOPED_TRACE("round " + std::to_string(round) + " month " + std::to_string(k));
            if (k > 1)
                click(f.Command9);
            const tally_test::Sums month = tally_test::sumsByKey({months[k - 1]});
            for (const auto& [key, v] : month) {
                all[key].first += v.first;
                all[key].second += v.second;
            }
            EXPECT_EQ(rows(f.G2), expected(month));
        }
        EXPECT_EQ(rows(f.G3), expected(all));
    }
}

// The whole road: period, key and rows typed, months closed with "*",
// computed, saved byte for byte and loaded back.
TEST_F(ResultsTest, TypedTallySavesTheExampleFileAndLoadsBack)
{
    using forms::testing::typeText;
    sumlet::SHUKEI& f = open();
    typeText(f.Text1, QStringLiteral("4\r"));
    typeText(f.Text2, QStringLiteral("5\r"));
    forms::testing::chooseItem(f.Combo1, 1);
    click(f.Command6);
    const auto typeRows = [&](const QStringList& rows) {
        for (const QString& row : rows) {
            const QStringList cells = row.split(QLatin1Char(','));
            typeText(f.Text3, cells[0] + QStringLiteral("\r"));
            typeText(f.Text4, cells[1] + QStringLiteral("\r"));
            typeText(f.Text5, cells[2] + QStringLiteral("\r"));
        }
        typeText(f.Text3, QStringLiteral("*\r"));
    };
    typeRows({"101,3,500", "102,1,200"});
    click(f.Command2);
    typeRows({"101,2,800"});
    click(f.Command1);
    EXPECT_EQ(rows(f.G3), (QStringList{"NO|担当者NO|件数|金　額", "1 |101 |5 |1,300 ", "2 |102 |1 |200 "}));
    EXPECT_EQ(captions({&f.Label18, &f.Label17}), "6 /1,500 ");
    const QStringList g2 = rows(f.G2), g3 = rows(f.G3);

    const QString path = dir.filePath(QStringLiteral("typed.SUK"));
    rec.answerNextFileDialog(path);
    clickToolbar(f.Toolbar1, 2);
    const auto& d = rec.fileDialogs().back();
    EXPECT_TRUE(d.save && d.options.overwritePrompt);
    EXPECT_EQ(d.options.initialDir.toStdString(), shared().DataFolder.text());
    EXPECT_EQ(d.options.filter, QStringLiteral("集計ﾌｧｲﾙ (*.SUK)"));
    EXPECT_EQ(fileBytes(QStringLiteral("typed.SUK")), kExampleFile);

    // Another tally in hand, then the file: the same results come back.
    enter({{{7, 7, 7}}, {{8, 8, 8}}, {{9, 9, 9}}}, {1, 2, 3}, "店番号");
    compute(f);
    rec.answerNextFileDialog(path);
    choose(f.M2);
    const auto& o = rec.fileDialogs().back();
    EXPECT_TRUE(!o.save && !o.options.overwritePrompt && o.options.title.isEmpty());
    EXPECT_EQ(o.options.fileName, path); // the name chosen last is proposed
    EXPECT_EQ(rows(f.G2), g2);
    EXPECT_EQ(rows(f.G3), g3);
    EXPECT_EQ(tally().MonthCount.num(), 2);
    EXPECT_EQ(tally().InKey[3].num(1), 9); // months above the file's are left alone
    EXPECT_EQ(f.Combo1.Text(), "担当者NO");
    EXPECT_EQ(captions({&f.Label2, &f.Label3, &f.Label24, &f.Label25, &f.Label20}), "4 /5 /4 /700 /4 ");
    EXPECT_EQ(rows(f.G1).mid(0, 4), (QStringList{"NO|担当者NO|件数|金　額", "1 |101 |3 |500 ",
                                                 "2 |102 |1 |200 ", "3 |||"}));
    EXPECT_EQ(tally().CurMonth.num(), 1);
    EXPECT_TRUE(f.Text3.isEnabled() && f.Command2.isEnabled());
    EXPECT_EQ(forms::testing::focusName(f), "Command9");
}

TEST_F(ResultsTest, SaveIsRefusedUntilComputedAndFailuresAreReported)
{
    sumlet::SHUKEI& f = open();
    enter({{{0, 1, 1}}}, {4}, "担当者NO");
    const int beeps = rec.beeps();
    answerBoxes(2);
    choose(f.M3); // not computed
    compute(f);   // only key 0: no keys counted, no result rows, yet totals
    EXPECT_EQ(rows(f.G2) + rows(f.G3), QStringList(2, QStringLiteral("NO|担当者NO|件数|金　額")));
    EXPECT_EQ(captions({&f.Label15, &f.Label16, &f.Label18, &f.Label17}), "1 /1 /1 /1 ");
    clickToolbar(f.Toolbar1, 2);
    ASSERT_EQ(rec.messages().size(), 2u);
    for (const auto& m : rec.messages()) {
        EXPECT_EQ(m.text, "集計が確定してから保存して下さい！");
        EXPECT_EQ(m.icon, forms::MsgIcon::Exclamation);
        EXPECT_EQ(m.title, "Check");
    }
    EXPECT_EQ(rec.beeps(), beeps + 1); // the compute's beep only
    EXPECT_TRUE(rec.fileDialogs().empty());

    enter({{{5, 1, 1}}}, {4}, "担当者NO");
    compute(f);
    rec.cancelNextFileDialog();
    choose(f.M3);
    EXPECT_EQ(rec.messages().size(), 2u);

    // A folder that does not exist, a read-only file, then key captions the
    // file cannot hold: warned, and the old file stays.
    writeSuk("keep.SUK", kExampleFile);
    ASSERT_TRUE(QFile::setPermissions(writeSuk("ro.SUK", kExampleFile), QFile::ReadOwner | QFile::ReadOther));
    const std::vector<std::pair<const char*, const char*>> saves = {
        {"担当者NO", "none/a.SUK"}, {"担当者NO", "ro.SUK"}, {"担当\"NO", "keep.SUK"}, {"店😀", "keep.SUK"},
        {"担当\nNO", "keep.SUK"}};
    for (const auto& [key, file] : saves) {
        tally().KeyName = key;
        answerBoxes(1);
        rec.answerNextFileDialog(dir.filePath(QString::fromLatin1(file)));
        choose(f.M3);
        EXPECT_EQ(rec.messages().back().text, "保存できませんでした！") << key;
    }
    EXPECT_EQ(rec.messages().size(), 7u);
    EXPECT_EQ(fileBytes(QStringLiteral("keep.SUK")), kExampleFile);
    EXPECT_EQ(fileBytes(QStringLiteral("ro.SUK")), kExampleFile);
}

// Files loaded over a computed tally: bad ones change nothing and warn, sound
// ones (without a period, with an empty month 1) are shown and recomputed.
TEST_F(ResultsTest, LoadedFilesShowOrChangeNothing)
{
    sumlet::SHUKEI& f = open();
    enter(kThreeMonths, {11, 12, 1}, "店番号");
    compute(f);
    // Grids, then Label2, 3, 24, 25, 10, 11, 8, 18, 17 joined, then the tally as a file.
    const auto state = [&] {
        return rows(f.G1) + rows(f.G2) + rows(f.G3)
               << captions({&f.Label2, &f.Label3, &f.Label24, &f.Label25, &f.Label10, &f.Label11, &f.Label8,
                            &f.Label18, &f.Label17})
               << QString::fromStdString(sumlet::writeTallyFile(tally()).bytes) << f.Combo1.Text();
    };
    const QString head = QStringLiteral("NO|NO|件数|金　額");
    struct Load {
        const char* name;
        std::optional<std::string> bytes; // none: no such file
        QStringList g1 = {}, g2 = {}, g3 = {}; // empty: refused
        QString labels = {};                   // the labels joined by "/"
    };
    const std::vector<Load> loads = {
        {"short.SUK", kExampleFile.substr(0, kExampleFile.size() - 11)},
        {"long.SUK", kExampleFile + "103,1,1\r\n"},
        {"text.SUK", "1,\"x\",4,4\r\n1\r\n4\r\n1,2,three\r\n"},
        {"lfkey.SUK", "1,\"a\nb\",4,4\r\n1\r\n4\r\n1,1,1\r\n"},
        {"nulkey.SUK", std::string("1,\"a") + '\0' + "b\",4,4\r\n1\r\n4\r\n1,1,1\r\n"},
        {"bigkey.SUK", "1,\"x\",4,4\r\n1\r\n4\r\n123456789012345678,1,1\r\n"},
        {"huge.SUK", "2,\"x\",4,5\r\n1,4\r\n4\r\n5\r\n1,1,1\r\n1,1,1e300\r\n2,1,1e300\r\n3,1,1e300\r\n4,1,1e300\r\n"},
        {"missing.SUK", std::nullopt},
        {"pipe.SUK", std::nullopt},   // a FIFO: refused without waiting for a writer
        {"folder.SUK", std::nullopt},
        // No period ever confirmed, one empty month.
        {"noperiod.SUK", "1,\"NO\",,0\r\n0\r\n0\r\n", {head, "1 |||"}, {head}, {head}, " / /0 /0 //0/0/0 /0 "},
        // Keys and amounts of 15 digits, shown with all of them.
        {"digits15.SUK", "1,\"NO\",4,4\r\n2\r\n4\r\n999999999999999,1,999999999999999\r\n-1,1,-999999999999999\r\n",
         {head, "1 |999999999999999 |1 |999,999,999,999,999 "}, {head, "1 |-1 |1 |-999,999,999,999,999 ",
         "2 |999999999999999 |1 |999,999,999,999,999 "}, {head, "1 |-1 |1 |-999,999,999,999,999 ",
         "2 |999999999999999 |1 |999,999,999,999,999 "}, "4 /4 /2 /0 /4/4/4/2 /0 "},
        // Month 1 empty; the compute still takes month 2.
        {"empty1.SUK", "2,\"NO\",4,5\r\n0,2\r\n4\r\n5\r\n7,1,1000\r\n7,2,50\r\n", {head, "1 |||"}, {head},
         {head, "1 |7 |3 |1,050 "}, "4 /5 /0 /0 /4/5/4/3 /1,050 "},
    };
    ASSERT_EQ(::mkfifo(dir.filePath("pipe.SUK").toLocal8Bit().constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.SUK"));
    for (const Load& l : loads) {
        SCOPED_TRACE(l.name);
        const QStringList before = state();
        const int beeps = rec.beeps();
        const size_t messages = rec.messages().size();
        if (l.bytes)
            writeSuk(l.name, *l.bytes);
        if (l.g2.isEmpty())
            answerBoxes(1);
        rec.answerNextFileDialog(dir.filePath(QString::fromLatin1(l.name)));
        choose(f.M2);
        EXPECT_EQ(rec.beeps(), beeps + 1); // the warning's, or the compute's
        if (l.g2.isEmpty()) {
            ASSERT_EQ(rec.messages().size(), messages + 1);
            EXPECT_EQ(rec.messages().back().text, "ﾌｧｲﾙを読み込めません！");
            EXPECT_EQ(rec.messages().back().title, "Check");
            EXPECT_EQ(state(), before);
            continue;
        }
        EXPECT_EQ(rec.messages().size(), messages);
        EXPECT_EQ(rows(f.G1).mid(0, 2), l.g1);
        EXPECT_EQ(rows(f.G2), l.g2);
        EXPECT_EQ(rows(f.G3), l.g3);
        EXPECT_EQ(state().at(rows(f.G1).size() + l.g2.size() + l.g3.size()), l.labels);
    }
    // A cancelled dialog is silent.
    const QStringList before = state();
    const size_t messages = rec.messages().size();
    rec.cancelNextFileDialog();
    clickToolbar(f.Toolbar1, 1);
    EXPECT_EQ(rec.messages().size(), messages);
    EXPECT_EQ(state(), before);
}

TEST_F(ResultsTest, ToolbarToolMenusAndResultList)
{
    sumlet::SHUKEI& f = open();
    const int beeps = rec.beeps();
    answerBoxes(1);
    clickToolbar(f.Toolbar1, 4); // no month closed yet
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages().back().text, "入力データがありません！");
    EXPECT_EQ(rec.beeps(), beeps + 1);
    EXPECT_FALSE(prog().PRINT_1_.Loaded());
    enter(kThreeMonths, {11, 12, 1}, "店番号");
    compute(f);
    clickToolbar(f.Toolbar1, 4);
    EXPECT_TRUE(prog().PRINT_1_.Loaded());
    prog().PRINT_1_.Unload();

    clickToolbar(f.Toolbar1, 5);
    choose(f.MM31);
    ASSERT_EQ(rec.processes().size(), 2u);
    EXPECT_TRUE(rec.processes()[0].program.endsWith(QStringLiteral("quorvel")));
    clickToolbar(f.Toolbar1, 6);
    choose(f.MM41);
    EXPECT_EQ(rec.helpShown().size(), 2);
    EXPECT_EQ(shared().HelpOpen.num(), 1);

    // "一覧表" opens the list on month 1; back from it, the entry grid shows month 1.
    tally().CurMonth = 3;
    QStringList listRows;
    rec.onNextModal("ICHIRAN", [&](forms::Form& list) {
        EXPECT_EQ(tally().CurMonth.num(), 1);
        auto& g4 = static_cast<forms::FlexGrid&>(*list.findControl(QStringLiteral("G4")));
        listRows << g4.TextMatrix(1, 1) << g4.TextMatrix(5, 1);
        click(*static_cast<forms::CommandButton*>(list.findControl(QStringLiteral("Command1")))); // "戻る"
    });
    click(f.Command10);
    EXPECT_EQ(rec.modalsRun(), QStringList{"ICHIRAN"});
    EXPECT_EQ(listRows, (QStringList{"-2 ", "30 "}));
    EXPECT_EQ(tally().CurMonth.num(), 1);
    EXPECT_EQ(shared().ReturnFlag.num(), 0);
    EXPECT_EQ(f.G1.TextMatrix(1, 1), "30 ");
}

} // namespace
