#pragma once

#include <string>
#include <string_view>

namespace cp::text {

// A catalogue text with every "{key}" replaced by the value.
inline std::string fill_in(std::string_view pattern, std::string_view key, std::string_view value) {
  std::string out(pattern);
  for (auto at = out.find(key); at != std::string::npos; at = out.find(key, at + value.size())) {
    out.replace(at, key.size(), value);
  }
  return out;
}

}  // namespace cp::text
