#pragma once

#include <exception>
#include <functional>
#include <string>

#include "fill.h"
#include "texts.h"

// The last guard of every program's main: whatever escapes its body (an allocation that
// failed, a fault no one caught) is said in one line and ends the program with status 2,
// never with a silent terminate.
namespace cp {

inline constexpr int kEscapedFailureStatus = 2;

inline int guarded_main(const std::function<int()>& body,
                        const std::function<void(const std::string&)>& say) {
  try {
    return body();
  } catch (const std::exception& error) {
    say(text::fill_in(text::kEscapedFailure, "{what}", error.what()));
  } catch (...) {
    say(text::fill_in(text::kEscapedFailure, "{what}", text::kUnknownFailure));
  }
  return kEscapedFailureStatus;
}

}  // namespace cp
