#pragma once

#include <string_view>

namespace cp {

// Columns a text takes in a CJK printer font: a wide or full-width character (CJK
// ideographs, kana, hangul, full-width forms and punctuation) takes two, any other one.
int display_width(std::string_view utf8);

}  // namespace cp
