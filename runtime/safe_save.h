// Whole-file reading and saving that never loses a file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace runtime {

// Steps of a save, for tests that make one fail on purpose.
enum class SaveStep { None, CreateTemp, Write, Flush, Rename };

struct SaveResult {
    bool ok = false;
    std::string reason; // why it failed (for the warning), "" on success
    explicit operator bool() const { return ok; }
};

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target. On any failure the old target stays as it was, the
// temporary file is removed and the result says why. `failAt` makes the given
// step fail (tests only).
SaveResult saveFile(const std::filesystem::path& target, std::string_view bytes,
                    SaveStep failAt = SaveStep::None);

struct ReadResult {
    enum Status { Ok, NotFound, Failed };
    Status status = Failed;
    std::string bytes;
    std::string reason; // "" when Ok
    explicit operator bool() const { return status == Ok; }
};

// Reads a whole file. NotFound when there is no such file (a missing settings
// file is created with its defaults); Failed for any other failure (a folder,
// no permission, a read error).
ReadResult readFile(const std::filesystem::path& path);

} // namespace runtime
