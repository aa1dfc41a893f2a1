#include "file_messages.h"

#include "fill.h"
#include "texts.h"

namespace cp {

std::string answers_file_message(const AnswersFileError& error) {
  using Kind = AnswersFileError::Kind;
  // A sheet's messages read FILE:LINE: message, or FILE: message for the whole file.
  std::string_view pattern;
  switch (error.kind) {
    case Kind::CannotOpen:
      pattern = error.sheet ? text::kSheetCannotOpen : text::kAnswersCannotOpen;
      break;
    case Kind::NotAFile:
      pattern = error.sheet ? text::kSheetNotAFile : text::kAnswersNotAFile;
      break;
    case Kind::ReadFailed:
      pattern = error.sheet ? text::kSheetReadFailed : text::kAnswersReadFailed;
      break;
    case Kind::InvalidUtf8:
      pattern = !error.sheet      ? text::kAnswersInvalidUtf8
                : error.line == 0 ? text::kSheetNotText
                                  : text::kSheetInvalidUtf8;
      break;
    case Kind::TooLarge: pattern = text::kSheetTooLarge; break;
    case Kind::Workbook: pattern = text::kSheetWorkbook; break;
    case Kind::InvalidSheet:
      pattern = error.line == 0 ? text::kSheetInvalidWhole : text::kSheetInvalid;
      break;
    case Kind::NulByte: pattern = error.sheet ? text::kSheetNulByte : text::kAnswersNulByte; break;
    case Kind::LineTooLong: pattern = text::kAnswersLineTooLong; break;
  }
  return text::fill_in(pattern,
                       {{"{file}", error.sheet ? text::kSheetNoun : text::kAnswersFileNoun},
                        {"{path}", error.path},
                        {"{line}", std::to_string(error.line)},
                        {"{reason}", error.reason}});
}

std::string journal_message(const JournalError& error) {
  return text::fill_in(text::kJournalFailed,
                       {{"{folder}", error.folder}, {"{reason}", error.reason}});
}

}  // namespace cp
