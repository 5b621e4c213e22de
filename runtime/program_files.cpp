#include "runtime/program_files.h"

#include <cstdlib>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

namespace fs = std::filesystem;

fs::path configFolder(std::string_view program)
{
    // Only an absolute path counts; a relative one is ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / program;
    const char* home = std::getenv("HOME");
    if (home && fs::path(home).is_absolute())
        return fs::path(home) / ".config" / program;
    return {};
}

bool writableFolder(const fs::path& folder)
{
    struct stat st {};
    return !folder.empty() && ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode)
           && (st.st_mode & 0222) != 0 && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool ProgramFiles::inProgramFolder() const
{
    return fallbackFolder.empty() || writableFolder(programFolder);
}

fs::path ProgramFiles::writePath(std::string_view name) const
{
    return (inProgramFolder() ? programFolder : fallbackFolder) / name;
}

fs::path ProgramFiles::readPath(std::string_view name) const
{
    if (inProgramFolder())
        return programFolder / name;
    std::error_code ec;
    const fs::path fallback = fallbackFolder / name;
    const fs::path beside = programFolder / name;
    if (!fs::exists(fs::symlink_status(fallback, ec)) && fs::exists(fs::symlink_status(beside, ec)))
        return beside;
    return fallback;
}

} // namespace runtime
