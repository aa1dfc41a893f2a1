#include "computation.h"

#include "adjustment.h"
#include "neighbour_precision.h"
#include "point_precision.h"
#include "precision.h"
#include "triangles.h"

namespace cp {
namespace {

void run_phases(const Observations& in, Computation& out) {
  const int n = in.n;
  out.S = in.sides;
  out.observed = prepare_sides(out.S, n);
  TriangleAngles angles = first_solution(out.S, n);

  out.w = closure(angles.sum_gamma);
  const Adjustment adjustment = adjust_sides(out.S, angles, in.orientation.m, *out.w);
  out.K = adjustment.K;
  out.v = adjustment.v;
  second_solution(out.S, n, angles);

  const auto legs = traverse_plan(in.orientation.m, in.orientation.angle, n);
  out.traverse = traverse_from(in.Xa, in.Ya, n);
  run_traverse(legs, orientation_base(in.orientation), angles, out.S, out.traverse);

  out.ms = unit_weight_error(adjustment.vv);
  const CoordinateRows rows(legs, angles, out.traverse, out.S, in.orientation.m);
  const BracketTable Q = bracket_table(adjustment.a, rows.of(out.e));
  out.Px = weight_reciprocal(Q, 2);
  out.Py = weight_reciprocal(Q, 3);
  out.mx = mean_square_error(*out.ms, *out.Px);
  out.my = mean_square_error(*out.ms, *out.Py);
  out.md = position_error(*out.mx, *out.my);
  out.points = every_point_precision(rows, adjustment.a, *out.ms, last_point(in.orientation.m, n));
  if (in.edm) {
    out.grade = grade_check(adjustment.a, out.observed, out.S, *out.w,
                            known_side_number(in.orientation.m, n), *in.edm);
    judge_neighbours(*out.grade, rows, adjustment.a, out.observed, in.orientation.m, n);
    if (in.grade) out.grade->verdict = judge_by_grade(*out.grade, *in.grade);
  }
}

}  // namespace

Observations observations_of(const SessionRecord& record, const Orientation& orientation) {
  return {.Xa = record.Xa,
          .Ya = record.Ya,
          .n = triangle_count(record),
          .sides = record.S,
          .orientation = orientation,
          .edm = record.edm,
          .grade = record.survey_grade};
}

Computation compute(const Observations& observations) {
  Computation out;
  out.e = evaluated_point(static_cast<float>(observations.n));
  try {
    run_phases(observations, out);
  } catch (const Fault& fault) {
    out.fault = fault;
  }
  return out;
}

}  // namespace cp
