#include "runtime/safe_save.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <future>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace runtime {
void PrintTo(SaveRoute route, std::ostream* os) { *os << (route == SaveRoute::Unnamed ? "Unnamed" : "Named"); }
} // namespace runtime

using namespace runtime;
namespace fs = std::filesystem;

namespace {

class TempFolder : public ::testing::Test {
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

// Every save test runs on both routes: the unnamed file, and the named
// temporary file that file systems without unnamed files get.
class SafeSave : public TempFolder, public ::testing::WithParamInterface<SaveRoute> {
protected:
    void SetUp() override
    {
        TempFolder::SetUp();
        // The unnamed route is taken wherever the folder's file system has it.
        int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        route = GetParam() == SaveRoute::Unnamed && fd >= 0 ? SaveRoute::Unnamed : SaveRoute::Named;
        if (fd >= 0)
            ::close(fd);
    }

    SaveResult save(const fs::path& target, std::string_view bytes, SaveStep failAt = SaveStep::None)
    {
        SaveResult r = saveFile(target, bytes, failAt, GetParam());
        if (r.ok || failAt != SaveStep::None) {
            EXPECT_EQ(r.route, route);
        }
        return r;
    }

    SaveRoute route = SaveRoute::Named; // the route the saves must take
};

INSTANTIATE_TEST_SUITE_P(Routes, SafeSave, ::testing::Values(SaveRoute::Unnamed, SaveRoute::Named),
                         ::testing::PrintToStringParamName());

TEST_P(SafeSave, CreatesAndReplaces)
{
    fs::path target = dir / "TAPE.ADT";
    ASSERT_TRUE(save(target, "1\r\n"));
    EXPECT_EQ(contents(target), "1\r\n");
    EXPECT_TRUE(others(target).empty());
    SaveResult r = save(target, std::string("2\r\n\0x", 5));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.reason, "");
    EXPECT_EQ(contents(target), std::string("2\r\n\0x", 5));
    EXPECT_TRUE(others(target).empty());
    ASSERT_TRUE(save(target, ""));
    EXPECT_EQ(contents(target), "");
    EXPECT_TRUE(others(target).empty());
    ASSERT_TRUE(save(target, std::string(3 << 20, 'z')));
    EXPECT_EQ(contents(target), std::string(3 << 20, 'z'));
    EXPECT_TRUE(others(target).empty());
}

TEST_P(SafeSave, EveryFailingStepKeepsTheOldFile)
{
    fs::path target = dir / "SETQ.DAT";
    const std::string old = "\"/old\",0,0,0\r\n";
    for (SaveStep step : {SaveStep::CreateTemp, SaveStep::Write, SaveStep::Flush, SaveStep::Rename}) {
        ASSERT_TRUE(save(target, old));
        SaveResult r = save(target, "\"/new\",1,1,1\r\n" + std::string(10000, 'x'), step);
        EXPECT_FALSE(r.ok) << static_cast<int>(step);
        EXPECT_NE(r.reason, "");
        EXPECT_EQ(contents(target), old) << static_cast<int>(step);
        EXPECT_TRUE(others(target).empty()) << "temporary file left behind at step " << static_cast<int>(step);
    }
    // A failure when there was no file leaves none.
    fs::path fresh = dir / "NEW.SUK";
    EXPECT_FALSE(save(fresh, "1\r\n", SaveStep::Rename));
    EXPECT_FALSE(fs::exists(fresh));
}

TEST_P(SafeSave, RealFailuresAreReported)
{
    fs::path folderTarget = dir / "folder";
    fs::create_directory(folderTarget);
    fs::path inside = folderTarget / "keep.txt";
    std::ofstream(inside) << "keep";
    SaveResult r = save(folderTarget, "x");
    EXPECT_FALSE(r);
    EXPECT_NE(r.reason.find("folder"), std::string::npos) << r.reason;
    EXPECT_EQ(contents(inside), "keep");

    r = save(dir / "missing" / "A.ADT", "x");
    EXPECT_FALSE(r);
    EXPECT_NE(r.reason, "");
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(others(dir / "none"), std::vector<std::string>{"folder"});
}

TEST_P(SafeSave, KeepsPermissions)
{
    fs::path target = dir / "DATT.DAT";
    ASSERT_TRUE(save(target, "a"));
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(save(target, "b"));
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A data file does not inherit set-id or sticky bits.
    ::chmod(target.c_str(), 06755);
    ASSERT_TRUE(save(target, "c"));
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0755u);

    // The umask takes nothing from an existing file's bits; a new file gets
    // the usual bits less the umask.
    mode_t mask = ::umask(027);
    ::chmod(target.c_str(), 0666);
    SaveResult r = save(target, "d");
    SaveResult created = save(dir / "NEW.DAT", "e");
    ::umask(mask);
    ASSERT_TRUE(r) << r.reason;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    ASSERT_TRUE(created) << created.reason;
    ASSERT_EQ(::stat((dir / "NEW.DAT").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// The unnamed file has no name in the folder while the bytes are written: a
// watch on the folder sees every write before any name is created. The named
// temporary file is created before it is written.
TEST_P(SafeSave, NoNameInTheFolderWhileWriting)
{
    fs::path target = dir / "TAPE.ADT";
    ASSERT_TRUE(save(target, "old"));
    int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, dir.c_str(), IN_CREATE | IN_MODIFY | IN_MOVED_TO), 0);
    ASSERT_TRUE(save(target, std::string(1 << 20, 'x')));

    std::vector<std::uint32_t> events; // in the order they happened
    alignas(inotify_event) char buf[64 * 1024];
    for (ssize_t n; (n = ::read(watch, buf, sizeof buf)) > 0;) {
        for (char* p = buf; p < buf + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            events.push_back(e->mask);
            p += sizeof *e + e->len;
        }
    }
    ::close(watch);
    auto isName = [](std::uint32_t m) { return (m & (IN_CREATE | IN_MOVED_TO)) != 0; };
    auto isWrite = [](std::uint32_t m) { return (m & IN_MODIFY) != 0; };
    auto named = std::find_if(events.begin(), events.end(), isName);
    auto firstWrite = std::find_if(events.begin(), events.end(), isWrite);
    ASSERT_NE(firstWrite, events.end()) << "no write seen";
    ASSERT_NE(named, events.end()) << "no name seen";
    auto lastWrite = std::find_if(events.rbegin(), events.rend(), isWrite).base() - 1;
    if (route == SaveRoute::Unnamed) {
        EXPECT_LT(lastWrite, named);
    } else {
        EXPECT_LT(named, firstWrite);
    }
    EXPECT_TRUE(others(target).empty());
}

// Under a file-size limit a save fails like any other write error: the program
// lives on (main ignores the signal), the old file stays and no temporary file
// is left. Each save runs in a child that reports through its exit code.
TEST_P(SafeSave, FileSizeLimitFailsTheSave)
{
    enum Outcome { Saved, TooLarge, OtherReason, NoReason, NoLimit };
    fs::path target = dir / "TALLY.SUK";
    const std::string old = "old\r\n";
    const std::string large(64 * 1024, 'x');
    const struct Row {
        rlim_t limit;
        Outcome outcome;
    } rows[] = {
        {16 * 1024, TooLarge},
        {64 * 1024 - 1, TooLarge},
        {64 * 1024, Saved},
        {1024 * 1024, Saved},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.limit);
        ASSERT_TRUE(save(target, old));
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ignoreFileSizeSignal();
            const rlimit limit{row.limit, RLIM_INFINITY};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(NoLimit);
            SaveResult r = saveFile(target, large, SaveStep::None, GetParam());
            if (r.ok)
                ::_exit(Saved);
            if (r.reason.empty())
                ::_exit(NoReason);
            ::_exit(r.reason.find(std::strerror(EFBIG)) != std::string::npos ? TooLarge : OtherReason);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        EXPECT_EQ(WEXITSTATUS(status), row.outcome);
        EXPECT_EQ(contents(target), row.outcome == Saved ? large : old);
        EXPECT_TRUE(others(target).empty());
    }
}

// Each row prepares a target; the save either writes `file` (the path the
// bytes must end up in) or is refused and leaves everything as it was.
TEST_P(SafeSave, TargetsThatSaveAndTargetsThatAreRefused)
{
    const std::string old = "old";
    auto plain = [&](const char* name, mode_t mode) {
        fs::path p = dir / name;
        std::ofstream(p) << old;
        ::chmod(p.c_str(), mode);
        return p;
    };
    const struct Row {
        const char* name;
        std::function<fs::path()> prepare; // returns the target to save to
        const char* file;                  // where the bytes land ("" when refused)
    } rows[] = {
        {"read-only mark", [&] { return plain("A.ADT", 0444); }, ""},
        {"owner may only read", [&] { return plain("A.ADT", 0400); }, ""},
        {"write bit for the owner only", [&] { return plain("A.ADT", 0200); }, "A.ADT"},
        {"name of 250 bytes", [&] { return dir / std::string(250, 'n'); }, "nnn"},
        {"name of 255 bytes", [&] { return dir / (std::string(251, 'm') + ".ADT"); }, "mmm"},
        {"link to a file",
         [&] { plain("real.dat", 0644); fs::create_symlink("real.dat", dir / "l"); return dir / "l"; },
         "real.dat"},
        {"link to a missing file",
         [&] { fs::create_symlink("new.dat", dir / "l"); return dir / "l"; }, "new.dat"},
        {"link into a subfolder, relative to the link",
         [&] {
             fs::create_directory(dir / "sub");
             fs::create_symlink("deep.dat", dir / "sub" / "l");
             return dir / "sub" / "l";
         },
         "sub/deep.dat"},
        {"chain of links",
         [&] {
             fs::create_symlink("l2", dir / "l1");
             fs::create_symlink(dir / "end.dat", dir / "l2");
             return dir / "l1";
         },
         "end.dat"},
        {"link to a read-only file",
         [&] { plain("ro.dat", 0444); fs::create_symlink("ro.dat", dir / "l"); return dir / "l"; }, ""},
        {"link loop", [&] { fs::create_symlink("l", dir / "l"); return dir / "l"; }, ""},
        {"FIFO", [&] { ::mkfifo((dir / "fifo").c_str(), 0644); return dir / "fifo"; }, ""},
        {"link to a folder", [&] { fs::create_directory(dir / "d"); fs::create_symlink("d", dir / "l"); return dir / "l"; }, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(dir);
        fs::create_directory(dir);
        const fs::path target = row.prepare();
        std::vector<fs::path> before;
        for (const auto& e : fs::recursive_directory_iterator(dir))
            before.push_back(e.path());
        const fs::file_type typeBefore = fs::symlink_status(target).type();

        SaveResult r = save(target, "new\r\n");
        EXPECT_EQ(r.ok, *row.file != 0) << r.reason;
        if (typeBefore == fs::file_type::symlink) {
            EXPECT_TRUE(fs::is_symlink(target)); // a link stays a link
        }
        if (r.ok) {
            // The file named by the row's prefix holds the new bytes.
            fs::path landed;
            for (const auto& e : fs::recursive_directory_iterator(dir))
                if (e.is_regular_file() && fs::relative(e.path(), dir).string().starts_with(row.file))
                    landed = e.path();
            ASSERT_FALSE(landed.empty());
            EXPECT_EQ(contents(landed), "new\r\n");
        } else {
            EXPECT_NE(r.reason, "");
            std::vector<fs::path> after;
            for (const auto& e : fs::recursive_directory_iterator(dir))
                after.push_back(e.path());
            EXPECT_EQ(after, before); // nothing added or removed
            for (const auto& p : after) {
                if (fs::is_regular_file(fs::symlink_status(p))) {
                    EXPECT_EQ(contents(p), old) << p;
                }
            }
        }
        // No temporary file stays behind.
        for (const auto& e : fs::recursive_directory_iterator(dir))
            EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
    }
}

// Reading takes whole regular files and reports everything else as a failure,
// without waiting on devices or FIFOs.
TEST_F(TempFolder, ReadTakesRegularFilesOnly)
{
    std::ofstream(dir / "f") << "abc";
    ::mkfifo((dir / "fifo").c_str(), 0644);
    fs::create_symlink("f", dir / "link");
    std::ofstream(dir / "at-bound") << std::string(100, 'x');
    std::ofstream(dir / "over-bound") << std::string(101, 'x');
    // Larger than the default bound (a sparse file, no disk use).
    {
        std::ofstream(dir / "huge");
        fs::resize_file(dir / "huge", kMaxReadBytes + 1);
    }
    const struct Row {
        fs::path path;
        std::size_t maxBytes;
        ReadResult::Status status;
        const char* bytes; // nullptr: any non-empty text
    } rows[] = {
        {dir / "f", kMaxReadBytes, ReadResult::Ok, "abc"},
        {dir / "link", kMaxReadBytes, ReadResult::Ok, "abc"},
        {dir / "at-bound", 100, ReadResult::Ok, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
        {dir / "over-bound", 100, ReadResult::Failed, ""},
        {dir / "huge", kMaxReadBytes, ReadResult::Failed, ""},
        {dir / "LCTDX.DAT", kMaxReadBytes, ReadResult::NotFound, ""},
        {dir / "no-folder" / "x", kMaxReadBytes, ReadResult::NotFound, ""},
        {dir, kMaxReadBytes, ReadResult::Failed, ""},
        {dir / "fifo", kMaxReadBytes, ReadResult::Failed, ""},
        {"/dev/zero", kMaxReadBytes, ReadResult::Failed, ""},
        {"/dev/null", kMaxReadBytes, ReadResult::Failed, ""},
        // A regular file whose read fails part-way (unmapped memory).
        {"/proc/self/mem", kMaxReadBytes, ReadResult::Failed, ""},
        // Its size says 0, yet it has contents: read to the end.
        {"/proc/self/status", kMaxReadBytes, ReadResult::Ok, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path.string());
        auto reading = std::async(std::launch::async, [&] { return readFile(row.path, row.maxBytes); });
        if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            // Release a reader stuck on the FIFO before failing.
            int fd = ::open(row.path.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            ADD_FAILURE() << "read blocked";
            continue;
        }
        ReadResult r = reading.get();
        EXPECT_EQ(r.status, row.status) << r.reason;
        EXPECT_EQ(static_cast<bool>(r), row.status == ReadResult::Ok);
        EXPECT_EQ(r.reason.empty(), row.status == ReadResult::Ok) << r.reason;
        if (row.bytes) {
            EXPECT_EQ(r.bytes, row.bytes);
        } else {
            EXPECT_NE(r.bytes.find("Name:"), std::string::npos);
        }
    }
}

} // namespace
