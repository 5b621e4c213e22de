#include "runtime/safe_save.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
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

} // namespace

SaveResult saveFile(const fs::path& target, std::string_view bytes, SaveStep failAt)
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

    if (failAt == SaveStep::CreateTemp)
        return failure(std::string("cannot create a temporary file in ") + folder.string() + ": " + simulated);
    // A short name, so that a target whose name is near the limit saves too.
    std::string tempName = (folder / ".tmp-XXXXXX").string();
    int fd = ::mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0)
        return failure("cannot create a temporary file in " + folder.string() + ": " + systemError(errno));

    auto abandon = [&](std::string reason) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempName.c_str());
        return failure(std::move(reason));
    };

    // A simulated write failure comes after part of the bytes is written.
    std::string_view toWrite = failAt == SaveStep::Write ? bytes.substr(0, bytes.size() / 2) : bytes;
    for (std::size_t done = 0; done < toWrite.size();) {
        ssize_t n = ::write(fd, toWrite.data() + done, toWrite.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return abandon("cannot write " + tempName + ": " + systemError(errno));
        done += static_cast<std::size_t>(n);
    }
    if (failAt == SaveStep::Write)
        return abandon(std::string("cannot write ") + tempName + ": " + simulated);
    // Where the file system keeps no permissions the new file keeps its own.
    (void)::fchmod(fd, mode);
    if (failAt == SaveStep::Flush)
        return abandon(std::string("cannot write ") + tempName + ": " + simulated);
    if (::fsync(fd) != 0)
        return abandon("cannot write " + tempName + ": " + systemError(errno));
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return abandon("cannot write " + tempName + ": " + systemError(errno));

    if (failAt == SaveStep::Rename)
        return abandon("cannot replace " + path.string() + ": " + simulated);
    if (::rename(tempName.c_str(), path.c_str()) != 0)
        return abandon("cannot replace " + path.string() + ": " + systemError(errno));

    // Make the rename itself last; a failure here loses nothing.
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {true, {}};
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
