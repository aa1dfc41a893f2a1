#pragma once

#include <optional>
#include <string>

namespace cp {

// A file of the program's own: beside the program (the build's folder), else in its
// private folder under the installation (lib/central-polygon); nothing where neither
// holds it.
std::optional<std::string> private_file(const std::string& name);

}  // namespace cp
