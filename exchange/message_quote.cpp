#include "message_quote.h"

#include "utf8.h"

namespace cp {

std::string quoted(std::string_view text) {
  constexpr int kShownCharacters = 40;
  constexpr char32_t kFirstPrintable = 0x20;
  constexpr char32_t kDelete = 0x7F;
  constexpr char32_t kLastControl = 0x9F;
  constexpr char32_t kControlPictures = 0x2400;  // ␀ to ␟
  std::string out;
  int count = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (++count > kShownCharacters) return out + "…";
    const char32_t c = next_code_point(text, at);
    if (c < kFirstPrintable)
      out += utf8_of(kControlPictures + c);
    else if (c >= kDelete && c <= kLastControl)
      out += utf8_of(kReplacementCharacter);
    else
      out += utf8_of(c);
  }
  return out;
}

}  // namespace cp
