#pragma once

#include <string>

#include "answers_file.h"
#include "journal.h"

namespace cp {

// The one line that says why an answers file cannot be read, naming it and the line.
std::string answers_file_message(const AnswersFileError& error);

// The one line that says the journal cannot be written, naming the folder.
std::string journal_message(const JournalError& error);

}  // namespace cp
