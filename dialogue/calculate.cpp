#include "calculate.h"

#include "adjustment.h"
#include "asking.h"
#include "fault_message.h"
#include "fields.h"
#include "known_data.h"
#include "names_and_sides.h"
#include "number_text.h"
#include "point_output.h"
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

void compute(Asking& asking, SessionRecord& record, const Orientation& orientation) {
  const int n = triangle_count(record);
  prepare_sides(record);
  TriangleAngles angles = first_solution(record.S, n);

  record.w = closure(angles.sum_gamma);
  asking.write(field::Text12, rounded_text(record.w, kClosureDecimals) + std::string(text::kSeconds));
  const Adjustment adjustment = adjust_sides(record, angles, orientation.m, record.w);
  record.K = adjustment.K;
  second_solution(record.S, n, angles);

  const auto legs = traverse_plan(orientation.m, orientation.angle, n);
  const auto Az = run_traverse(legs, orientation_base(orientation), angles, record);

  record.ms = unit_weight_error(adjustment.vv);
  asking.write(field::Text13, millimetres(record.ms));
  record.e = evaluated_point(record.N);
  const auto f = coordinate_coefficients(legs, record.e, angles, Az, record, orientation.m);
  const BracketTable Q = bracket_table(adjustment.a, f);
  record.Px = weight_reciprocal(Q, 2);
  asking.write(field::Text14, rounded_text(record.Px, kWeightDecimals));
  record.Py = weight_reciprocal(Q, 3);
  asking.write(field::Text15, rounded_text(record.Py, kWeightDecimals));
  record.mx = mean_square_error(record.ms, record.Px);
  asking.write(field::Text16, millimetres(record.mx));
  record.my = mean_square_error(record.ms, record.Py);
  asking.write(field::Text17, millimetres(record.my));
  record.md = position_error(record.mx, record.my);
  asking.write(field::Text18, millimetres(record.md));
}

}  // namespace

void calculate(UserPorts ports, SessionRecord& record) {
  Asking asking(ports);
  record.complete = false;
  try {
    const Orientation orientation = ask_known_data(asking, record);
    ask_point_names(asking, record, orientation.m);
    ask_observed_sides(asking, record, orientation.m);
    compute(asking, record, orientation);
    show_points(asking, record);
    record.complete = true;
  } catch (const RunEnded&) {
  } catch (const Fault& fault) {
    asking.tell(fault_message(fault));
  }
}

}  // namespace cp
