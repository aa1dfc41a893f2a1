#pragma once

#include <functional>
#include <string>

#include "system_file.h"

// A file written whole or not at all: the contents go to a temporary file beside the
// target, which is renamed over the target only once complete and on the disk. A write
// that fails leaves any file already at the target as it was.
namespace cp {

// Why an output file cannot be written: its path and the system's reason.
struct OutputError {
  std::string path;
  std::string reason;
};

class OutputFile {
 public:
  // Creates the temporary file in the target's folder; throws OutputError where that
  // folder cannot take it (missing, not writable) or the target is a folder.
  explicit OutputFile(std::string path);
  ~OutputFile();  // removes the temporary file unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Where the contents are to be written, for writers that take a path.
  const std::string& temporary_path() const { return temporary_; }

  // Writes the contents to the temporary file, every byte or an OutputError: a full
  // disk or a file size limit is the system's reason.
  void write(const std::string& contents);

  // Puts the temporary file's contents on the disk, closes it and renames it over the
  // target. Done only when every step succeeded; otherwise throws OutputError, and the
  // destructor removes the temporary file.
  void commit();

 private:
  // Runs a step, its failure an OutputError naming the target.
  void guarded(const std::function<void()>& step) const;

  std::string path_;
  std::string temporary_;
  os::File file_;
  bool committed_ = false;
};

}  // namespace cp
