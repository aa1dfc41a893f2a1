#pragma once

#include "asking.h"
#include "session.h"

namespace cp {

// The second half of the dialogue: the names of all points in the order the output
// lists them, then every observed side the coordinates do not give.
void ask_point_names(Asking& asking, SessionRecord& record, Configuration m);
void ask_observed_sides(Asking& asking, SessionRecord& record, Configuration m);

}  // namespace cp
