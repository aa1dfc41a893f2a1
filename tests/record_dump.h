#pragma once

#include <string>

#include "session.h"

namespace cp {

// The session record as "name value" lines, each number as the shortest text that
// reads back to its stored value.
std::string record_dump(const SessionRecord& record);

// Every point's precision, one line a point: "k mx my md E F phi name", numbers as the
// shortest text, the name last because names may hold blanks. Empty for a record that
// is not complete.
std::string every_point_dump(const SessionRecord& record);

// The grade check of a complete record, numbers as the shortest text:
//   edm A B
//   closure W M_W LIMIT pass|fail
//   side K S_HAT M_K T_K      (every observed side in side order; M_K in millimetres)
//   weakest K
// Empty where the record is not complete or has no grade check.
std::string grade_check_dump(const SessionRecord& record);

}  // namespace cp
