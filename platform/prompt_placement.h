#pragma once

#include <vector>

// Where the modal prompt stands on the screen. It never covers the fields the user reads
// while answering: the value to confirm and the current phase's hints and echoes.
namespace cp {

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }    // one past the last pixel
  int bottom() const { return y + height; }  // one past the last pixel
  bool contains(const ScreenRect& r) const {
    return r.x >= x && r.y >= y && r.right() <= right() && r.bottom() <= bottom();
  }
  bool overlaps(const ScreenRect& r) const {
    return r.x < right() && x < r.right() && r.y < bottom() && y < r.bottom();
  }
};

// The prompt's frame of the given size: beside the window, at the top of its right side
// when the screen has room there, else below it at its left; so the eye learns where to
// look. Where neither fits, over the window where it covers none of the guarded fields,
// scanning from the top left, and failing that anywhere on the screen. All in screen
// pixels, frames included.
ScreenRect place_prompt(const ScreenRect& screen, const ScreenRect& window, int width, int height,
                        const std::vector<ScreenRect>& guarded);

}  // namespace cp
