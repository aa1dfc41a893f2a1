#pragma once

#include "ports.h"
#include "session.h"

namespace cp {

// The Calculate command: the input dialogue, the adjustment, the precision evaluation
// and the point-by-point output, in that fixed order, writing the session record and
// the window's fields as it goes. A run that cannot go on says why in one message and
// ends there; the fields and the record keep what was written.
void calculate(UserPorts ports, SessionRecord& record);

}  // namespace cp
