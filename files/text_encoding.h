#pragma once

#include <optional>
#include <string>
#include <string_view>

// GBK, the encoding Excel, WPS and CAD use on Chinese Windows for text files.
namespace cp {

// The GBK text as UTF-8, or nothing where it is no GBK.
std::optional<std::string> gbk_to_utf8(std::string_view gbk);

// The UTF-8 text as GBK, or nothing where a character has no GBK form.
std::optional<std::string> utf8_to_gbk(std::string_view utf8);

}  // namespace cp
