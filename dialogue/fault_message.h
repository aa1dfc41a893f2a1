#pragma once

#include <string>

#include "fault.h"

namespace cp {

// The one line that tells the user why the calculation cannot go on.
std::string fault_message(const FaultDetails& fault);

// The side the fault concerns, where it concerns one: the first side S(2i-1) of a
// triangle that failed, or the side whose coefficient or correction failed; 0 else.
int fault_side(const FaultDetails& fault);

}  // namespace cp
