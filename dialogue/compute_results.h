#pragma once

#include "ports.h"
#include "session.h"

namespace cp {

// The computation of a run, from the observed sides to the precision figures: closes
// the side list, solves the triangles, adjusts the sides under the central condition,
// carries the traverse and evaluates the precision, showing the closure in Text12 and
// the figures in Text13 to Text18 as each is known. Throws a Fault where it cannot go on.
void compute_results(FieldText& fields, SessionRecord& record, const Orientation& orientation);

}  // namespace cp
