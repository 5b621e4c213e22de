// Tape files through the form: dialogs, bytes saved, files loaded.
#include "adding_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace sumlet::testing {
namespace {

using forms::MsgResult;
using forms::testing::choose;
using forms::testing::clickToolbar;
using forms::testing::click;
using forms::testing::typeText;

TEST_F(AddingTest, SaveWritesCountTotalTopRowAndValues)
{
    SUMLET& f = open();
    rec.answerNextFileDialog(dir.filePath("empty.ADT"));
    choose(f.M12);
    EXPECT_EQ(fileBytes("empty.ADT"), "0,0,1\r\n");

    for (const char* v : {"100", "250.5", "-30"})
        enter(QString::fromUtf8(v));
    rec.answerNextFileDialog(dir.filePath("three.ADT"));
    clickToolbar(f.Toolbar1, 2);
    EXPECT_EQ(fileBytes("three.ADT"), "3,320.5,1\r\n100\r\n250.5\r\n-30\r\n");

    ASSERT_EQ(rec.fileDialogs().size(), 2u);
    const auto& d = rec.fileDialogs()[1];
    EXPECT_TRUE(d.save);
    EXPECT_TRUE(d.options.overwritePrompt);
    EXPECT_EQ(d.options.initialDir.toStdString(), shared().DataFolder.text());
    EXPECT_EQ(d.options.filter, "入力ﾌｧｲﾙ (*.ADT)");
    EXPECT_EQ(d.options.fileName, dir.filePath("empty.ADT")); // the name chosen last
    EXPECT_EQ(shared().ReturnFlag.num(), 1);
    EXPECT_EQ(rec.beeps(), 0);
    EXPECT_EQ(forms::testing::focusName(f), "Text1");

    // A name without an extension is saved as typed.
    rec.answerNextFileDialog(dir.filePath("plain"));
    choose(f.M12);
    EXPECT_EQ(fileBytes("plain"), "3,320.5,1\r\n100\r\n250.5\r\n-30\r\n");
}

TEST_F(AddingTest, SaveWritesTheTopRowOfTheLastTenRows)
{
    SUMLET& f = open();
    for (auto [count, top] : {std::pair{9, "1"}, {10, "1"}, {11, "2"}}) {
        while (tape().EntryCount < count)
            enter(QStringLiteral("1"));
        rec.answerNextFileDialog(dir.filePath("t.ADT"));
        choose(f.M12);
        const std::string head = std::to_string(count) + "," + std::to_string(count) + "," + top + "\r\n";
        EXPECT_EQ(fileBytes("t.ADT").substr(0, head.size()), head);
    }
}

TEST_F(AddingTest, FailedSaveWarnsAndKeepsTheOldFile)
{
    SUMLET& f = open();
    enter(QStringLiteral("5"));
    // The target is a folder: the file cannot take its place.
    ASSERT_TRUE(QDir(dir.path()).mkpath("busy.ADT/inner"));
    rec.answerNextFileDialog(dir.filePath("busy.ADT"));
    rec.answerNextMessage(MsgResult::OK);
    choose(f.M12);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text, "保存できませんでした！");
    EXPECT_EQ(rec.messages()[0].title, "Check");
    EXPECT_TRUE(QFileInfo(dir.filePath("busy.ADT/inner")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"SETQ.DAT"}); // no temporary file left

    rec.answerNextFileDialog(dir.filePath("no/such/folder/x.ADT"));
    rec.answerNextMessage(MsgResult::OK);
    choose(f.M12);
    EXPECT_EQ(rec.messages().size(), 2u);
    EXPECT_EQ(tape().EntryCount, 1);

    // A read-only tape (no write bit, which holds for root too) stays.
    writeFile("ro.ADT", "old");
    QFile::setPermissions(dir.filePath("ro.ADT"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    rec.answerNextFileDialog(dir.filePath("ro.ADT"));
    rec.answerNextMessage(MsgResult::OK);
    choose(f.M12);
    ASSERT_EQ(rec.messages().size(), 3u);
    EXPECT_EQ(rec.messages()[2].text, "保存できませんでした！");
    EXPECT_EQ(fileBytes("ro.ADT"), "old");
}

TEST_F(AddingTest, LoadOfDevicesAndFifosWarnsWithoutWaiting)
{
    SUMLET& f = open();
    enter(QStringLiteral("5"));
    const Screen before = screen();
    ASSERT_EQ(::mkfifo(dir.filePath("pipe.ADT").toLocal8Bit().constData(), 0644), 0);
    for (const QString& file : {dir.filePath("pipe.ADT"), QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(file.toStdString());
        const auto messages = rec.messages().size();
        rec.answerNextFileDialog(file);
        rec.answerNextMessage(MsgResult::OK);
        choose(f.M11);
        ASSERT_EQ(rec.messages().size(), messages + 1);
        EXPECT_EQ(rec.messages().back().text, "ﾌｧｲﾙを読み込めません！");
        EXPECT_EQ(screen(), before);
        EXPECT_EQ(tape().EntryCount, 1);
    }
}

TEST_F(AddingTest, CancelledDialogsChangeNothing)
{
    SUMLET& f = open();
    enter(QStringLiteral("5"));
    const Screen before = screen();
    rec.cancelNextFileDialog();
    choose(f.M11);
    rec.cancelNextFileDialog();
    clickToolbar(f.Toolbar1, 2);
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(tape().EntryCount, 1);
    EXPECT_EQ(tape().SavedTopRow, 1);
    EXPECT_EQ(shared().ReturnFlag.num(), 1);
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"SETQ.DAT"});
}

TEST_F(AddingTest, LoadReplacesTapeGridAndLabels)
{
    SUMLET& f = open();
    enter(QStringLiteral("9"));
    click(f.Command2); // previous count and total shown
    typeText(f.Text1, QStringLiteral("77"));

    std::string bytes = "20,500.5,11\r\n";
    for (int k = 1; k <= 20; ++k)
        bytes += k == 20 ? "310.5\r\n" : "10\r\n";
    writeFile("a.ADT", bytes);
    rec.answerNextFileDialog(dir.filePath("a.ADT"));
    const int beeps = rec.beeps();
    clickToolbar(f.Toolbar1, 1);

    EXPECT_EQ(rec.beeps(), beeps + 1);
    EXPECT_EQ(tape().EntryCount, 20);
    EXPECT_EQ(tape().EntryTotal, 500.5); // the stored total, not recomputed
    EXPECT_EQ(f.G.TopRow(), 11);
    EXPECT_EQ(f.G.TextMatrix(19, 1), "10. ");
    EXPECT_EQ(f.G.TextMatrix(20, 1), "310.5 ");
    EXPECT_EQ(f.G.TextMatrix(21, 1), "");
    // The entry line and its echo are not touched.
    EXPECT_EQ(screen(), (Screen{"77.", "500.5 ", "20 ", "", "", "件数＝20", "合計＝500.5", "77"}));
    const auto& d = rec.fileDialogs().back();
    EXPECT_FALSE(d.save);
    EXPECT_FALSE(d.options.overwritePrompt);
    EXPECT_EQ(d.options.filter, "入力ﾌｧｲﾙ (*.ADT)");

    // The next entry appends and goes on from the loaded count and total.
    f.Text1.setText(QString());
    enter(QStringLiteral("0.5"));
    EXPECT_EQ(f.G.TextMatrix(21, 1), "0.5 ");
    EXPECT_EQ(f.Label2.Caption(), "501. ");
    EXPECT_EQ(f.G.TopRow(), 12);
}

TEST_F(AddingTest, LoadTakesOnlySoundFiles)
{
    struct Case {
        const char* name;
        std::string bytes;
        bool loads;
        QStringList column1;
        const char* label5;
    };
    const Case cases[] = {
        {"one line", "3,320.5,1,100,250.5,-30", true, {"100. ", "250.5 ", "-30. ", ""}, "3 "},
        {"count 0", "0,12,1\r\n", true, {"", "", "", ""}, "0 "},
        {"over-long: extra values", "1,4,1\r\n4\r\n5\r\n6\r\n", true, {"4. ", "", "", ""}, "1 "},
        {"short", "3,320.5,1\r\n100\r\n", false, {}, ""},
        {"over-long: count 1001", "1001,0,1\r\n", false, {}, ""},
        {"garbled", "3,x,1\r\n1\r\n1\r\n1\r\n", false, {}, ""},
        {"text", "\"abc\"\r\n", false, {}, ""},
        {"missing", "", false, {}, ""},
    };
    SUMLET& f = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(f.Command2);
        enter(QStringLiteral("8"));
        enter(QStringLiteral("9"));
        const Screen before = screen();
        const QString file = dir.filePath(QStringLiteral("t%1.ADT").arg(rec.fileDialogs().size()));
        if (std::string(c.name) != "missing")
            writeFile(QFileInfo(file).fileName(), c.bytes);
        rec.answerNextFileDialog(file);
        if (!c.loads)
            rec.answerNextMessage(MsgResult::OK);
        const auto messages = rec.messages().size();
        choose(f.M11);
        if (c.loads) {
            EXPECT_EQ(rec.messages().size(), messages);
            EXPECT_EQ(column(1, 4), c.column1);
            EXPECT_EQ(f.Label5.Caption(), c.label5);
            EXPECT_EQ(f.Label4.Caption(), "");
        } else {
            ASSERT_EQ(rec.messages().size(), messages + 1);
            EXPECT_EQ(rec.messages().back().text, "ﾌｧｲﾙを読み込めません！");
            EXPECT_EQ(rec.messages().back().title, "Check");
            EXPECT_EQ(screen(), before);
            EXPECT_EQ(column(1, 3), (QStringList{"8. ", "9. ", ""}));
            EXPECT_EQ(tape().EntryCount, 2);
            EXPECT_EQ(tape().EntryTotal, 17);
        }
    }
}

TEST_F(AddingTest, SavedTapeLoadsBackAlike)
{
    SUMLET& f = open();
    for (const char* v : {"0.1234567", "-2.5", "123456789012", "0.000001"})
        enter(QString::fromUtf8(v));
    rec.answerNextFileDialog(dir.filePath("r.ADT"));
    choose(f.M12);
    const std::vector<double> values(tape().Tape.begin() + 1, tape().Tape.begin() + 5);
    const double total = tape().EntryTotal;
    click(f.Command2);
    rec.answerNextFileDialog(dir.filePath("r.ADT"));
    choose(f.M11);
    EXPECT_EQ(std::vector<double>(tape().Tape.begin() + 1, tape().Tape.begin() + 5), values);
    EXPECT_NEAR(tape().EntryTotal, total, 1e-3); // files keep 15 significant digits
    EXPECT_EQ(f.G.TextMatrix(3, 1), "123,456,789,012. ");
    EXPECT_EQ(f.G.TextMatrix(4, 1), "0.000001 ");
}

} // namespace
} // namespace sumlet::testing
