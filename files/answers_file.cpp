#include "answers_file.h"

#include "utf8.h"

namespace cp {
namespace {

constexpr std::size_t kChunk = 1 << 16;

}  // namespace

AnswersFile::AnswersFile(std::string path) : path_(std::move(path)) {
  try {
    file_ = os::File::open_for_reading(path_);
  } catch (const os::Failure& failure) {
    fail(AnswersFileError::Kind::CannotOpen, failure.reason);
  }
  if (file_.is_directory()) fail(AnswersFileError::Kind::NotAFile);
}

void AnswersFile::fail(AnswersFileError::Kind kind, std::string reason) const {
  throw AnswersFileError(kind, path_, line_, std::move(reason), false);
}

bool AnswersFile::fill(bool wait) {
  if (at_end_) return false;
  if (!wait && !file_.ready()) return false;
  if (start_ > 0) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  char chunk[kChunk];
  try {
    const std::size_t got = file_.read(chunk, sizeof chunk);
    if (got == 0) {
      at_end_ = true;
      return false;
    }
    buffer_.append(chunk, got);
    return true;
  } catch (const os::Failure& failure) {
    fail(AnswersFileError::Kind::ReadFailed, failure.reason);
  }
}

std::optional<std::string> AnswersFile::next() {
  std::size_t newline;
  for (;;) {
    newline = buffer_.find('\n', start_);
    if (newline != std::string::npos) break;
    if (buffer_.size() - start_ > kLongestLine) {
      ++line_;
      fail(AnswersFileError::Kind::LineTooLong);
    }
    if (!fill(true)) break;
  }
  if (newline == std::string::npos && start_ == buffer_.size()) return std::nullopt;
  const std::size_t end = newline == std::string::npos ? buffer_.size() : newline;
  std::string answer = buffer_.substr(start_, end - start_);
  start_ = newline == std::string::npos ? buffer_.size() : newline + 1;
  ++line_;
  if (answer.size() > kLongestLine) fail(AnswersFileError::Kind::LineTooLong);
  if (!answer.empty() && answer.back() == '\r') answer.pop_back();
  if (line_ == 1 && answer.starts_with(kUtf8ByteOrderMark))
    answer.erase(0, kUtf8ByteOrderMark.size());
  if (answer.find('\0') != std::string::npos) fail(AnswersFileError::Kind::NulByte);
  if (first_invalid_byte(answer)) fail(AnswersFileError::Kind::InvalidUtf8);
  return answer;
}

std::string AnswersFile::where() const { return path_ + ":" + std::to_string(line_); }
std::string AnswersFile::where_next() const { return path_ + ":" + std::to_string(line_ + 1); }

bool AnswersFile::more_at_once() {
  if (start_ < buffer_.size()) return true;
  return fill(false);
}

}  // namespace cp
