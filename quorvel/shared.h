// Program-wide state of QUORVEL: what its windows share for the whole run.
#pragma once

#include "runtime/value.h"

namespace quorvel {

struct Shared {
    // The keypad window's last stored position, in twips.
    runtime::Value FormLeft;
    runtime::Value FormTop;
    // Layout of the keypad window: 0 small, 1 big (anything else: neither).
    runtime::Value BigLayout;
    // Fields 4 to 7 of LCTDX.DAT, written back as read.
    runtime::Value WindowSpare1;
    runtime::Value WindowSpare2;
    runtime::Value WindowSpare3;
    runtime::Value WindowSpare4;
};

} // namespace quorvel
