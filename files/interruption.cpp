#include "interruption.h"

#include <array>
#include <atomic>
#include <cstring>

namespace cp::os {
namespace {

// A run writes a handful of outputs at once; a temporary beyond the slots is still
// removed by its output in the ordinary way, only not on an interruption.
constexpr std::size_t kSlots = 64;

// Each slot holds a path of its own, or nothing; the handler only reads them.
std::array<std::atomic<char*>, kSlots> registered{};

}  // namespace

void remove_on_interruption(const std::string& path) {
  char* copy = new char[path.size() + 1];
  std::memcpy(copy, path.c_str(), path.size() + 1);
  for (auto& slot : registered) {
    char* empty = nullptr;
    if (slot.compare_exchange_strong(empty, copy)) return;
  }
  delete[] copy;
}

void keep_on_interruption(const std::string& path) noexcept {
  for (auto& slot : registered) {
    char* held = slot.load();
    if (held && path == held && slot.compare_exchange_strong(held, nullptr)) {
      delete[] held;
      return;
    }
  }
}

void for_each_interrupted_temporary(void (*remove)(const char* path)) noexcept {
  for (auto& slot : registered)
    if (const char* path = slot.load()) remove(path);
}

}  // namespace cp::os
