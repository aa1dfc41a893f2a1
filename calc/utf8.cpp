#include "utf8.h"

namespace cp {
namespace {

struct Sequence {
  int extra;        // continuation bytes that follow the lead
  char32_t lowest;  // the smallest code point of that length: anything below is overlong
};

std::optional<Sequence> sequence_of(unsigned char lead) {
  if (lead < 0x80) return Sequence{0, 0};
  if (lead >= 0xC2 && lead <= 0xDF) return Sequence{1, 0x80};
  if (lead >= 0xE0 && lead <= 0xEF) return Sequence{2, 0x800};
  if (lead >= 0xF0 && lead <= 0xF4) return Sequence{3, 0x10000};
  return std::nullopt;  // a continuation byte, an overlong lead 0xC0/0xC1, or 0xF5 and above
}

constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;

// The code point of the well-formed sequence at `at` and its length, if it is one.
std::optional<std::pair<char32_t, std::size_t>> decode(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const auto sequence = sequence_of(lead);
  if (!sequence) return std::nullopt;
  if (sequence->extra == 0) return std::pair{static_cast<char32_t>(lead), std::size_t{1}};
  const auto length = static_cast<std::size_t>(sequence->extra) + 1;
  if (text.size() - at < length) return std::nullopt;
  char32_t code = lead & (0x3Fu >> sequence->extra);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3Fu);
  }
  if (code < sequence->lowest || code > kLastCodePoint) return std::nullopt;
  if (code >= kSurrogateFirst && code <= kSurrogateLast) return std::nullopt;
  return std::pair{code, length};
}

}  // namespace

char32_t next_code_point(std::string_view text, std::size_t& at) {
  if (const auto decoded = decode(text, at)) {
    at += decoded->second;
    return decoded->first;
  }
  ++at;
  return kReplacementCharacter;
}

std::string utf8_of(char32_t code) {
  if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) code = kReplacementCharacter;
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (code < 0x80) return std::string(1, byte(code));
  if (code < 0x800) return {byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))};
  if (code < 0x10000)
    return {byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)),
            byte(0x80 | (code & 0x3F))};
  return {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)),
          byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
}

std::optional<std::size_t> first_invalid_byte(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto decoded = decode(text, at);
    if (!decoded) return at;
    at += decoded->second;
  }
  return std::nullopt;
}

std::string escaped_utf8(std::string_view text) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    if (const auto decoded = decode(text, at)) {
      out.append(text.substr(at, decoded->second));
      at += decoded->second;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[at++]);
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
  }
  return out;
}

}  // namespace cp
