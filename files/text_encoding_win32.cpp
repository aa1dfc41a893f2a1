#include <windows.h>

#include "text_encoding.h"
#include "wide_text.h"

namespace cp {
namespace {

constexpr UINT kGbk = 936;  // the code page of simplified Chinese Windows

}  // namespace

std::optional<std::string> gbk_to_utf8(std::string_view gbk) {
  if (gbk.empty()) return std::string();
  const int size = ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(),
                                         static_cast<int>(gbk.size()), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()),
                        wide.data(), size);
  return utf8_of(wide);
}

std::optional<std::string> utf8_to_gbk(std::string_view utf8) {
  const std::wstring wide = wide_of(utf8);
  if (wide.empty()) return std::string();
  BOOL lost = FALSE;
  const int size = ::WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, &lost);
  if (size == 0 || lost) return std::nullopt;
  std::string gbk(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), size,
                        nullptr, nullptr);
  return gbk;
}

}  // namespace cp
