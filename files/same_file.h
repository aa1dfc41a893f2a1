#pragma once

#include <string>

namespace cp {

// Whether two paths name one file, judged as files and not as strings: a hard link, a
// symbolic link, "./a.answers" beside "a.answers", and on Windows another letter case
// all name the same file. A path that does not exist yet names the file it would create.
bool same_file(const std::string& a, const std::string& b);

}  // namespace cp
