// Where QUORVEL keeps its small files (LCTDX.DAT, DATT.DAT): the program
// folder, or the fallback folder (runtime::configFolder("quorvel")) when the
// program folder is not writable. One per program, shared by its windows.
#pragma once

#include "runtime/program_files.h"

#include <filesystem>

namespace quorvel {

struct ProgramPlace : runtime::ProgramFiles {
    // The window file to write (defined with the window file, in
    // keypad/window_file.cpp).
    std::filesystem::path windowFile() const;
    // The window file to read (a file in a read-only program folder is read
    // while the fallback folder has none).
    std::filesystem::path windowFileToRead() const;
};

} // namespace quorvel
