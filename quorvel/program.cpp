#include "quorvel/program.h"

#include "quorvel/dates/hizuke_form.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/keypad/tesk_setumei.h"

#include <filesystem>
#include <memory>

namespace quorvel {

Program::Program(forms::Services& services, const QString& programFolder, const QString& fallbackFolder)
    : forms::Program(services, programFolder, QStringLiteral("QUORVEL")),
      place{std::filesystem::path(programFolder.toStdString()),
            std::filesystem::path(fallbackFolder.toStdString())},
      QUORVEL_(*this, [this] { return std::make_unique<quorvel::QUORVEL>(*this); }),
      TeskSETUMEI_(*this, [this] { return std::make_unique<quorvel::TeskSETUMEI>(*this); }),
      HIZUKE_(*this, [this] { return std::make_unique<quorvel::HIZUKE>(*this); }),
      SUUSIKI_(*this, [this] { return std::make_unique<quorvel::SUUSIKI>(*this); })
{
}

Program::~Program() = default;

} // namespace quorvel
