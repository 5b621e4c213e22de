// The QUORVEL program: its shared state and its forms.
#pragma once

#include "forms/program.h"
#include "quorvel/dates/date_entry.h"
#include "quorvel/dates/hizuke_form.h"
#include "quorvel/formula/formula_state.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/keypad/tesk_setumei.h"
#include "quorvel/keypad/window_file.h"
#include "quorvel/shared.h"

#include <filesystem>
#include <memory>

namespace quorvel {

class Program : public forms::Program {
    Q_OBJECT
public:
    // programFolder holds LCTDX.DAT; fallbackFolder is used when it is not
    // writable (empty: never).
    Program(forms::Services& services, const QString& programFolder,
            const std::filesystem::path& fallbackFolder = {});

    Shared shared;
    ProgramPlace place;
    dates::DateValues dateValues; // HIZUKE's public values

    forms::FormSlot<QUORVEL> QUORVEL_{*this, [this] { return std::make_unique<QUORVEL>(*this); }};
    forms::FormSlot<TeskSETUMEI> TeskSETUMEI_{*this, [this] { return std::make_unique<TeskSETUMEI>(*this); }};
    forms::FormSlot<HIZUKE> HIZUKE_{*this, [this] { return std::make_unique<HIZUKE>(*this); }};

    FormulaState formula;
    forms::FormSlot<SUUSIKI> SUUSIKI_{*this, [this] { return std::make_unique<SUUSIKI>(*this); }};
};

} // namespace quorvel
