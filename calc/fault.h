#pragma once

#include <array>
#include <cmath>
#include <stdexcept>

// A computation that cannot go on reports what failed as data; the dialogue turns it
// into the one line the user reads.
namespace cp {

enum class FaultKind {
  NoTriangle,          // three sides that form no triangle: |cos| > 1
  DegenerateTriangle,  // a cosine of exactly ±1: an angle of 0 or 180 degrees
  ZeroConditionSum,    // [aa] = 0: the correlate cannot be formed
  SideNotPositive,     // a correction that leaves a side of zero or negative length
  NegativeWeight,      // a weight reciprocal below zero
  NotFinite,           // a value that would be NaN or infinite
};

// The value concerned: the one that would not be finite, or whose weight is negative.
enum class Quantity {
  None,                   // the fault concerns no single value
  LengthAB,               // the length of the known side A-B
  AzimuthAB,              // the azimuth of A-B
  TriangleCosine,         // a cosine of triangle `index` (sides too large or too small)
  Coefficient,            // the condition coefficient of side `index`
  Correlate,              // K
  Correction,             // v of side `index`
  Azimuth,                // the azimuth of the leg to point `index`
  Coordinate,             // the coordinates of point `index`
  CoordinateCoefficient,  // the coefficient of side `index` in X or Y of the evaluated point
  WeightReciprocalX,      // Px
  WeightReciprocalY,      // Py
  Precision,              // ms, mx, my or md
  PointPrecision,         // the weight reciprocals or errors of point `index`
  GradeCheck,             // the closure's limit, or the mean error of side `index`
};

enum class Solution { Observed, Adjusted };

// What failed, as data. Filled by name (FaultDetails{.kind = ..., .index = ...}):
// neighbouring fields share a type.
struct FaultDetails {
  FaultKind kind;
  Quantity quantity = Quantity::None;
  int index = 0;  // triangle, side or point number, 1-based as the surveyor counts
  Solution solution = Solution::Observed;
  std::array<double, 3> sides{};  // S(2i-1), S(2i), S(2i+1) of a triangle that failed
  double value = 0;               // the offending value where it is finite
  std::array<double, 2> edm{};    // a (mm) and b (mm/km) of a grade check that failed
};

// The computation cannot go on: thrown with what failed, which the dialogue turns into
// the one line the user reads.
struct Fault : std::runtime_error, FaultDetails {
  explicit Fault(const FaultDetails& details)
      : std::runtime_error("计算不能继续"), FaultDetails(details) {}
};

// Ends the computation where a value would be NaN or infinite, naming what it is.
inline void require_finite(double value, Quantity quantity, int index = 0) {
  if (!std::isfinite(value))
    throw Fault({.kind = FaultKind::NotFinite, .quantity = quantity, .index = index});
}

}  // namespace cp
