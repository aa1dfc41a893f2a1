#pragma once

#include <optional>
#include <string>
#include <string_view>

// What "reads as a number" for an answer typed into a prompt.
//
// A Chinese input method often types full-width forms, so full-width digits, signs,
// point, e/E and the ideographic space are first taken as their ASCII forms; blanks
// around the number are trimmed. Then the answer must be an optional sign, digits with
// an optional point (or a point and digits) and an optional exponent, with a finite
// value. Nothing else reads as a number: "12abc", "1,5" and "" do not.
namespace cp {

std::optional<double> read_double(std::string_view answer);
std::optional<float> read_float(std::string_view answer);

// A confirmation answer means "wrong" when it reads as the number 0 or plainly says no:
// 否, 不, 不对, 错, 错误, 不正确, n or no, with blanks around it, in full-width forms or
// any letter case. Anything else, an empty answer included, accepts the value.
bool means_wrong(std::string_view answer);

}  // namespace cp
