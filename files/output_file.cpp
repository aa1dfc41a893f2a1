#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace cp {

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  struct stat status {};
  if (::stat(path_.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) fail(EISDIR);
  const auto slash = path_.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path_.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
  std::string pattern = folder + (slash == std::string::npos ? "/." : ".") + name + ".XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  fd_ = ::mkstemp(buffer.data());
  if (fd_ < 0) fail(errno);
  temporary_ = buffer.data();
  // The finished file gets the ordinary permissions of a new file, not mkstemp's 0600.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd_, 0666 & ~mask);
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

void OutputFile::fail(int error) const { throw OutputError{path_, std::strerror(error)}; }

void OutputFile::write(const std::string& contents) {
  for (std::size_t written = 0; written < contents.size();) {
    const ssize_t n = ::write(fd_, contents.data() + written, contents.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    written += static_cast<std::size_t>(n);
  }
}

void OutputFile::commit() {
  if (::fsync(fd_) != 0) fail(errno);
  // A file system may report a failed write only when the file is closed.
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0) fail(errno);
  if (::rename(temporary_.c_str(), path_.c_str()) != 0) fail(errno);
  committed_ = true;
}

}  // namespace cp
