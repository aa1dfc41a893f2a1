#pragma once

#include <string>

namespace cp {

// Why a file of results cannot be written in its format, as the one line the user reads.
struct ExchangeError {
  std::string message;
};

}  // namespace cp
