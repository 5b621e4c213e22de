// The data-folder chooser: activation branches, browsing and storing.
#include "support/sumlet_fixture.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "forms/testing/driver.h"
#include "sumlet/shell/filectl_form.h"

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::focusName;

class FilectlTest : public SumletTest {
protected:
    FILECTL& openChooser()
    {
        start();
        choose(prog().MENU_->MX11);
        EXPECT_TRUE(prog().FILECTL_.Loaded());
        return *prog().FILECTL_.get();
    }
    QString folder() const { return QString::fromStdString(programFolder()); }
};

TEST_F(FilectlTest, StoreWithEmptyTextStoresTheProgramFolder)
{
    writeSettings("\"/tmp\",7,12.5,0\r\n");
    FILECTL& f = openChooser();
    EXPECT_EQ(f.Text1.Text(), "/tmp");
    EXPECT_EQ(focusName(f), "Text2");
    EXPECT_FALSE(f.Frame1.Visible());
    EXPECT_FALSE(f.Label3.Visible());
    click(f.Command3);
    EXPECT_EQ(settingsBytes(), "\"" + programFolder() + "\",7,12.5,0\r\n");
    EXPECT_EQ(f.Text2.Text(), folder());
    EXPECT_EQ(f.Text1.Text(), folder());
    EXPECT_TRUE(f.Label3.Visible());
    EXPECT_EQ(f.Label3.Caption(), "保存しました");
    EXPECT_EQ(rec.beeps(), 1);
    EXPECT_EQ(focusName(f), "Command1");
    EXPECT_EQ(shared().DataFolder.text(), programFolder());
    // Focus back in the text box hides the label again.
    f.Text2.SetFocus();
    EXPECT_FALSE(f.Label3.Visible());
}

TEST_F(FilectlTest, FoldersTheFileCannotHoldAreRefused)
{
    writeSettings("\"/tmp\",0,0,0\r\n");
    FILECTL& f = openChooser();
    for (const QString& bad : {QStringLiteral("/a\"b"), QStringLiteral("/a\nb"), QStringLiteral("/a\rb"),
                               QStringLiteral("/データ😀")}) {
        SCOPED_TRACE(bad.toStdString());
        rec.answerNextMessage(forms::MsgResult::OK);
        f.Text2.setText(bad);
        click(f.Command3);
        ASSERT_FALSE(rec.messages().empty());
        EXPECT_EQ(rec.messages().back().text, "フォルダ名に使えない文字があります！");
        EXPECT_EQ(rec.messages().back().title, "Check");
        EXPECT_EQ(settingsBytes(), "\"/tmp\",0,0,0\r\n");
        EXPECT_EQ(shared().DataFolder.text(), "/tmp");
        EXPECT_FALSE(f.Label3.Visible());
        EXPECT_EQ(focusName(f), "Text2");
    }
    EXPECT_EQ(rec.beeps(), 4);
}

TEST_F(FilectlTest, UnavailableDriveIsReplacedByTheProgramFolder)
{
    // Empty, relative, or a first path component that does not exist.
    for (const char* stored : {"\"\",7,0,0\r\n", "\"C:\\DATA\",7,0,0\r\n", "\"/no-such-volume-7x/data\",7,0,0\r\n"}) {
        SCOPED_TRACE(stored);
        program = std::make_unique<Program>(rec, dir.path(), dir.filePath("config"));
        writeSettings(stored);
        FILECTL& f = openChooser();
        EXPECT_EQ(shared().DataFolder.text(), programFolder());
        EXPECT_EQ(settingsBytes(), "\"" + programFolder() + "\",7,0,0\r\n");
        EXPECT_EQ(f.Dir1.Path(), folder());
        EXPECT_EQ(f.Text1.Text(), folder());
        EXPECT_EQ(f.Drive1.Drive(), forms::DriveList::driveOf(folder()));
        EXPECT_EQ(focusName(f), "Text2");
    }
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(FilectlTest, MissingFolderIsShownAsTheProgramFolderButStaysStored)
{
    const std::string gone = (folder() + "/gone/deeper").toStdString();
    const std::string file = "\"" + gone + "\",1,2,3\r\n";
    writeSettings(file);
    FILECTL& f = openChooser();
    EXPECT_EQ(shared().DataFolder.text(), gone);
    EXPECT_EQ(settingsBytes(), file);
    EXPECT_EQ(f.Dir1.Path(), folder());
    EXPECT_EQ(f.Text1.Text(), folder());
    EXPECT_EQ(f.Drive1.Drive(), forms::DriveList::driveOf(folder()));
    EXPECT_EQ(focusName(f), "Text2");
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(FilectlTest, BrowsingCopiesTheOpenedFolderIntoText2)
{
    QDir(dir.path()).mkpath("sub one/inner");
    writeSettings("\"" + programFolder() + "\",0,0,0\r\n");
    FILECTL& f = openChooser();
    // Before "参照" the lists move without touching Text2.
    f.Dir1.setPath(dir.filePath("sub one"));
    EXPECT_EQ(f.Text2.Text(), "");

    f.Dir1.setPath(folder());
    click(f.Command2);
    EXPECT_TRUE(f.Frame1.Visible());
    int row = -1;
    for (int i = 0; i < f.Dir1.ListCount(); ++i)
        if (f.Dir1.List(i) == dir.filePath("sub one")) row = i;
    ASSERT_GE(row, 0);
    f.Dir1.openEntry(row);
    EXPECT_EQ(f.Text2.Text(), dir.filePath("sub one"));

    // Choosing another drive moves the folder list there, and Text2 follows.
    QString other;
    for (const QString& v : forms::DriveList::volumes())
        if (v != f.Drive1.Drive() && QFileInfo(v).isDir() && other.isEmpty()) other = v;
    ASSERT_FALSE(other.isEmpty());
    f.Drive1.setDrive(other);
    EXPECT_EQ(f.Dir1.Path(), other);
    EXPECT_EQ(f.Text2.Text(), other);

    click(f.Command3);
    EXPECT_EQ(settingsBytes(), "\"" + other.toStdString() + "\",0,0,0\r\n");
}

TEST_F(FilectlTest, StoreThatCannotWriteWarnsAndKeepsTheFolderInMemory)
{
    QDir(dir.path()).mkdir("SETQ.DAT");   // the file cannot be read nor replaced
    FILECTL& f = openChooser();
    // Empty DataFolder: the unavailable-drive branch, whose rewrite fails silently.
    EXPECT_EQ(shared().DataFolder.text(), programFolder());
    EXPECT_TRUE(rec.messages().empty());

    rec.answerNextMessage(forms::MsgResult::OK);
    f.Text2.setText("/srv/data");
    click(f.Command3);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text, "保存できませんでした！");
    EXPECT_EQ(rec.messages()[0].icon, forms::MsgIcon::Exclamation);
    EXPECT_EQ(rec.beeps(), 1);
    EXPECT_EQ(shared().DataFolder.text(), "/srv/data");
    EXPECT_FALSE(f.Label3.Visible());
    EXPECT_EQ(f.Text1.Text(), folder());
    EXPECT_TRUE(QFileInfo(dir.filePath("SETQ.DAT")).isDir());
}

TEST_F(FilectlTest, HelpMenuOpensHelp)
{
    FILECTL& f = openChooser();
    ASSERT_EQ(f.M1.action()->menu(), nullptr);   // a command on the bar, no drop-down
    f.M1.action()->trigger();
    EXPECT_EQ(rec.helpShown().size(), 1);
    EXPECT_EQ(shared().HelpOpen, runtime::Value(1));
    EXPECT_TRUE(prog().FILECTL_.Loaded());
}

} // namespace
} // namespace sumlet::testing
