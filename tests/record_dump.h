#pragma once

#include <string>

#include "session.h"

namespace cp {

// The session record as "name value" lines, each number as the shortest text that
// reads back to its stored value.
std::string record_dump(const SessionRecord& record);

}  // namespace cp
