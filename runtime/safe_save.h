// Whole-file reading and saving that never loses a file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace runtime {

// Steps of a save, for tests that make one fail on purpose.
enum class SaveStep { None, CreateTemp, Write, Flush, Rename };

// How the new contents reach the target's folder.
enum class SaveRoute {
    Unnamed, // an unnamed file, named only once complete; Named where refused
    Named,   // a temporary file with a short name from the start
};

struct SaveResult {
    bool ok = false;
    std::string reason; // why it failed (for the warning), "" on success
    SaveRoute route = SaveRoute::Named; // the route the save took
    explicit operator bool() const { return ok; }
};

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target. The temporary file is unnamed while it is written where the
// file system allows it (nothing stays if the program dies midway), else it
// has a short name. A symbolic link is written through to the file it points
// at (created when missing); the link stays. A target that is not a regular
// file, that the user may not write or that has no write permission bit at all
// (also for root) is refused. On any failure the old target stays as it was,
// the temporary file is removed and the result says why. `failAt` makes the
// given step fail and `route` Named skips the unnamed file (tests only).
SaveResult saveFile(const std::filesystem::path& target, std::string_view bytes,
                    SaveStep failAt = SaveStep::None, SaveRoute route = SaveRoute::Unnamed);

// Makes a write past the file-size limit fail (EFBIG) instead of ending the
// program with SIGXFSZ. Both programs call it at start (prepareProgram).
void ignoreFileSizeSignal();

struct ReadResult {
    enum Status { Ok, NotFound, Failed };
    Status status = Failed;
    std::string bytes;
    std::string reason; // "" when Ok
    explicit operator bool() const { return status == Ok; }
};

// More than any file the programs write; a larger file is refused unread.
inline constexpr std::size_t kMaxReadBytes = std::size_t(8) << 20;

// Reads a whole regular file. NotFound when there is no such file (a missing
// settings file is created with its defaults); Failed for any other failure:
// a folder, a device or FIFO (refused without waiting on it), no permission,
// more than maxBytes, or any read error (never a short success).
ReadResult readFile(const std::filesystem::path& path, std::size_t maxBytes = kMaxReadBytes);

} // namespace runtime
