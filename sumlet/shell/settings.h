// The settings file SETQ.DAT: the data folder and three reserved fields,
// one line "folder",n,n,n CR LF in code page 932.
#pragma once

#include <filesystem>
#include <string>

#include "runtime/program_files.h"

namespace sumlet {

struct Shared;

// Where the settings file lives: the program folder, or the fallback folder
// (runtime::configFolder("sumlet")) when the program folder is not writable.
struct SettingsPlace : runtime::ProgramFiles {
    // The program folder as the text stored in DataFolder.
    std::string programFolderText() const;
    // The settings file to write.
    std::filesystem::path file() const;
    // The settings file to read (a file in a read-only program folder is read
    // while the fallback folder has none).
    std::filesystem::path fileToRead() const;
};

enum class SettingsRead {
    Ok,       // four fields read
    NotFound, // no settings file
    Failed,   // unreadable or short: the fields read so far are taken over
};

enum class SettingsWrite {
    Ok,
    BadText,    // the folder holds a double quote, a line end or a character code page 932 cannot hold
    SaveFailed, // the file could not be written; the old one stays
};

// Reads the four fields into DataFolder and SetqReserved2..4, one after the
// other; a field that is missing or unreadable ends the read there.
SettingsRead ReadSettings(Shared& shared, const SettingsPlace& place);

// Writes DataFolder and the reserved fields (an empty one as an empty field).
SettingsWrite WriteSettings(const Shared& shared, const SettingsPlace& place);

// True when a folder text can be stored in the settings file.
bool storableFolder(const std::string& folder);

// The start menu's read on activation: reads the settings file; when it is
// missing, takes the program folder and three zeros, writes them and reads
// them back. When the file cannot be created the program folder stays in
// memory. Nothing is shown to the user.
void loadSettings(Shared& shared, const SettingsPlace& place);

} // namespace sumlet
