#include "sheet_file.h"

#include <algorithm>

#include "exchange_texts.h"
#include "fill.h"
#include "system_file.h"
#include "text_encoding.h"
#include "utf8.h"

namespace cp {
namespace {

[[noreturn]] void fail(const std::string& path, AnswersFileError::Kind kind, long line = 0,
                       std::string reason = {}) {
  throw AnswersFileError(kind, path, line, std::move(reason), true);
}

// The whole file, at most the largest sheet and a byte more.
std::string contents(const std::string& path) {
  os::File file;
  try {
    file = os::File::open_for_reading(path);
  } catch (const os::Failure& failure) {
    fail(path, AnswersFileError::Kind::CannotOpen, 0, failure.reason);
  }
  if (file.is_directory()) fail(path, AnswersFileError::Kind::NotAFile);
  std::string text;
  char chunk[1 << 16];
  try {
    while (const std::size_t got = file.read(chunk, sizeof chunk)) {
      text.append(chunk, got);
      if (text.size() > SheetFile::kLargestSheet) fail(path, AnswersFileError::Kind::TooLarge);
    }
  } catch (const os::Failure& failure) {
    fail(path, AnswersFileError::Kind::ReadFailed, 0, failure.reason);
  }
  return text;
}

long line_of(std::string_view text, std::size_t at) {
  return 1 +
         static_cast<long>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

// Excel's "Unicode text": UTF-16, little-endian after its byte-order mark (or big-endian
// after FE FF), as UTF-8; nothing where it is not that or not well formed.
std::optional<std::string> utf16_as_utf8(std::string_view bytes) {
  const bool little = bytes.starts_with("\xFF\xFE");
  if (!little && !bytes.starts_with("\xFE\xFF")) return std::nullopt;
  if (bytes.size() % 2 != 0) return std::nullopt;
  const auto unit = [&](std::size_t at) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char32_t>(little ? first | second << 8 : first << 8 | second);
  };
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t at = 2; at < bytes.size(); at += 2) {
    char32_t code = unit(at);
    if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size()) {
      const char32_t low = unit(at + 2);
      if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
      at += 2;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      return std::nullopt;
    }
    out += utf8_of(code);
  }
  return out;
}

// A workbook saved in the spreadsheet's own format: a zip (xlsx, et) or a compound
// document (xls).
bool workbook(std::string_view bytes) {
  return bytes.starts_with("PK\x03\x04") || bytes.starts_with("\xD0\xCF\x11\xE0");
}

}  // namespace

std::string read_sheet_file_text(const std::string& path) {
  std::string text = contents(path);
  if (workbook(text)) fail(path, AnswersFileError::Kind::Workbook);
  if (auto utf8 = utf16_as_utf8(text)) {
    text = std::move(*utf8);
  } else if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
    fail(path, AnswersFileError::Kind::InvalidUtf8);
  }
  if (const auto nul = text.find('\0'); nul != std::string::npos)
    fail(path, AnswersFileError::Kind::NulByte, line_of(text, nul));
  if (text.starts_with(kUtf8ByteOrderMark)) {
    text.erase(0, kUtf8ByteOrderMark.size());
  } else if (first_invalid_byte(text)) {
    auto utf8 = gbk_to_utf8(text);
    if (!utf8) fail(path, AnswersFileError::Kind::InvalidUtf8);
    text = std::move(*utf8);
  }
  if (const auto bad = first_invalid_byte(text))
    fail(path, AnswersFileError::Kind::InvalidUtf8, line_of(text, *bad));
  return text;
}

SheetFile::SheetFile(std::string path) : path_(std::move(path)) {
  const std::string text = read_sheet_file_text(path_);
  try {
    PolygonSheet sheet = read_polygon_sheet(text);
    answers_ = std::move(sheet.answers);
    edm_ = sheet.edm;
    grade_ = sheet.grade;
  } catch (const SheetError& error) {
    fail(path_, AnswersFileError::Kind::InvalidSheet, error.row, error.message);
  }
}

SheetFile::SheetFile(std::string name, PolygonSheet sheet)
    : path_(std::move(name)),
      answers_(std::move(sheet.answers)),
      edm_(sheet.edm),
      grade_(std::move(sheet.grade)) {}

std::optional<std::string> SheetFile::next() {
  if (next_ >= answers_.size()) return std::nullopt;
  return answers_[next_++].text;
}

std::string SheetFile::where() const {
  if (next_ == 0) return path_ + ":1";
  // The Enters that step through the points stand on no row: the sheet as a whole.
  const SheetAnswer& last = answers_[next_ - 1];
  if (last.row == 0) return path_;
  return path_ + ":" + std::to_string(last.row) + (last.label.empty() ? "" : ": " + last.label);
}

std::string SheetFile::where_next() const { return where(); }

std::string SheetFile::where_of_side(int side) const {
  const std::string label = text::fill_in(exchange_text::kSideLabel, "{k}", std::to_string(side));
  for (const SheetAnswer& answer : answers_) {
    if (answer.label == label) return path_ + ":" + std::to_string(answer.row) + ": " + label;
  }
  return where();
}

std::string SheetFile::row_and_label() const {
  if (next_ == 0) return {};
  const SheetAnswer& last = answers_[next_ - 1];
  return text::fill_in(exchange_text::kSheetAt,
                       {{"{row}", std::to_string(last.row)}, {"{label}", last.label}});
}

bool reads_as_sheet(const std::string& path) {
  std::string suffix = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return suffix == ".csv";
}

std::unique_ptr<AnswerSource> open_answers(const std::string& path) {
  if (reads_as_sheet(path)) return std::make_unique<SheetFile>(path);
  return std::make_unique<AnswersFile>(path);
}

}  // namespace cp
