#include "same_file.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>

#include "system_file.h"

namespace cp {
namespace {

namespace fs = std::filesystem;

// The path as the file system resolves it, links followed as far as they exist. Windows
// file systems do not tell letter cases apart.
fs::path::string_type resolved(const std::string& path) {
  std::error_code error;
  const fs::path canonical = fs::weakly_canonical(fs::absolute(os::path_of(path), error), error);
  fs::path::string_type text = canonical.lexically_normal().native();
#ifdef _WIN32
  std::transform(text.begin(), text.end(), text.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
#endif
  return text;
}

}  // namespace

bool same_file(const std::string& a, const std::string& b) {
  std::error_code error;
  const fs::path first = os::path_of(a);
  const fs::path second = os::path_of(b);
  if (fs::exists(first, error) && fs::exists(second, error))
    return fs::equivalent(first, second, error);
  return resolved(a) == resolved(b);
}

}  // namespace cp
