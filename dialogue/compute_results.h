#pragma once

#include "ports.h"
#include "session.h"

namespace cp {

// The computation of a run, from the observed sides to the precision figures: shows the
// closure and the figures ms to md in their fields, and writes the results into the
// record, as far as the computation got. Throws its Fault where it could not go on.
void compute_results(FieldText& fields, SessionRecord& record, const Orientation& orientation);

}  // namespace cp
