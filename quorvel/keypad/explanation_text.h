// The fixed text of the explanation window TeskSETUMEI.
#pragma once

#include <string>

namespace quorvel {

// 24 lines joined by CR LF, no line end after the last.
std::string explanationText();

} // namespace quorvel
