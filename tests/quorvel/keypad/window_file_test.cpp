// LCTDX.DAT: reading, defaults, writing back, clamping.
#include "quorvel/keypad/window_file.h"
#include "quorvel/shared.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace fs = std::filesystem;
using quorvel::Shared;

namespace {

std::string readBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const fs::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

} // namespace

TEST(WindowFile, StartReadsOrWritesDefaults)
{
    struct Row {
        const char* name;
        const char* before; // nullptr: no file
        const char* after;  // file bytes after the start
        double left, top, layout;
    };
    const Row rows[] = {
        {"missing", nullptr, "120,120,0,,,,\r\n", 120, 120, 0},
        {"good", "300,450,1,,,,\r\n", "300,450,1,,,,\r\n", 300, 450, 1},
        {"negative left and layout 2", "-600,15,2,,,,\r\n", "-600,15,2,,,,\r\n", -600, 15, 2},
        {"three fields", "120,120,1\r\n", "120,120,0,,,,\r\n", 120, 120, 0},
        {"left not a number", "\"abc\",120,1,,,,\r\n", "120,120,0,,,,\r\n", 120, 120, 0},
        {"top is a word", "120,abc,1,,,,\r\n", "120,120,0,,,,\r\n", 120, 120, 0},
        {"position beyond the screen's pixels", "600000,120,1,,,,\r\n", "120,120,0,,,,\r\n", 120, 120, 0},
        {"position out of range", "1e999,120,1,,,,\r\n", "120,120,0,,,,\r\n", 120, 120, 0},
        {"unclosed quote", "120,120,1,\"x,,,\r\n", "120,120,0,,,,\r\n", 120, 120, 0},
        {"no line end", "30,45,1,,,,", "30,45,1,,,,", 30, 45, 1},
        // Such a field could never be written back: defaults, saved at once.
        {"quote outside quotes", "300,450,1,a\"b,,,\r\n", "120,120,0,,,,\r\n", 120, 120, 0},
    };
    for (const auto& r : rows) {
        QTemporaryDir dir;
        const fs::path file = fs::path(dir.path().toStdString()) / "LCTDX.DAT";
        if (r.before)
            writeBytes(file, r.before);
        Shared s;
        quorvel::loadWindowFile(s, file);
        EXPECT_EQ(readBytes(file), r.after) << r.name;
        EXPECT_EQ(s.FormLeft.num(), r.left) << r.name;
        EXPECT_EQ(s.FormTop.num(), r.top) << r.name;
        EXPECT_EQ(s.BigLayout.num(), r.layout) << r.name;
    }
}

TEST(WindowFile, SpareFieldsGoBackUnchanged)
{
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "LCTDX.DAT";
    writeBytes(file, "10,20,0,5,\"word\",,2.5\r\n");
    Shared s;
    ASSERT_TRUE(quorvel::ReadWindowFile(s, file));
    s.FormLeft = 900;
    ASSERT_TRUE(quorvel::WriteWindowFile(s, file));
    EXPECT_EQ(readBytes(file), "900,20,0,5,\"word\",,2.5\r\n");
}

TEST(WindowFile, FailedReadChangesNothing)
{
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "LCTDX.DAT";
    writeBytes(file, "10,20,1,7,8\r\n");
    Shared s;
    s.WindowSpare1 = "kept";
    EXPECT_FALSE(quorvel::ReadWindowFile(s, file));
    EXPECT_TRUE(s.FormLeft.isEmpty());
    EXPECT_EQ(s.WindowSpare1.text(), "kept");
}

// Files that can be neither read nor replaced: the start takes the defaults
// without waiting on them, and they stay as they are.
TEST(WindowFile, UnwritableFileIsSkipped)
{
    const struct Row {
        const char* name;
        fs::file_type type;   // what stays at the path
    } rows[] = {{"its folder is a file", fs::file_type::not_found},
                {"a FIFO", fs::file_type::fifo},
                {"a folder", fs::file_type::directory}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir dir;
        const fs::path top = dir.path().toStdString();
        fs::path file = top / "LCTDX.DAT";
        if (r.type == fs::file_type::not_found) {
            writeBytes(top / "plain-file", "x");
            file = top / "plain-file" / "LCTDX.DAT";
        } else if (r.type == fs::file_type::fifo) {
            ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        } else {
            fs::create_directory(file);
        }
        Shared s;
        quorvel::loadWindowFile(s, file);
        EXPECT_EQ(s.FormLeft.num(), 120);
        EXPECT_EQ(s.BigLayout.num(), 0);
        EXPECT_FALSE(quorvel::WriteWindowFile(s, file));
        EXPECT_EQ(fs::symlink_status(file).type(), r.type);
        if (r.type == fs::file_type::not_found) {
            EXPECT_EQ(readBytes(top / "plain-file"), "x");
        }
    }
}

// A file in a read-only program folder is read while the fallback folder has
// none; what the keypad writes goes to the fallback and is read from there.
TEST(WindowFile, ReadOnlyProgramFolder)
{
    QTemporaryDir dir;
    const fs::path top = dir.path().toStdString();
    quorvel::ProgramPlace place{{top / "bin", top / "config"}};
    fs::create_directory(place.programFolder);
    writeBytes(place.programFolder / "LCTDX.DAT", "300,450,1,,,,\r\n");
    ::chmod(place.programFolder.c_str(), 0555);

    Shared s;
    quorvel::loadWindowFile(s, place);
    EXPECT_EQ(s.FormLeft.num(), 300);
    EXPECT_EQ(s.BigLayout.num(), 1);
    EXPECT_FALSE(fs::exists(top / "config")); // nothing written

    s.FormLeft = 900;
    EXPECT_TRUE(quorvel::WriteWindowFile(s, place.windowFile()));
    EXPECT_EQ(readBytes(top / "config" / "LCTDX.DAT"), "900,450,1,,,,\r\n");
    EXPECT_EQ(readBytes(top / "bin" / "LCTDX.DAT"), "300,450,1,,,,\r\n");
    Shared again;
    quorvel::loadWindowFile(again, place);
    EXPECT_EQ(again.FormLeft.num(), 900);

    // A broken file there: defaults, written to the fallback only.
    fs::remove(top / "config" / "LCTDX.DAT");
    ::chmod(place.programFolder.c_str(), 0755);
    writeBytes(place.programFolder / "LCTDX.DAT", "1,2,3\r\n");
    ::chmod(place.programFolder.c_str(), 0555);
    Shared broken;
    quorvel::loadWindowFile(broken, place);
    EXPECT_EQ(broken.FormLeft.num(), 120);
    EXPECT_EQ(readBytes(top / "config" / "LCTDX.DAT"), "120,120,0,,,,\r\n");
    EXPECT_EQ(readBytes(top / "bin" / "LCTDX.DAT"), "1,2,3\r\n");
    ::chmod(place.programFolder.c_str(), 0755);
}

TEST(WindowFile, ClampToScreen)
{
    struct Row {
        double left, top, width, height, screenW, screenH;
        double wantLeft, wantTop;
    };
    // Screen 19200 x 10800 twips (1280 x 720 pixels).
    const Row rows[] = {
        {120, 120, 2655, 4215, 19200, 10800, 120, 120},
        {-300, -45, 2655, 4215, 19200, 10800, 0, 0},
        {16845, 120, 2655, 4215, 19200, 10800, 16545, 120},  // 300 beyond the right edge
        {16545, 6585, 2655, 4215, 19200, 10800, 16545, 6585}, // exactly at the edges: kept
        {16546, 6586, 2655, 4215, 19200, 10800, 16545, 6585},
        {100, 100, 21000, 12000, 19200, 10800, -1800, -1200}, // larger than the screen
    };
    for (const auto& r : rows) {
        double l = r.left, t = r.top;
        quorvel::clampToScreen(l, t, r.width, r.height, r.screenW, r.screenH);
        EXPECT_EQ(l, r.wantLeft) << r.left;
        EXPECT_EQ(t, r.wantTop) << r.top;
    }
}
