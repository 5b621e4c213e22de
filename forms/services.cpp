#include "forms/services.h"

namespace forms {
Services::~Services() = default;
}
