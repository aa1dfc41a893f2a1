#include "prompt_placement.h"

#include <algorithm>

namespace cp {
namespace {

constexpr int kGap = 8;    // between the window and a prompt beside it
constexpr int kStep = 8;   // of the scan for a free place over the window
constexpr int kClear = 4;  // kept free around a guarded field

bool covers_none(const ScreenRect& place, const std::vector<ScreenRect>& guarded) {
  return std::none_of(guarded.begin(), guarded.end(), [&](const ScreenRect& field) {
    return place.overlaps(
        {field.x - kClear, field.y - kClear, field.width + 2 * kClear, field.height + 2 * kClear});
  });
}

// Moved into the screen along one axis, keeping its size where it fits.
int clamped(int start, int size, int low, int high) {
  return std::max(low, std::min(start, high - size));
}

}  // namespace

ScreenRect place_prompt(const ScreenRect& screen, const ScreenRect& window, int width, int height,
                        const std::vector<ScreenRect>& guarded) {
  const ScreenRect right{window.right() + kGap,
                         clamped(window.y, height, screen.y, screen.bottom()), width, height};
  if (screen.contains(right)) return right;
  const ScreenRect below{clamped(window.x, width, screen.x, screen.right()), window.bottom() + kGap,
                         width, height};
  if (screen.contains(below)) return below;

  // Over the window where it shows on the screen, else anywhere on the screen.
  const ScreenRect visible{
      std::max(window.x, screen.x), std::max(window.y, screen.y),
      std::min(window.right(), screen.right()) - std::max(window.x, screen.x),
      std::min(window.bottom(), screen.bottom()) - std::max(window.y, screen.y)};
  for (const ScreenRect& area : {visible, screen}) {
    for (int y = area.y; y + height <= area.bottom(); y += kStep) {
      for (int x = area.x; x + width <= area.right(); x += kStep) {
        const ScreenRect place{x, y, width, height};
        if (covers_none(place, guarded)) return place;
      }
    }
  }
  // No free place at all: the top left of the screen, whole on it where it fits.
  return {screen.x, screen.y, width, height};
}

}  // namespace cp
