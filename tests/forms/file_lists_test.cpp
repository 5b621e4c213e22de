// Drive and folder lists, and the errors of folders that cannot be opened.
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/qt_print.h"

#include <QDir>
#include <QTextBrowser>

namespace {

using forms::testing::FormTest;

class ListForm : public forms::Form {
public:
    explicit ListForm(forms::Program& p) : Form(p, "FILES")
    {
        setClientSize(4620, 5655);
        Drive1.Move(120, 240, 2295, 300);
        Dir1.Move(120, 600, 3975, 1500);
        Drive1.Change = [this] { log << "Drive " + Drive1.Drive(); };
        Dir1.Change = [this] { log << "Dir " + Dir1.Path(); };
        Dir1.Click = [this] { log << "Click"; };
    }
    forms::DriveList Drive1{this, "Drive1"};
    forms::DirList Dir1{this, "Dir1"};
    QStringList log;
};

class FileListsTest : public forms::testing::SingleFormTest<ListForm> {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        QDir(dir.path()).mkpath("sub/inner");
        f.Show();
        f->log.clear();
    }
};

int errorOf(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const forms::FormsError& e) {
        return e.Number();
    }
    return 0;
}

TEST_F(FileListsTest, DriveUnavailableAndPathNotFound)
{
    struct Case { QString folder; int error; };
    const Case cases[] = {
        {dir.path(), 0},
        {"relative/folder", 68},
        {"", 68},
        {"C:\\DATA", 68},
        {"/no-such-top-folder-xyz/data", 68},
        {dir.filePath("missing"), 76},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf([&] { forms::checkFolder(c.folder); }), c.error) << c.folder.toStdString();
        const int driveError = errorOf([&] { forms::DriveList::driveOf(c.folder); });
        EXPECT_EQ(driveError, c.error == 68 ? 68 : 0) << c.folder.toStdString();
    }
}

TEST_F(FileListsTest, VolumesStartWithRoot)
{
    const QStringList v = forms::DriveList::volumes();
    ASSERT_FALSE(v.isEmpty());
    EXPECT_EQ(v.front(), "/");
    EXPECT_EQ(v.count("/"), 1);
    EXPECT_TRUE(v.contains(forms::DriveList::driveOf(dir.path())));
}

TEST_F(FileListsTest, PathChangesRaiseChangeClicksOnlyClick)
{
    f->Dir1.setPath(dir.path());
    f->Dir1.setPath(dir.path());   // same folder: no Change
    EXPECT_EQ(f->log, QStringList({"Dir " + dir.path()}));
    // The list shows the open folder's parents, the folder, then its subfolders.
    const int open = f->Dir1.ListIndex();
    EXPECT_EQ(f->Dir1.List(open), dir.path());
    EXPECT_EQ(f->Dir1.List(0), "/");
    EXPECT_EQ(f->Dir1.List(open + 1), dir.filePath("sub"));
    f->log.clear();
    // A click only highlights; a double click (openEntry) opens.
    QListWidgetItem* item = f->Dir1.item(open + 1);
    emit f->Dir1.itemClicked(item);
    EXPECT_EQ(f->Dir1.Path(), dir.path());
    emit f->Dir1.itemDoubleClicked(item);
    EXPECT_EQ(f->log, QStringList({"Click", "Dir " + dir.filePath("sub")}));
    EXPECT_EQ(errorOf([&] { f->Dir1.setPath(dir.filePath("nope")); }), 76);
    EXPECT_EQ(f->Dir1.Path(), dir.filePath("sub"));
}

TEST_F(FileListsTest, DriveChangesOnlyWhenTheVolumeDiffers)
{
    f->Drive1.setDrive("/");
    EXPECT_TRUE(f->log.isEmpty());   // starts on "/"
    f->Drive1.setDrive(dir.path());
    const QString d = forms::DriveList::driveOf(dir.path());
    if (d == "/") EXPECT_TRUE(f->log.isEmpty());
    else EXPECT_EQ(f->log, QStringList({"Drive " + d}));
    EXPECT_EQ(errorOf([&] { f->Drive1.setDrive("Z:"); }), 68);
    EXPECT_EQ(f->Drive1.Drive(), d);
}

// The Qt help window: one window, shown again for each call, closed by close-all.
TEST(HelpWindowTest, OneWindowClosedByCloseAll)
{
    QTemporaryDir d;
    const QString page = d.filePath("help.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title>ヘルプ</title></head><body>加算機の使い方</body></html>");
    file.close();
    forms::QtServices qt;
    qt.ShowHelp(page, nullptr);
    QTextBrowser* w = qt.helpWindow();
    ASSERT_NE(w, nullptr);
    qt.ShowHelp(page, nullptr);
    EXPECT_EQ(qt.helpWindow(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->toPlainText().contains("加算機の使い方"));
    EXPECT_EQ(w->windowTitle(), "ヘルプ");
    qt.CloseAllHelp();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(qt.helpWindow(), nullptr);
}

} // namespace

TEST(DialogStartPath, RememberedFolderWinsOverInitialFolder)
{
    struct Row { const char* initialDir; const char* fileName; const char* expected; };
    const Row rows[] = {
        {"/data", "", "/data"},
        {"/data", "tape.ADT", "/data/tape.ADT"},
        {"/data", "/tmp/r5tape", "/tmp/r5tape"},
        {"", "/tmp/r5tape", "/tmp/r5tape"},
        {"", "", ""},
    };
    for (const Row& r : rows) {
        forms::FileDialogOptions o;
        o.initialDir = QString::fromUtf8(r.initialDir);
        o.fileName = QString::fromUtf8(r.fileName);
        EXPECT_EQ(forms::dialogStartPath(o), QString::fromUtf8(r.expected)) << r.initialDir << " | " << r.fileName;
    }
}
