#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace cp::text {

// A catalogue text with every "{key}" replaced by the value.
inline std::string fill_in(std::string_view pattern, std::string_view key, std::string_view value) {
  std::string out(pattern);
  for (auto at = out.find(key); at != std::string::npos; at = out.find(key, at + value.size())) {
    out.replace(at, key.size(), value);
  }
  return out;
}

// The same for several keys, in order: fill_in(pattern, {{"{path}", path}, {"{line}", line}}).
inline std::string fill_in(
    std::string_view pattern,
    std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
  std::string out(pattern);
  for (const auto& [key, value] : values) out = fill_in(out, key, value);
  return out;
}

}  // namespace cp::text
