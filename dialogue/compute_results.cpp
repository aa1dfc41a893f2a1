#include "compute_results.h"

#include "adjustment.h"
#include "fields.h"
#include "number_text.h"
#include "precision.h"
#include "texts.h"
#include "traverse.h"
#include "triangles.h"

namespace cp {
namespace {

constexpr int kClosureDecimals = 2;
constexpr int kWeightDecimals = 4;
constexpr int kErrorDecimals = 2;

std::string millimetres(float value) {
  return rounded_text(value, kErrorDecimals) + std::string(text::kMillimetres);
}

}  // namespace

void compute_results(FieldText& fields, SessionRecord& record, const Orientation& orientation) {
  const int n = triangle_count(record);
  prepare_sides(record);
  TriangleAngles angles = first_solution(record.S, n);

  record.w = closure(angles.sum_gamma);
  fields.set(field::Text12, rounded_text(record.w, kClosureDecimals) + std::string(text::kSeconds));
  const Adjustment adjustment = adjust_sides(record, angles, orientation.m, record.w);
  record.K = adjustment.K;
  second_solution(record.S, n, angles);

  const auto legs = traverse_plan(orientation.m, orientation.angle, n);
  const auto Az = run_traverse(legs, orientation_base(orientation), angles, record);

  record.ms = unit_weight_error(adjustment.vv);
  fields.set(field::Text13, millimetres(record.ms));
  record.e = evaluated_point(record.N);
  const auto f = coordinate_coefficients(legs, record.e, angles, Az, record, orientation.m);
  const BracketTable Q = bracket_table(adjustment.a, f);
  record.Px = weight_reciprocal(Q, 2);
  fields.set(field::Text14, rounded_text(record.Px, kWeightDecimals));
  record.Py = weight_reciprocal(Q, 3);
  fields.set(field::Text15, rounded_text(record.Py, kWeightDecimals));
  record.mx = mean_square_error(record.ms, record.Px);
  fields.set(field::Text16, millimetres(record.mx));
  record.my = mean_square_error(record.ms, record.Py);
  fields.set(field::Text17, millimetres(record.my));
  record.md = position_error(record.mx, record.my);
  fields.set(field::Text18, millimetres(record.md));
}

}  // namespace cp
