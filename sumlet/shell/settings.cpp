#include "sumlet/shell/settings.h"

#include <system_error>

#include "runtime/cp932.h"
#include "runtime/safe_save.h"
#include "runtime/seqfile.h"
#include "sumlet/shared.h"

namespace sumlet {

namespace fs = std::filesystem;

namespace {

const char* const kFileName = "SETQ.DAT";

} // namespace

std::string SettingsPlace::programFolderText() const
{
    std::string text = programFolder.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

fs::path SettingsPlace::file() const { return writePath(kFileName); }

fs::path SettingsPlace::fileToRead() const { return readPath(kFileName); }

SettingsRead ReadSettings(Shared& shared, const SettingsPlace& place)
{
    runtime::ReadResult file = runtime::readFile(place.fileToRead());
    if (file.status == runtime::ReadResult::NotFound)
        return SettingsRead::NotFound;
    if (!file)
        return SettingsRead::Failed;

    runtime::SeqReader reader(file.bytes);
    runtime::Value* fields[] = {&shared.DataFolder, &shared.SetqReserved2,
                                &shared.SetqReserved3, &shared.SetqReserved4};
    for (runtime::Value* field : fields) {
        runtime::Value v;
        if (reader.readValue(v) != runtime::ReadStatus::Ok)
            return SettingsRead::Failed;
        *field = std::move(v);
    }
    return SettingsRead::Ok;
}

bool storableFolder(const std::string& folder)
{
    if (folder.find_first_of("\"\r\n") != std::string::npos)
        return false;
    return runtime::fitsCp932(folder);
}

SettingsWrite WriteSettings(const Shared& shared, const SettingsPlace& place)
{
    runtime::SeqWriter writer;
    // The folder always goes in quotes, also when the cell holds a number.
    const std::string folder = shared.DataFolder.text();
    if (!storableFolder(folder) || !writer.text(folder))
        return SettingsWrite::BadText;
    writer.value(shared.SetqReserved2);
    writer.value(shared.SetqReserved3);
    writer.value(shared.SetqReserved4);
    writer.endLine();
    if (writer.failed())
        return SettingsWrite::BadText;

    const fs::path target = place.file();
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    return runtime::saveFile(target, writer.bytes()) ? SettingsWrite::Ok
                                                      : SettingsWrite::SaveFailed;
}

void loadSettings(Shared& shared, const SettingsPlace& place)
{
    if (ReadSettings(shared, place) != SettingsRead::NotFound)
        return;
    shared.DataFolder = place.programFolderText();
    shared.SetqReserved2 = 0;
    shared.SetqReserved3 = 0;
    shared.SetqReserved4 = 0;
    if (WriteSettings(shared, place) == SettingsWrite::Ok)
        ReadSettings(shared, place);
}

} // namespace sumlet
