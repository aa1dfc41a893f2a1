#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "answer_source.h"
#include "system_file.h"

// An answers file: plain UTF-8 text, one answer a line exactly as it would be typed at
// its prompt, in prompt order; an empty line is a bare Enter. LF and CRLF line ends are
// both read, and a byte-order mark at the start is passed over. The file is read a line
// at a time, only as far as the dialogue asks, so a file of any length, or a pipe that
// never ends, costs no more than the answers taken from it.
namespace cp {

// Why an answers file cannot be read, with the line where that was found (0 when the
// file could not be opened at all).
struct AnswersFileError : std::runtime_error {
  enum class Kind {
    CannotOpen,
    NotAFile,
    ReadFailed,
    InvalidUtf8,
    NulByte,
    LineTooLong,
    TooLarge,     // a sheet beyond any polygon's size
    Workbook,     // a sheet saved as a workbook, not as CSV
    InvalidSheet  // a sheet whose rows cannot be read: `reason` says which and why
  };
  AnswersFileError(Kind kind_, std::string path_, long line_, std::string reason_, bool sheet_)
      : std::runtime_error(path_ + ": " + reason_),
        kind(kind_),
        path(std::move(path_)),
        line(line_),
        reason(std::move(reason_)),
        sheet(sheet_) {}
  Kind kind;
  std::string path;
  long line = 0;
  std::string reason;  // the system's reason, for CannotOpen and ReadFailed
  bool sheet = false;  // the file is a polygon sheet
};

class AnswersFile : public AnswerSource {
 public:
  // No answer is that long: a line beyond it is not an answers file's.
  static constexpr std::size_t kLongestLine = 1 << 20;

  // Opens the file for reading; throws AnswersFileError where it cannot.
  explicit AnswersFile(std::string path);

  // The next answer, or nothing at the end of the file. Throws AnswersFileError for a
  // line that is not text.
  std::optional<std::string> next() override;
  std::string where() const override;
  std::string where_next() const override;

  // The number of the line that the last answer came from, 1 for the first.
  long line() const { return line_; }

  // Whether another line can be read at once, without waiting for a pipe's writer.
  bool more_at_once() override;

  const std::string& path() const { return path_; }

 private:
  // Reads more bytes into the buffer; false at the end of the file. With `wait` false,
  // a pipe with nothing to read counts as ended for now.
  bool fill(bool wait);
  [[noreturn]] void fail(AnswersFileError::Kind kind, std::string reason = {}) const;

  std::string path_;
  os::File file_;
  std::string buffer_;
  std::size_t start_ = 0;  // where the unread bytes of the buffer begin
  bool at_end_ = false;
  long line_ = 0;
};

}  // namespace cp
