#pragma once

#include <optional>
#include <string>

#include "grade_check.h"

// The EDM precision the window remembers from one program run to the next: one line
// "a+b" in $XDG_CONFIG_HOME/central-polygon/edm (by default ~/.config/central-polygon/edm),
// on Windows %APPDATA%\central-polygon\edm.
namespace cp {

// The remembered precision: nothing where none is or the file holds no precision, and
// why the file was ignored where it is no regular file of a line (a pipe, a device) or
// cannot be read.
struct RememberedEdm {
  std::optional<EdmPrecision> edm;
  std::optional<std::string> ignored;  // the message saying so
};
RememberedEdm remembered_edm();

// Remembers the precision, or forgets it (nothing): the file is written whole or not
// at all. Throws OutputError.
void remember_edm(const std::optional<EdmPrecision>& edm);

}  // namespace cp
