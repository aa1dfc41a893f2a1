#pragma once

#include "asking.h"
#include "session.h"

namespace cp {

// Shows the points one at a time, each after a prompt whose answer is not examined:
// points 0 to L, L = N with a closing point B, N + 1 otherwise.
void show_points(Asking& asking, SessionRecord& record);

}  // namespace cp
