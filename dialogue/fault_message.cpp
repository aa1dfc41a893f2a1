#include "fault_message.h"

#include "fill.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
namespace {

using text::fill_in;

std::string number(int k) { return shortest_text(static_cast<double>(k)); }

std::string with_k(std::string_view pattern, int k) { return fill_in(pattern, "{k}", number(k)); }

std::string side_value(int k, double value) {
  return fill_in(text::kSideValue, {{"{k}", number(k)}, {"{value}", shortest_text(value)}});
}

// The triangle and its three sides: 第 3 个三角形的边长 S(5)=…、S(6)=…、S(7)=…
std::string triangle_sides(const FaultDetails& fault) {
  const int i = fault.index;
  std::string out = with_k(
      fault.solution == Solution::Adjusted ? text::kAdjustedTriangleSides : text::kTriangleSides,
      i);
  for (int j = 0; j < 3; ++j) {
    if (j > 0) out += text::kSideSeparator;
    out += side_value(2 * i - 1 + j, fault.sides[static_cast<std::size_t>(j)]);
  }
  return out;
}

std::string quantity_name(const FaultDetails& fault) {
  const int k = fault.index;
  switch (fault.quantity) {
    case Quantity::None: break;
    case Quantity::LengthAB: return std::string(text::kQuantityLengthAB);
    case Quantity::AzimuthAB: return std::string(text::kQuantityAzimuthAB);
    case Quantity::TriangleCosine:
      return fill_in(text::kQuantityTriangleAngle, "{sides}", triangle_sides(fault));
    case Quantity::Coefficient: return with_k(text::kQuantityCoefficient, k);
    case Quantity::Correlate: return std::string(text::kQuantityCorrelate);
    case Quantity::Correction: return with_k(text::kQuantityCorrection, k);
    case Quantity::Azimuth: return with_k(text::kQuantityAzimuth, k);
    case Quantity::Coordinate: return with_k(text::kQuantityCoordinate, k);
    case Quantity::CoordinateCoefficient: return with_k(text::kQuantityCoordinateCoefficient, k);
    case Quantity::WeightReciprocalX: return std::string(text::kQuantityWeightReciprocalX);
    case Quantity::WeightReciprocalY: return std::string(text::kQuantityWeightReciprocalY);
    case Quantity::Precision: return std::string(text::kQuantityPrecision);
    case Quantity::PointPrecision: return with_k(text::kQuantityPointPrecision, k);
    case Quantity::GradeCheck:
      return fill_in(k > 0 ? with_k(text::kQuantitySideGrade, k) : text::kQuantityClosureLimit,
                     {{"{a}", shortest_text(fault.edm[0])}, {"{b}", shortest_text(fault.edm[1])}});
  }
  return std::string(text::kQuantityUnnamed);
}

std::string with_quantity(std::string_view pattern, const FaultDetails& fault) {
  return fill_in(pattern, "{quantity}", quantity_name(fault));
}

}  // namespace

std::string fault_message(const FaultDetails& fault) {
  switch (fault.kind) {
    case FaultKind::NoTriangle: return fill_in(text::kNoTriangle, "{sides}", triangle_sides(fault));
    case FaultKind::DegenerateTriangle:
      return fill_in(text::kDegenerateTriangle, "{sides}", triangle_sides(fault));
    case FaultKind::ZeroConditionSum: return std::string(text::kZeroConditionSum);
    case FaultKind::SideNotPositive:
      return fill_in(text::kAdjustedSideNotPositive,
                     {{"{k}", number(fault.index)}, {"{value}", shortest_text(fault.value)}});
    case FaultKind::NegativeWeight:
      return fill_in(text::kNegativeWeight, {{"{quantity}", quantity_name(fault)},
                                             {"{value}", shortest_text(fault.value)}});
    case FaultKind::NotFinite: return with_quantity(text::kNotFinite, fault);
  }
  return std::string(text::kQuantityUnnamed);
}

int fault_side(const FaultDetails& fault) {
  const bool triangle = fault.kind == FaultKind::NoTriangle ||
                        fault.kind == FaultKind::DegenerateTriangle ||
                        fault.quantity == Quantity::TriangleCosine;
  if (triangle) return 2 * fault.index - 1;
  const bool side = fault.kind == FaultKind::SideNotPositive ||
                    fault.quantity == Quantity::Coefficient ||
                    fault.quantity == Quantity::Correction;
  return side ? fault.index : 0;
}

}  // namespace cp
