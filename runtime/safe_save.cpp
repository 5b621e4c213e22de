#include "runtime/safe_save.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

namespace fs = std::filesystem;

namespace {

std::string systemError(int err) { return std::strerror(err); }

SaveResult failure(std::string reason) { return {false, std::move(reason)}; }

const char* simulated = "simulated failure";

// The file a chain of symbolic links ends at (the path itself when it is no
// link), also when that file does not exist yet.
bool followLinks(fs::path& path, std::string& reason)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return true;
        fs::path to = fs::read_symlink(path, ec);
        if (ec) {
            reason = "cannot read the link " + path.string() + ": " + ec.message();
            return false;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    reason = "too many links at " + path.string();
    return false;
}

// A temporary file being written. On leaving it is closed and the name it got
// is removed, unless the rename took that name away.
struct TempFile {
    int fd = -1;
    std::string name; // "" while it has none
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.empty())
            ::unlink(name.c_str());
    }
    // Closes the file; the error, or 0.
    int close()
    {
        int closed = ::close(fd);
        fd = -1;
        return closed == 0 ? 0 : errno;
    }
};

// Writes all the bytes, sets the permission bits and syncs the file; "" or why
// it failed.
std::string writeOut(int fd, std::string_view bytes, mode_t mode, SaveStep failAt)
{
    // A simulated write failure comes after part of the bytes is written.
    std::string_view toWrite = failAt == SaveStep::Write ? bytes.substr(0, bytes.size() / 2) : bytes;
    for (std::size_t done = 0; done < toWrite.size();) {
        ssize_t n = ::write(fd, toWrite.data() + done, toWrite.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemError(errno);
        done += static_cast<std::size_t>(n);
    }
    if (failAt == SaveStep::Write)
        return simulated;
    // Where the file system keeps no permissions the new file keeps its own.
    (void)::fchmod(fd, mode);
    if (failAt == SaveStep::Flush)
        return simulated;
    if (::fsync(fd) != 0)
        return systemError(errno);
    return {};
}

// Renames the complete temporary file over the target and makes that last.
SaveResult replaceTarget(TempFile& temp, const fs::path& path, const fs::path& folder, SaveStep failAt)
{
    if (failAt == SaveStep::Rename)
        return failure("cannot replace " + path.string() + ": " + simulated);
    if (::rename(temp.name.c_str(), path.c_str()) != 0)
        return failure("cannot replace " + path.string() + ": " + systemError(errno));
    temp.name.clear();

    // A failure here loses nothing.
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {true, {}};
}

// The folder's named temporary file (the short name keeps a target whose name
// is near the limit saveable).
SaveResult saveNamed(const fs::path& path, const fs::path& folder, std::string_view bytes, mode_t mode,
                     SaveStep failAt)
{
    const std::string creating = "cannot create a temporary file in " + folder.string() + ": ";
    if (failAt == SaveStep::CreateTemp)
        return failure(creating + simulated);
    TempFile temp;
    std::string name = (folder / ".tmp-XXXXXX").string();
    temp.fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (temp.fd < 0)
        return failure(creating + systemError(errno));
    temp.name = name;

    if (std::string why = writeOut(temp.fd, bytes, mode, failAt); !why.empty())
        return failure("cannot write " + temp.name + ": " + why);
    if (int err = temp.close())
        return failure("cannot write " + temp.name + ": " + systemError(err));
    return replaceTarget(temp, path, folder, failAt);
}

// Six letters or digits for a temporary name; `salt` varies them where the
// system gives no random bytes.
std::string randomLetters(unsigned salt)
{
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char raw[6];
    if (::getrandom(raw, sizeof raw, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof raw)) {
        timespec now {};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        std::uint64_t v = static_cast<std::uint64_t>(now.tv_nsec) * 2654435761u ^ now.tv_sec ^ ::getpid() ^ salt;
        for (unsigned char& c : raw) {
            c = static_cast<unsigned char>(v);
            v = v >> 8 | v << 56;
        }
    }
    std::string s;
    for (unsigned char c : raw)
        s += letters[c % (sizeof letters - 1)];
    return s;
}

// Gives an unnamed open file the name `name`: through /proc, else by its
// descriptor where the system allows that. 0 or the error.
int linkUnnamed(int fd, const std::string& name)
{
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno != ENOENT)
        return errno;
    if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)
        return 0;
    return errno;
}

// An unnamed file in the folder, given a short name only when complete, so a
// save that dies while writing leaves nothing. `refused` tells that the file
// system or the system does not allow this (nothing stays then).
SaveResult saveUnnamed(const fs::path& path, const fs::path& folder, std::string_view bytes, mode_t mode,
                       SaveStep failAt, bool& refused)
{
    const std::string what = "a temporary file in " + folder.string();
    if (failAt == SaveStep::CreateTemp)
        return failure("cannot create " + what + ": " + simulated);
    TempFile temp;
    temp.fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (temp.fd < 0) {
        int err = errno;
        refused = err == EOPNOTSUPP || err == EISDIR || err == EINVAL;
        return failure("cannot create " + what + ": " + systemError(err));
    }

    if (std::string why = writeOut(temp.fd, bytes, mode, failAt); !why.empty())
        return failure("cannot write " + what + ": " + why);
    for (unsigned tries = 1; temp.name.empty(); ++tries) {
        std::string name = (folder / (".tmp-" + randomLetters(tries))).string();
        int err = linkUnnamed(temp.fd, name);
        if (err == 0) {
            temp.name = std::move(name);
        } else if (err != EEXIST || tries == 100) {
            // No /proc, no hard links on this file system, ...
            refused = err == ENOENT || err == EPERM || err == EOPNOTSUPP || err == EINVAL || err == EXDEV;
            return failure("cannot name " + what + ": " + systemError(err));
        }
    }
    if (int err = temp.close())
        return failure("cannot write " + temp.name + ": " + systemError(err));
    return replaceTarget(temp, path, folder, failAt);
}

} // namespace

SaveResult saveFile(const fs::path& target, std::string_view bytes, SaveStep failAt, SaveRoute route)
{
    fs::path path = target;
    std::string reason;
    if (!followLinks(path, reason))
        return failure(reason);
    fs::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";

    // The new file takes the old one's permissions, or the usual ones.
    mode_t mode = 0666;
    struct stat old {};
    if (::lstat(path.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            return failure(path.string() + " is a folder");
        if (!S_ISREG(old.st_mode))
            return failure(path.string() + " is not a regular file");
        // No write bit at all marks a read-only file, for root as well.
        if ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
            return failure(path.string() + " is read-only");
        mode = old.st_mode & 0777;
    } else if (errno != ENOENT) {
        return failure("cannot save " + path.string() + ": " + systemError(errno));
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    if (route == SaveRoute::Unnamed) {
        bool refused = false;
        SaveResult r = saveUnnamed(path, folder, bytes, mode, failAt, refused);
        if (!refused) {
            r.route = SaveRoute::Unnamed;
            return r;
        }
    }
    SaveResult r = saveNamed(path, folder, bytes, mode, failAt);
    r.route = SaveRoute::Named;
    return r;
}

void ignoreFileSizeSignal() { ::signal(SIGXFSZ, SIG_IGN); }

ReadResult readFile(const fs::path& path, std::size_t maxBytes)
{
    ReadResult r;
    auto failed = [&](std::string reason) {
        r.status = ReadResult::Failed;
        r.reason = std::move(reason);
        r.bytes.clear();
        return r;
    };
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            r.status = ReadResult::NotFound;
            r.reason = path.string() + " does not exist";
            return r;
        }
        return failed("cannot open " + path.string() + ": " + systemError(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return failed("cannot read " + path.string() + ": " + systemError(errno));
    if (S_ISDIR(st.st_mode))
        return failed(path.string() + " is a folder");
    if (!S_ISREG(st.st_mode))
        return failed(path.string() + " is not a regular file");
    const std::string tooLarge = path.string() + " is too large";
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return failed(tooLarge);

    // Read to the end: the size may be 0 for files the system makes up.
    r.bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == r.bytes.size()) {
            if (done > maxBytes)
                return failed(tooLarge);
            r.bytes.resize(std::min(maxBytes + 1, std::max<std::size_t>(done * 2, 4096)));
        }
        ssize_t n = ::read(fd, r.bytes.data() + done, r.bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed("cannot read " + path.string() + ": " + systemError(errno));
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    if (done > maxBytes)
        return failed(tooLarge);
    r.bytes.resize(done);
    r.status = ReadResult::Ok;
    return r;
}

} // namespace runtime
