#include "point_names.h"

#include "exchange_error.h"
#include "exchange_texts.h"
#include "fill.h"
#include "number_text.h"
#include "utf8.h"

namespace cp {
namespace {

namespace t = exchange_text;

constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastControl = 0x9F;        // C1 controls run from U+0080
constexpr char32_t kControlPictures = 0x2400;  // ␀ to ␟ show C0 controls in a message
constexpr char32_t kLastOfThePlane = 0xFFFF;

bool control(char32_t c) { return c < kFirstPrintable || (c >= kDelete && c <= kLastControl); }

std::string hex(char32_t c) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "U+";
  const int digits = c > kLastOfThePlane ? 6 : 4;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
  return out;
}

std::string_view file_name(NameFile file) {
  switch (file) {
    case NameFile::Dxf: return t::kFileDxf;
    case NameFile::Gama: return t::kFileGama;
    case NameFile::PointFile: return t::kFilePointFile;
  }
  return {};
}

// The name for a message, on one line: a control character as its picture (␊ for a line
// break), and cut after 40 characters.
std::string shown(std::string_view name) {
  constexpr int kShownCharacters = 40;
  std::string out;
  int count = 0;
  for (std::size_t at = 0; at < name.size();) {
    if (++count > kShownCharacters) return out + "…";
    const char32_t c = next_code_point(name, at);
    out += utf8_of(c < kFirstPrintable ? kControlPictures + c : control(c) ? U'\uFFFD' : c);
  }
  return out;
}

[[noreturn]] void refuse(std::string_view name, int point, char32_t c, std::string_view what,
                         NameFile file) {
  throw ExchangeError{text::fill_in(t::kNameRefused, {{"{k}", std::to_string(point)},
                                                      {"{name}", shown(name)},
                                                      {"{what}", std::string(what)},
                                                      {"{code}", hex(c)},
                                                      {"{file}", std::string(file_name(file))}})};
}

}  // namespace

void check_name(std::string_view name, int point, NameFile file) {
  for (std::size_t at = 0; at < name.size();) {
    const char32_t c = next_code_point(name, at);
    if (c == '\n' || c == '\r') refuse(name, point, c, t::kLineBreak, file);
    if (control(c)) refuse(name, point, c, t::kControlCharacter, file);
    if (file == NameFile::PointFile && c == ',') refuse(name, point, c, t::kComma, file);
  }
}

std::string dxf_name(std::string_view name, int point) {
  check_name(name, point, NameFile::Dxf);
  std::string out;
  for (std::size_t at = 0; at < name.size();) {
    const char32_t c = next_code_point(name, at);
    if (c > kLastOfThePlane) refuse(name, point, c, t::kBeyondDxf, NameFile::Dxf);
    if (c == '\\' || c >= 0x80) {
      out += "\\" + hex(c);
    } else if (c == '^') {
      out += "^ ";
    } else if (c == '%') {
      out += "%%%";
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace cp
