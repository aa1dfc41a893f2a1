#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "printing.h"
#include "system_file.h"

// A file written whole or not at all: the contents go to a temporary file beside the
// target, which is renamed over the target only once complete and on the disk. A write
// that fails leaves any file already at the target as it was. A target that is a link
// to a file replaces that file and stays a link; a target that is no regular file (a
// device, a pipe, the terminal) is written straight into at the end, as `cp` does.
namespace cp {

// Why an output file cannot be written: its path and the system's reason.
struct OutputError : std::runtime_error {
  OutputError(std::string path_, std::string reason_)
      : std::runtime_error(path_ + ": " + reason_),
        path(std::move(path_)),
        reason(std::move(reason_)) {}
  std::string path;
  std::string reason;
};

class OutputFile {
 public:
  // Finds where the output goes and, for a file, creates the temporary file beside it;
  // throws OutputError where that folder cannot take it (missing, not writable) or the
  // target is a folder.
  explicit OutputFile(std::string path);
  ~OutputFile();  // removes the temporary file unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Writes the contents, every byte or an OutputError: a full disk or a file size limit
  // is the system's reason. A device or a pipe gets them only at the commit.
  void write(const std::string& contents);

  // Puts the temporary file's contents on the disk and closes it: after this, only the
  // rename is left to do.
  void finish();

  // Finishes, then renames the temporary file over the target, or writes the contents
  // into the device or pipe. Done only when every step succeeded; otherwise throws
  // OutputError, and the destructor removes the temporary file.
  void commit();

  bool special() const { return target_.special; }

 private:
  // Runs a step, its failure an OutputError naming the target.
  void guarded(const std::function<void()>& step) const;

  std::string path_;
  os::OutputTarget target_;
  std::string temporary_;
  os::File file_;
  std::string special_contents_;
  bool finished_ = false;
  bool committed_ = false;
};

// Writes one file whole or not at all; throws OutputError.
void write_whole_file(const std::string& path, const std::string& contents);

// Writes a drawn PDF at the path, whole or not at all, saying how that went: the
// drawing's failure or the system's reason.
PrintOutcome write_pdf_file(const PdfBytes& pdf, const std::string& path);

// The outputs of one run, committed together, in three steps:
// 1. every file is written to its temporary and put on the disk; a failure here (a full
//    disk, a file size limit) leaves every target as it was;
// 2. devices and pipes get their contents; a failure here leaves every file target as it
//    was, the devices written before it having had theirs;
// 3. the temporaries are renamed over their targets one by one; a rename that fails (the
//    folder's permissions changed meanwhile) leaves the targets renamed before it new and
//    the others as they were.
// An interruption at any step removes the temporaries still there (see interruption.h).
class OutputSet {
 public:
  void add(std::string path, std::string contents);
  // Throws OutputError naming the output that failed.
  void commit();

 private:
  struct Pending {
    std::string path;
    std::string contents;
  };
  std::vector<Pending> pending_;
};

}  // namespace cp
