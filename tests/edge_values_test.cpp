// Edge values of the numeric and text helpers: exact quarter turns with the sign of
// zero checked, cosines on both sides of ±1, column widths, and the UTF-8 policy for
// bad bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "display_width.h"
#include "known_side.h"
#include "triangles.h"
#include "utf8.h"

namespace cp {
namespace {

TEST(KnownSide, QuarterTurnsAreExact) {
  struct Row {
    const char* name;
    double dx, dy;
    double azimuth;
  };
  for (const Row& row : {Row{"north", 3, 0, 0}, Row{"east", 0, 4, 90}, Row{"south", -3, 0, 180},
                         Row{"west", 0, -4, 270}}) {
    SCOPED_TRACE(row.name);
    const KnownSide side = known_side(row.dx, row.dy);
    EXPECT_EQ(side.azimuth, row.azimuth);
    EXPECT_FALSE(std::signbit(side.azimuth)) << "north is +0, never -0";
    EXPECT_EQ(side.length, std::fabs(row.dx + row.dy));
  }
}

TEST(KnownSide, EachQuadrantAndTheLimitsBesideTheAxes) {
  EXPECT_NEAR(known_side(1, 1).azimuth, 45, 1e-8);
  EXPECT_NEAR(known_side(-1, 1).azimuth, 135, 1e-8);
  EXPECT_NEAR(known_side(-1, -1).azimuth, 225, 1e-8);
  EXPECT_NEAR(known_side(1, -1).azimuth, 315, 1e-8);
  // dx negligible beside dy: the quotient is infinite and its arc tangent the limit, a
  // right angle read in the program's degrees (a hair above 90, like arctan(1) above 45).
  EXPECT_NEAR(known_side(1e-300, 1).azimuth, 90.0000000026, 1e-10);
  EXPECT_NEAR(known_side(-1e-300, -1).azimuth, 270.0000000026, 1e-10);
  EXPECT_LT(known_side(1000, -1e-7).azimuth, 360) << "just west of north stays below 360";
}

TEST(KnownSide, AnAbsurdLengthIsAFault) { EXPECT_THROW(known_side(1e308, 1e308), Fault); }

TEST(Triangles, CosinesJustInsideAndOutsideTheirRange) {
  const double below_one = std::nextafter(1.0, 0.0);
  const double above_minus_one = std::nextafter(-1.0, 0.0);
  EXPECT_GT(angle_from_cosine(below_one), 0);
  EXPECT_LT(angle_from_cosine(below_one), 1e-6);
  EXPECT_LT(angle_from_cosine(above_minus_one), 180);
  EXPECT_GT(angle_from_cosine(above_minus_one), 180 - 1e-6);

  struct Row {
    const char* name;
    double c;
    FaultKind kind;
  };
  for (const Row& row :
       {Row{"one", 1, FaultKind::DegenerateTriangle},
        Row{"minus_one", -1, FaultKind::DegenerateTriangle},
        Row{"above_one", std::nextafter(1.0, 2.0), FaultKind::NoTriangle},
        Row{"below_minus_one", std::nextafter(-1.0, -2.0), FaultKind::NoTriangle},
        Row{"infinite", std::numeric_limits<double>::infinity(), FaultKind::NoTriangle}}) {
    SCOPED_TRACE(row.name);
    try {
      angle_from_cosine(row.c);
      ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
      EXPECT_EQ(fault.kind, row.kind);
    }
  }
}

TEST(DisplayWidth, WideAndNarrowCharacters) {
  struct Row {
    const char* name;
    const char* text;
    int width;
  };
  for (const Row& row : {
           Row{"empty", "", 0},
           Row{"ascii", "x( 3 )=", 7},
           Row{"ideographs", "点名", 4},
           Row{"full_width_digit", "\xEF\xBC\x90", 2},             // U+FF10
           Row{"half_width_katakana", "\xEF\xBD\xB1", 1},          // U+FF71
           Row{"ideographic_space", "\xE3\x80\x80", 2},            // U+3000
           Row{"em_dash", "\xE2\x80\x94", 1},                      // U+2014
           Row{"hangul", "\xEA\xB0\x80", 2},                       // U+AC00
           Row{"supplementary_ideograph", "\xF0\xA0\x80\x80", 2},  // U+20000
           Row{"truncated_sequence", "\xE4\xB8", 2},               // two bad bytes, one each
           Row{"stray_continuation",
               "a\x80"
               "b",
               3},
       }) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(display_width(row.text), row.width);
  }
}

TEST(Utf8, BadBytesBecomeOneReplacementEach) {
  struct Row {
    const char* name;
    std::string_view text;
    std::u32string decoded;
    std::optional<std::size_t> first_invalid;
  };
  const char32_t bad = kReplacementCharacter;
  for (const Row& row : {
           Row{"ascii", "S1", U"S1", std::nullopt},
           Row{"cjk", "\xE8\xBE\xB9", U"\u8FB9", std::nullopt},
           Row{"four_bytes", "\xF0\x9F\x98\x80", U"\U0001F600", std::nullopt},
           Row{"overlong_nul", "\xC0\x80", {bad, bad}, 0},
           Row{"surrogate", "\xED\xA0\x80", {bad, bad, bad}, 0},
           Row{"beyond_last_code_point", "\xF4\x90\x80\x80", {bad, bad, bad, bad}, 0},
           Row{"truncated_at_end", "ab\xE8\xBE", {U'a', U'b', bad, bad}, 2},
           Row{"lead_then_ascii",
               "\xE8"
               "1",
               {bad, U'1'},
               0},
           Row{"nul_is_a_character", std::string_view("a\0b", 3), {U'a', 0, U'b'}, std::nullopt},
       }) {
    SCOPED_TRACE(row.name);
    std::u32string decoded;
    for (std::size_t at = 0; at < row.text.size();) decoded += next_code_point(row.text, at);
    EXPECT_EQ(decoded, row.decoded);
    EXPECT_EQ(first_invalid_byte(row.text), row.first_invalid);
  }
}

}  // namespace
}  // namespace cp
