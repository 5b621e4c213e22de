#include "quorvel/keypad/window_file.h"

#include "forms/units.h"
#include "quorvel/shared.h"
#include "runtime/safe_save.h"
#include "runtime/seqfile.h"

#include <cmath>
#include <system_error>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

// Window coordinates of the X protocol are 16-bit.
constexpr double kMaxPixel = 32767;

const char* const kFileName = "LCTDX.DAT";

void loadFrom(Shared& shared, const fs::path& from, const fs::path& to)
{
    if (ReadWindowFile(shared, from))
        return;
    shared.FormLeft = 120;
    shared.FormTop = 120;
    shared.BigLayout = 0;
    WriteWindowFile(shared, to);
}

} // namespace

fs::path ProgramPlace::windowFile() const { return writePath(kFileName); }

fs::path ProgramPlace::windowFileToRead() const { return readPath(kFileName); }

bool usablePosition(double twips)
{
    return std::isfinite(twips) && std::fabs(std::round(twips / forms::TwipsPerPixel)) <= kMaxPixel;
}

bool ReadWindowFile(Shared& shared, const fs::path& file)
{
    runtime::ReadResult read = runtime::readFile(file);
    if (!read)
        return false;
    runtime::SeqReader reader(read.bytes);
    runtime::Value fields[7];
    for (auto& field : fields)
        if (reader.readValue(field) != runtime::ReadStatus::Ok)
            return false;
    // The position must be a number (an empty field counts as 0).
    for (int i = 0; i < 2; ++i)
        if (fields[i].isText() || !usablePosition(fields[i].num()))
            return false;
    shared.FormLeft = fields[0];
    shared.FormTop = fields[1];
    shared.BigLayout = fields[2];
    shared.WindowSpare1 = fields[3];
    shared.WindowSpare2 = fields[4];
    shared.WindowSpare3 = fields[5];
    shared.WindowSpare4 = fields[6];
    return true;
}

std::string windowFileBytes(const Shared& shared)
{
    runtime::SeqWriter writer;
    for (const runtime::Value* v : {&shared.FormLeft, &shared.FormTop, &shared.BigLayout,
                                    &shared.WindowSpare1, &shared.WindowSpare2,
                                    &shared.WindowSpare3, &shared.WindowSpare4})
        writer.value(*v);
    writer.endLine();
    return writer.failed() ? std::string() : writer.bytes();
}

bool WriteWindowFile(const Shared& shared, const fs::path& file)
{
    const std::string bytes = windowFileBytes(shared);
    if (bytes.empty())
        return false;
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    return static_cast<bool>(runtime::saveFile(file, bytes));
}

void loadWindowFile(Shared& shared, const fs::path& file)
{
    loadFrom(shared, file, file);
}

void loadWindowFile(Shared& shared, const ProgramPlace& place)
{
    loadFrom(shared, place.windowFileToRead(), place.windowFile());
}

void clampToScreen(double& left, double& top, double width, double height,
                   double screenWidth, double screenHeight)
{
    if (left < 0)
        left = 0;
    if (left + width > screenWidth)
        left = screenWidth - width;
    if (top < 0)
        top = 0;
    if (top + height > screenHeight)
        top = screenHeight - height;
}

} // namespace quorvel
