#pragma once

#include <string>
#include <string_view>

namespace cp {

// Text from a file as a message quotes it, on one line and short: a control character as
// its picture (␊ for a line break), and cut after 40 characters with "…", however long
// the cell or name.
std::string quoted(std::string_view text);

}  // namespace cp
