#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8, the one decoder of the program: answers typed into prompts, names in the report
// and answers files are all read through it.
//
// Policy for bad bytes: a well-formed sequence (RFC 3629: no overlong form, no surrogate,
// nothing above U+10FFFF) gives its code point; any other byte gives U+FFFD, the
// replacement character, and is consumed alone, so decoding goes on at the next byte and
// never reads past the end of the text.
namespace cp {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The byte-order mark that Excel and WPS need to open a CSV file as UTF-8, and that
// Notepad writes before a UTF-8 text.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Decodes the code point that starts at `at` and moves `at` past it; `at` < size.
char32_t next_code_point(std::string_view text, std::size_t& at);

// The UTF-8 form of a code point (U+FFFD for a surrogate or beyond U+10FFFF).
std::string utf8_of(char32_t code);

// Where the first byte that is not part of a well-formed sequence stands, if any.
std::optional<std::size_t> first_invalid_byte(std::string_view text);

// Text from outside (an argument, a path) as a message may show it: every well-formed
// sequence as it is, every other byte as \xNN, so that a message stays UTF-8 and says
// which bytes were given.
std::string escaped_utf8(std::string_view text);

}  // namespace cp
