#include "quorvel/program.h"

namespace quorvel {

Program::Program(forms::Services& services, const QString& programFolder,
                 const std::filesystem::path& fallbackFolder)
    : forms::Program(services, programFolder, "QUORVEL"),
      place{std::filesystem::path(programFolder.toStdString()), fallbackFolder}
{
}

} // namespace quorvel
