#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "survey_grade.h"

// Judging the work: the closure of the central condition against its limit, and the
// precision of every adjusted side, from the nominal precision of the EDM that measured
// the sides.
namespace cp {

// The EDM's nominal precision: a side of S metres is measured with a mean error of
// a + b·S/1000 millimetres (a in mm, b in mm/km, that is ppm).
struct EdmPrecision {
  double a = 0;  // millimetres
  double b = 0;  // millimetres per kilometre
};

// The smallest and largest a and b taken, besides 0: no EDM is anywhere near either, the
// figures stay finite and 1/T stays within its column.
inline constexpr double kSmallestEdmTerm = 0.001;
inline constexpr double kLargestEdmTerm = 1000;

// The precision a + b, where an EDM can have it: each term 0 or from the smallest to the
// largest, not both 0.
std::optional<EdmPrecision> edm_precision(double a, double b);

// Reads "A+B" or "A" (b = 0), blanks allowed around the numbers, full-width forms as
// the prompts take them. Nothing where it is not that form (a sign before B, as in
// "2++2", included), a term is not one edm_precision takes, or both are 0.
std::optional<EdmPrecision> read_edm_precision(std::string_view text);
// Writes it as "A+B" in shortest form, as read_edm_precision reads it back.
std::string edm_precision_text(const EdmPrecision& edm);

// The EDM's mean error of a side of that length in metres: a + b·S/1000, millimetres.
double edm_mean_error(const EdmPrecision& edm, double length);

// The mean error of each observed side S(1..sides), metres, entry 0 and the known side
// (0 for none) 0: what the closure, the adjusted sides and the points are judged by.
std::vector<double> side_mean_errors(const std::vector<double>& observed, int sides, int known_side,
                                     const EdmPrecision& edm);

// One observed side: its adjusted length, the mean error of that length and its
// relative mean error 1/T.
struct SideGrade {
  int k = 0;            // side number
  double S_hat = 0;     // adjusted length, metres
  double v = 0;         // correction, millimetres
  double observed = 0;  // observed length, metres
  double sigma = 0;     // the EDM's mean error of the observed length, millimetres
  double m = 0;         // mean error of the adjusted length, millimetres
  double T = 0;         // S_hat / m, both in metres
};

// Two points joined by an observed side, one placed relative to the other: the mean
// error of their difference m = sqrt(var Δx + var Δy) and its error ellipse, semi-axes
// E >= F, E's axis at phi degrees from x toward y, 0 <= phi < 180; all in millimetres.
struct PairPrecision {
  int k = 0;     // the side
  int from = 0;  // its two points, by their numbers in the coordinate list
  int to = 0;
  double m = 0;
  double E = 0;
  double F = 0;
  double phi = 0;
};

struct GradeCheck {
  EdmPrecision edm;
  double w = 0;                           // closure, seconds of arc (the stored 32-bit value)
  double m_w = 0;                         // mean error of the closure, seconds of arc
  double limit = 0;                       // twice the mean error: the limit error
  bool pass = false;                      // |w| <= limit
  std::vector<SideGrade> sides = {};      // every observed side in side order; not the known side
  int weakest = 0;                        // the side of the smallest T
  std::vector<PairPrecision> pairs = {};  // every observed side's two points, in side order
  int weakest_pair = 0;                   // the side whose points have the largest m
  std::optional<GradeVerdict> verdict = {};  // where a grade was given
};

// The weakest side of a check, nothing where it judged no side.
const SideGrade* weakest_side(const GradeCheck& check);

// The grade check of an adjustment. `a` holds the condition coefficients a(0..2N)
// (seconds of arc per metre), `observed` and `adjusted` the sides S(0..2N), `w` the
// closure; the known side (0 for none) is fixed and carries no coefficient. Throws a
// Fault where a figure would not be finite.
GradeCheck grade_check(const std::vector<double>& a, const std::vector<double>& observed,
                       const std::vector<double>& adjusted, float w, int known_side,
                       const EdmPrecision& edm);

}  // namespace cp
