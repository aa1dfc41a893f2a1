#pragma once

#include <string>
#include <string_view>

// Windows speaks UTF-16 in its wide calls; the program speaks UTF-8.
namespace cp {

std::wstring wide_of(std::string_view utf8);
std::string utf8_of(std::wstring_view wide);

// The system's message for an error code, as UTF-8 on one line.
std::string system_message(unsigned long error);

}  // namespace cp
