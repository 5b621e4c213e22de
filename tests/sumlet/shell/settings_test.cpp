// The settings file as the start form and the folder chooser read and write it.
#include "support/sumlet_fixture.h"

#include "forms/testing/driver.h"
#include "sumlet/shell/filectl_form.h"

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::click;

class SettingsTest : public SumletTest {
protected:
    // From the menu to the folder chooser.
    FILECTL& openChooser()
    {
        choose(prog().MENU_->MX11);
        return *prog().FILECTL_.get();
    }
    void store(FILECTL& f, const QString& folder)
    {
        f.Text2.setText(folder);
        click(f.Command3);
    }
};

TEST_F(SettingsTest, FirstStartCreatesTheFileWithTheProgramFolder)
{
    start();
    EXPECT_EQ(settingsBytes(), "\"" + programFolder() + "\",0,0,0\r\n");
    EXPECT_EQ(shared().DataFolder.text(), programFolder());
    EXPECT_EQ(shared().SetqReserved2, runtime::Value(0));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(SettingsTest, ReadsWhatTheFileHoldsAndKeepsOldValuesOfMissingFields)
{
    struct Case {
        const char* file;
        runtime::Value folder, r2, r3, r4;
    };
    const runtime::Value old = "old";
    const Case cases[] = {
        {"\"/data/a, b c\",7,12.5,0\r\n", "/data/a, b c", 7, 12.5, 0},
        {"\"/x\",1,2,3,4,5\r\n\"/y\"\r\n", "/x", 1, 2, 3},       // later fields ignored
        {"\"/lf\",4,5,6\n", "/lf", 4, 5, 6},                     // lone LF
        {"\"/split\"\r\n1\r\n2,3\r\n", "/split", 1, 2, 3},        // a line end separates fields
        {"9,8,7,6\r\n", 9, 8, 7, 6},                               // a number is taken as it is
        {"\"/only\"\r\n", "/only", old, old, old},                // short file
        {"\"/two\",9\r\n", "/two", 9, old, old},
        {"", old, old, old, old},                                 // empty file
        {"\"/unclosed,1,2,3\r\n", old, old, old, old},            // malformed
        {"a\"b,1,2,3\r\n", old, old, old, old},                   // a quote outside quotes
        {"120,120,0,a\"b,,,\r\n", 120, 120, 0, old},
        {"\"/q\",1,x\"y\",3\r\n", "/q", 1, old, old},
        {"\"\xCA\xDF\xBD\",1,2,3\r\n", "ﾊﾟｽ", 1, 2, 3},           // code page 932
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        program = std::make_unique<Program>(rec, dir.path(), dir.filePath("config"));
        shared().DataFolder = old;
        shared().SetqReserved2 = old;
        shared().SetqReserved3 = old;
        shared().SetqReserved4 = old;
        writeSettings(c.file);
        start();
        EXPECT_EQ(shared().DataFolder, c.folder);
        EXPECT_EQ(shared().SetqReserved2, c.r2);
        EXPECT_EQ(shared().SetqReserved3, c.r3);
        EXPECT_EQ(shared().SetqReserved4, c.r4);
        EXPECT_EQ(settingsBytes(), c.file);   // reading never rewrites
    }
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(SettingsTest, StoreKeepsReservedFieldsAndRoundTripsTheFolder)
{
    struct Case {
        const char* before;
        QString folder;
        const char* after;
    };
    const Case cases[] = {
        {"\"/old\",7,12.5,0\r\n", "/home/user/my data, 2024", "\"/home/user/my data, 2024\",7,12.5,0\r\n"},
        {"\"/old\"\r\n", "/srv/ﾃﾞｰﾀ", "\"/srv/\xC3\xDE\xB0\xC0\",,,\r\n"},   // never-read fields stay empty
        {"\"/old\",\"x\",-3,1E+20\r\n", " /with blanks ", "\" /with blanks \",\"x\",-3,1E+20\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        program = std::make_unique<Program>(rec, dir.path(), dir.filePath("config"));
        writeSettings(c.before);
        start();
        store(openChooser(), c.folder);
        EXPECT_EQ(settingsBytes(), c.after);
        shared().DataFolder = "changed in memory";
        click(prog().FILECTL_->Command1);     // back to the menu, which reads the file again
        ASSERT_TRUE(prog().MENU_.Loaded());
        EXPECT_EQ(shared().DataFolder.text(), c.folder.toStdString());
    }
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(SettingsTest, UnwritableProgramFolderUsesTheFallbackFolder)
{
    // A program folder that cannot be written to (here: one that does not exist).
    const QString programDir = dir.filePath("readonly");
    program = std::make_unique<Program>(rec, programDir, dir.filePath("config"));
    start();
    EXPECT_EQ(fileBytes("config/SETQ.DAT"), "\"" + programDir.toStdString() + "\",0,0,0\r\n");
    EXPECT_EQ(shared().DataFolder.text(), programDir.toStdString());
}

TEST_F(SettingsTest, ReadOnlyProgramFolderWithTheFileIsReadUntilTheFallbackHasOne)
{
    const QString programDir = dir.filePath("bin");
    ASSERT_TRUE(QDir(dir.path()).mkdir("bin"));
    writeFile("bin/SETQ.DAT", "\"/kept\",1,2,3\r\n");
    // No write bit at all: read-only for root as well.
    ASSERT_TRUE(QFile::setPermissions(programDir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    program = std::make_unique<Program>(rec, programDir, dir.filePath("config"));
    start();
    EXPECT_EQ(shared().DataFolder.text(), "/kept");
    EXPECT_EQ(shared().SetqReserved3, runtime::Value(2));
    EXPECT_FALSE(QFile::exists(dir.filePath("config/SETQ.DAT")));

    store(openChooser(), "/chosen");
    EXPECT_EQ(fileBytes("config/SETQ.DAT"), "\"/chosen\",1,2,3\r\n");
    EXPECT_EQ(fileBytes("bin/SETQ.DAT"), "\"/kept\",1,2,3\r\n");
    click(prog().FILECTL_->Command1); // the menu reads the fallback's file now
    EXPECT_EQ(shared().DataFolder.text(), "/chosen");
    QFile::setPermissions(programDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(SettingsTest, FileThatCannotBeCreatedLeavesTheProgramFolderInMemory)
{
    writeFile("plainfile", "x");
    const QString programDir = dir.filePath("readonly");
    program = std::make_unique<Program>(rec, programDir, dir.filePath("plainfile/config"));
    start();
    EXPECT_EQ(shared().DataFolder.text(), programDir.toStdString());
    EXPECT_EQ(shared().SetqReserved3, runtime::Value(0));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_FALSE(rec.ended());
}

} // namespace
} // namespace sumlet::testing
