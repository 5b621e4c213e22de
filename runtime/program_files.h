// Where a program keeps its small files (settings, window position): in the
// program folder, or in a fallback folder when that one is not writable.
#pragma once

#include <filesystem>
#include <string_view>

namespace runtime {

// The fallback folder of a program: <$XDG_CONFIG_HOME>/<program>, else
// ~/.config/<program>; empty when neither is known.
std::filesystem::path configFolder(std::string_view program);

// True when files can be created in the folder. A folder without any write
// permission bit counts as read-only, for root as well.
bool writableFolder(const std::filesystem::path& folder);

struct ProgramFiles {
    std::filesystem::path programFolder;
    std::filesystem::path fallbackFolder; // empty: none

    // Where the file is written: the program folder when it is writable (or
    // there is no fallback), else the fallback folder.
    std::filesystem::path writePath(std::string_view name) const;
    // Where the file is read: where it is written, except that a file in a
    // read-only program folder is read while the fallback folder has none.
    std::filesystem::path readPath(std::string_view name) const;

private:
    bool inProgramFolder() const;
};

} // namespace runtime
