#include "runtime/safe_save.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace runtime;
namespace fs = std::filesystem;

namespace {

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = (fs::temp_directory_path() / "safe_save_XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string contents(const fs::path& p)
    {
        ReadResult r = readFile(p);
        EXPECT_TRUE(r) << r.reason;
        return r.bytes;
    }
    // Files in the folder besides the target.
    std::vector<std::string> others(const fs::path& target)
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path() != target)
                names.push_back(e.path().filename().string());
        return names;
    }

    fs::path dir;
};

TEST_F(SafeSave, CreatesAndReplaces)
{
    fs::path target = dir / "TAPE.ADT";
    ASSERT_TRUE(saveFile(target, "1\r\n"));
    EXPECT_EQ(contents(target), "1\r\n");
    SaveResult r = saveFile(target, std::string("2\r\n\0x", 5));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.reason, "");
    EXPECT_EQ(contents(target), std::string("2\r\n\0x", 5));
    ASSERT_TRUE(saveFile(target, ""));
    EXPECT_EQ(contents(target), "");
    EXPECT_TRUE(others(target).empty());
}

TEST_F(SafeSave, EveryFailingStepKeepsTheOldFile)
{
    fs::path target = dir / "SETQ.DAT";
    const std::string old = "\"/old\",0,0,0\r\n";
    for (SaveStep step : {SaveStep::CreateTemp, SaveStep::Write, SaveStep::Flush, SaveStep::Rename}) {
        ASSERT_TRUE(saveFile(target, old));
        SaveResult r = saveFile(target, "\"/new\",1,1,1\r\n" + std::string(10000, 'x'), step);
        EXPECT_FALSE(r.ok) << static_cast<int>(step);
        EXPECT_NE(r.reason, "");
        EXPECT_EQ(contents(target), old) << static_cast<int>(step);
        EXPECT_TRUE(others(target).empty()) << "temporary file left behind at step " << static_cast<int>(step);
    }
    // A failure when there was no file leaves none.
    fs::path fresh = dir / "NEW.SUK";
    EXPECT_FALSE(saveFile(fresh, "1\r\n", SaveStep::Rename));
    EXPECT_FALSE(fs::exists(fresh));
}

TEST_F(SafeSave, RealFailuresAreReported)
{
    fs::path folderTarget = dir / "folder";
    fs::create_directory(folderTarget);
    fs::path inside = folderTarget / "keep.txt";
    std::ofstream(inside) << "keep";
    SaveResult r = saveFile(folderTarget, "x");
    EXPECT_FALSE(r);
    EXPECT_NE(r.reason.find("folder"), std::string::npos) << r.reason;
    EXPECT_EQ(contents(inside), "keep");

    r = saveFile(dir / "missing" / "A.ADT", "x");
    EXPECT_FALSE(r);
    EXPECT_NE(r.reason, "");
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(others(dir / "none"), std::vector<std::string>{"folder"});
}

TEST_F(SafeSave, KeepsPermissionsAndSavesThroughLinks)
{
    fs::path target = dir / "DATT.DAT";
    ASSERT_TRUE(saveFile(target, "a"));
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(saveFile(target, "b"));
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    fs::path link = dir / "link.dat";
    fs::create_symlink(target, link);
    ASSERT_TRUE(saveFile(link, "c"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(target), "c");
}

TEST_F(SafeSave, ReadTellsMissingFromFailed)
{
    ReadResult r = readFile(dir / "LCTDX.DAT");
    EXPECT_EQ(r.status, ReadResult::NotFound);
    EXPECT_FALSE(r);
    r = readFile(dir);
    EXPECT_EQ(r.status, ReadResult::Failed);
    EXPECT_NE(r.reason, "");
    r = readFile(dir / "no-folder" / "x");
    EXPECT_EQ(r.status, ReadResult::NotFound);
}

} // namespace
