#pragma once

#include <string>

// Number text: how every number appears in a field, a prompt or the report.
//
// A value is judged on the decimal text the user would see for it: the shortest text
// that reads back to the stored value (a 32-bit value on its own 32-bit shortest text).
// So 0.125 is a tie, and 123.4565 typed by the user is a tie, although neither is
// exactly half-way in binary. Rounding then works on those decimal digits exactly.
namespace cp {

// Shortest decimal text: 6 -> "6", 6.5 -> "6.5".
std::string shortest_text(double value);
std::string shortest_text(float value);

// The shortest text in fixed notation that reads back to the value: 123.453, 1e20 in
// all its digits. The digits a user typed, for reading them as degrees and minutes.
std::string shortest_fixed_text(double value);

// A fixed pattern alone ("0.000" for decimals = 3): exactly that many decimals, at least
// one digit before the point, a leading minus for negatives; halves go away from zero.
std::string pattern_text(double value, int decimals);
std::string pattern_text(float value, int decimals);

// Rounded first to that many decimals with halves to the even digit, then the pattern.
std::string rounded_text(double value, int decimals);
std::string rounded_text(float value, int decimals);

// Rounded to that many significant digits, halves to the even digit, in fixed notation:
// 309983 to 3 digits is "310000", 45.64 is "45.6", 0.012345 is "0.0123". For a
// relative mean error 1/T, as survey reports give it.
std::string significant_text(double value, int digits);

// T of a relative error 1/T to three significant digits; a T too long for its column,
// from an EDM far finer than its sides need, in powers of ten: 1.23e10.
std::string relative_error_denominator(double T);

}  // namespace cp
