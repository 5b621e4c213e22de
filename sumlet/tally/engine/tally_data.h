// The tally's data model (filled in with the tally engine).
#pragma once

namespace sumlet {

struct TallyData {
};

} // namespace sumlet
