#pragma once

#include <stdexcept>
#include <string>

namespace cp {

// Why a file of results cannot be written in its format, as the one line the user reads.
struct ExchangeError : std::runtime_error {
  explicit ExchangeError(std::string message_)
      : std::runtime_error(message_), message(std::move(message_)) {}
  std::string message;
};

}  // namespace cp
