#include "text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace cp {
namespace {

std::optional<std::string> converted(std::string_view text, const char* to, const char* from) {
  iconv_t converter = ::iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  std::string input(text);
  char* in = input.data();
  std::size_t in_left = input.size();
  char buffer[4096];
  bool failed = false;
  while (in_left > 0 && !failed) {
    char* at = buffer;
    std::size_t out_left = sizeof buffer;
    const std::size_t done = ::iconv(converter, &in, &in_left, &at, &out_left);
    out.append(buffer, static_cast<std::size_t>(at - buffer));
    failed = done == static_cast<std::size_t>(-1) && errno != E2BIG;
  }
  ::iconv_close(converter);
  if (failed) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> gbk_to_utf8(std::string_view gbk) {
  return converted(gbk, "UTF-8", "GBK");
}

std::optional<std::string> utf8_to_gbk(std::string_view utf8) {
  return converted(utf8, "GBK", "UTF-8");
}

}  // namespace cp
