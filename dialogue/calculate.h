#pragma once

#include "ports.h"
#include "session.h"

namespace cp {

// How a run of the Calculate command ended.
enum class RunEnd {
  Complete,  // every phase ran to its end
  Ended,     // an empty answer at a number prompt ended it, after its message
  Fault,     // the computation could not go on, after its message
};

// The Calculate command: the input dialogue, the adjustment, the precision evaluation
// and the point-by-point output, in that fixed order, writing the session record and
// the window's fields as it goes. A run that cannot go on says why in one message and
// ends there; the fields and the record keep what was written.
RunEnd calculate(UserPorts ports, SessionRecord& record);

// The same on the window's session: a run that completes becomes the one the report
// prints.
RunEnd calculate(UserPorts ports, Session& session);

}  // namespace cp
