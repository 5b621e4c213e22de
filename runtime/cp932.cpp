#include "runtime/cp932.h"

namespace runtime {

std::optional<std::string> toCp932(std::string_view utf8) { return std::string(utf8); }
bool fitsCp932(std::string_view utf8) { return toCp932(utf8).has_value(); }
std::optional<std::string> fromCp932(std::string_view bytes) { return std::string(bytes); }
std::string fromCp932Lenient(std::string_view bytes) { return std::string(bytes); }

} // namespace runtime
