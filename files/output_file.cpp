#include "output_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "interruption.h"

namespace cp {

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  if (os::is_directory(path_)) throw OutputError{path_, std::strerror(EISDIR)};
  guarded([&] {
    target_ = os::output_target(path_);
    if (!target_.special) file_ = os::File::create_beside(target_.path, temporary_);
  });
  if (!temporary_.empty()) os::remove_on_interruption(temporary_);
}

OutputFile::~OutputFile() {
  if (!committed_ && !temporary_.empty()) {
    file_ = os::File();  // closed before it is removed
    os::remove(temporary_);
  }
  if (!temporary_.empty()) os::keep_on_interruption(temporary_);
}

void OutputFile::guarded(const std::function<void()>& step) const {
  try {
    step();
  } catch (const os::Failure& failure) {
    throw OutputError{path_, failure.reason};
  }
}

void OutputFile::write(const std::string& contents) {
  if (target_.special) {
    special_contents_ += contents;
    return;
  }
  guarded([&] { file_.write(contents); });
}

void OutputFile::finish() {
  if (finished_ || target_.special) return;
  guarded([&] {
    file_.sync();
    // A file system may report a failed write only when the file is closed.
    file_.close();
  });
  finished_ = true;
}

void OutputFile::commit() {
  finish();
  guarded([&] {
    if (target_.special) {
      os::File device = os::File::open_special_for_writing(target_.path);
      device.write(special_contents_);
      device.close();
    } else {
      os::replace(temporary_, target_.path);
    }
  });
  committed_ = true;
}

void write_whole_file(const std::string& path, const std::string& contents) {
  OutputFile file(path);
  file.write(contents);
  file.commit();
}

PrintOutcome write_pdf_file(const PdfBytes& pdf, const std::string& path) {
  if (!pdf.failure.empty()) return {.detail = pdf.failure};
  try {
    write_whole_file(path, pdf.bytes);
  } catch (const OutputError& error) {
    return {.detail = error.reason};
  }
  return {.done = true};
}

void OutputSet::add(std::string path, std::string contents) {
  pending_.push_back({std::move(path), std::move(contents)});
}

void OutputSet::commit() {
  std::vector<std::unique_ptr<OutputFile>> files;
  for (const Pending& output : pending_) {
    files.push_back(std::make_unique<OutputFile>(output.path));
    files.back()->write(output.contents);
    files.back()->finish();
  }
  // Devices and pipes first: they are the outputs that can still fail, and a failure
  // there leaves every file as it was.
  std::stable_partition(files.begin(), files.end(),
                        [](const auto& file) { return file->special(); });
  for (const auto& file : files) file->commit();
}

}  // namespace cp
