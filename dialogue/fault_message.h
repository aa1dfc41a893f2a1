#pragma once

#include <string>

#include "fault.h"

namespace cp {

// The one line that tells the user why the calculation cannot go on.
std::string fault_message(const Fault& fault);

}  // namespace cp
