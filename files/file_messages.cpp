#include "file_messages.h"

#include "fill.h"
#include "texts.h"

namespace cp {

std::string answers_file_message(const AnswersFileError& error) {
  std::string_view pattern;
  switch (error.kind) {
    case AnswersFileError::Kind::CannotOpen: pattern = text::kAnswersCannotOpen; break;
    case AnswersFileError::Kind::NotAFile: pattern = text::kAnswersNotAFile; break;
    case AnswersFileError::Kind::ReadFailed: pattern = text::kAnswersReadFailed; break;
    case AnswersFileError::Kind::InvalidUtf8:
      pattern = error.sheet && error.line == 0 ? text::kSheetNotText : text::kAnswersInvalidUtf8;
      break;
    case AnswersFileError::Kind::TooLarge: pattern = text::kSheetTooLarge; break;
    case AnswersFileError::Kind::InvalidSheet: pattern = text::kSheetInvalid; break;
    case AnswersFileError::Kind::NulByte: pattern = text::kAnswersNulByte; break;
    case AnswersFileError::Kind::LineTooLong: pattern = text::kAnswersLineTooLong; break;
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
