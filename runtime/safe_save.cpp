#include "runtime/safe_save.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

namespace fs = std::filesystem;

namespace {

std::string systemError(int err) { return std::strerror(err); }

SaveResult failure(std::string reason) { return {false, std::move(reason)}; }

const char* simulated = "simulated failure";

} // namespace

SaveResult saveFile(const fs::path& target, std::string_view bytes, SaveStep failAt)
{
    std::error_code ec;
    fs::path path = target;
    // Saving through a link replaces the file it points at, not the link.
    if (fs::is_symlink(path, ec)) {
        fs::path real = fs::canonical(path, ec);
        if (!ec)
            path = real;
    }
    if (fs::is_directory(path, ec))
        return failure(path.string() + " is a folder");
    fs::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";

    // The new file takes the old one's permissions, or the usual ones.
    mode_t mode = 0666;
    struct stat old {};
    bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    if (failAt == SaveStep::CreateTemp)
        return failure(std::string("cannot create a temporary file in ") + folder.string() + ": " + simulated);
    std::string tempName = (folder / ("." + path.filename().string() + ".tmp-XXXXXX")).string();
    int fd = ::mkstemp(tempName.data());
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
    ::fchmod(fd, mode);
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

ReadResult readFile(const fs::path& path)
{
    ReadResult r;
    std::error_code ec;
    fs::file_status st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found) {
        r.status = ReadResult::NotFound;
        r.reason = path.string() + " does not exist";
        return r;
    }
    if (ec) {
        r.reason = "cannot read " + path.string() + ": " + ec.message();
        return r;
    }
    if (fs::is_directory(st)) {
        r.reason = path.string() + " is a folder";
        return r;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        r.reason = "cannot open " + path.string() + ": " + systemError(errno);
        return r;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) {
        r.reason = "cannot read " + path.string();
        return r;
    }
    r.bytes = std::move(buf).str();
    r.status = ReadResult::Ok;
    return r;
}

} // namespace runtime
