// The program object of QUORVEL: its shared state, where its files are and
// its forms.
#pragma once

#include "forms/program.h"
#include "quorvel/dates/date_entry.h"
#include "quorvel/formula/formula_state.h"
#include "quorvel/program_place.h"
#include "quorvel/shared.h"

#include <QString>

namespace quorvel {

class QUORVEL;
class TeskSETUMEI;
class HIZUKE;
class SUUSIKI;

class Program : public forms::Program {
    Q_OBJECT
public:
    // programFolder: the executable's folder (a temporary folder in tests),
    // which holds LCTDX.DAT and DATT.DAT; fallbackFolder: where they go when
    // the program folder is not writable (runtime::configFolder("quorvel");
    // empty for none).
    Program(forms::Services& services, const QString& programFolder,
            const QString& fallbackFolder = QString());
    ~Program() override;

    Shared shared;
    ProgramPlace place;
    dates::DateValues dateValues; // HIZUKE's public values
    FormulaState formula;

    forms::FormSlot<quorvel::QUORVEL> QUORVEL_;
    forms::FormSlot<quorvel::TeskSETUMEI> TeskSETUMEI_;
    forms::FormSlot<quorvel::HIZUKE> HIZUKE_;
    forms::FormSlot<quorvel::SUUSIKI> SUUSIKI_;
};

} // namespace quorvel
