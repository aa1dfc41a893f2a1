#include "point_names.h"

#include "exchange_error.h"
#include "exchange_texts.h"
#include "fill.h"
#include "message_quote.h"
#include "number_text.h"
#include "utf8.h"

namespace cp {
namespace {

namespace t = exchange_text;

constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastControl = 0x9F;  // C1 controls run from U+0080
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

[[noreturn]] void refuse(std::string_view name, int point, char32_t c, std::string_view what,
                         NameFile file) {
  throw ExchangeError{text::fill_in(t::kNameRefused, {{"{k}", std::to_string(point)},
                                                      {"{name}", quoted(name)},
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
