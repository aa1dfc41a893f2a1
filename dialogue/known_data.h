#pragma once

#include "asking.h"
#include "session.h"

namespace cp {

// The first half of the dialogue: the number of triangles (the record is sized from
// it), the known points A and B, and the orientation of the network. In the
// known-side case it also stores the length of A-B as S(2N) (m = 1) or S(1) (m = 2).
Orientation ask_known_data(Asking& asking, SessionRecord& record);

}  // namespace cp
