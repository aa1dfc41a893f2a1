// The prompt's place at the edges of the rule: a window partly off the screen, a screen
// smaller than the prompt, and guarded fields everywhere.
#include <gtest/gtest.h>

#include "prompt_placement.h"

namespace cp {
namespace {

constexpr int kWidth = 442;
constexpr int kHeight = 98;

TEST(PromptPlacement, StaysOnTheScreenAndOffTheGuardedFields) {
  const ScreenRect screen{0, 0, 1024, 768};
  const ScreenRect field{100, 300, 100, 20};
  // The window hangs off the top left corner: the prompt still lands whole on the screen.
  const ScreenRect window{-300, -200, 873, 649};
  const ScreenRect place = place_prompt(screen, window, kWidth, kHeight, {field});
  EXPECT_TRUE(screen.contains(place));
  EXPECT_FALSE(place.overlaps(field));
}

TEST(PromptPlacement, ANoRoomScreenStillGivesAPlace) {
  // Smaller than the prompt itself: its top left corner, never a search without end.
  const ScreenRect tiny{10, 20, 300, 60};
  const ScreenRect place = place_prompt(tiny, {10, 20, 300, 60}, kWidth, kHeight, {});
  EXPECT_EQ(place.x, 10);
  EXPECT_EQ(place.y, 20);

  // Every place is guarded: the same.
  const ScreenRect screen{0, 0, 1024, 768};
  const ScreenRect everywhere = place_prompt(screen, {0, 0, 1024, 768}, kWidth, kHeight, {screen});
  EXPECT_EQ(everywhere.x, 0);
  EXPECT_EQ(everywhere.y, 0);
}

TEST(PromptPlacement, BelowWhenTheRightHasNoRoom) {
  const ScreenRect screen{0, 0, 1280, 1024};
  const ScreenRect window{300, 50, 873, 649};
  const ScreenRect place = place_prompt(screen, window, kWidth, kHeight, {});
  EXPECT_EQ(place.x, window.x);
  EXPECT_EQ(place.y, window.bottom() + 8);
}

}  // namespace
}  // namespace cp
