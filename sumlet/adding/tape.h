// The adding machine's tape (filled in with the adding machine).
#pragma once

namespace sumlet {

struct AddingTape {
};

} // namespace sumlet
