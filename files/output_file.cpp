#include "output_file.h"

#include <cerrno>
#include <cstring>

namespace cp {

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  if (os::is_directory(path_)) throw OutputError{path_, std::strerror(EISDIR)};
  guarded([&] { file_ = os::File::create_beside(path_, temporary_); });
}

OutputFile::~OutputFile() {
  if (!committed_ && !temporary_.empty()) {
    file_ = os::File();  // closed before it is removed
    os::remove(temporary_);
  }
}

void OutputFile::guarded(const std::function<void()>& step) const {
  try {
    step();
  } catch (const os::Failure& failure) {
    throw OutputError{path_, failure.reason};
  }
}

void OutputFile::write(const std::string& contents) {
  guarded([&] { file_.write(contents); });
}

void OutputFile::commit() {
  guarded([&] {
    file_.sync();
    // A file system may report a failed write only when the file is closed.
    file_.close();
    os::replace(temporary_, path_);
  });
  committed_ = true;
}

}  // namespace cp
