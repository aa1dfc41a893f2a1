#pragma once

#include <optional>
#include <vector>

#include "fault.h"
#include "grade_check.h"
#include "session.h"
#include "traverse.h"

// The whole computation of a run, from the observed sides to the precision figures, in
// its fixed order: close the side list, solve the triangles, form the closure and adjust
// the sides under the central condition, solve again, carry the traverse, evaluate the
// precision of the evaluated point, then of every point. The one entry point for the
// dialogue, the tests and the benchmark.
namespace cp {

// What the dialogue hands over: the known points and the sides as entered, the known
// side A-B included.
struct Observations {
  double Xa = 0;
  double Ya = 0;
  int n = 0;                  // number of triangles
  std::vector<double> sides;  // S(0..2N+1) as entered; S(0) and S(2N+1) unused
  Orientation orientation;
  std::optional<EdmPrecision> edm = {};   // where known, the work is judged against it
  std::optional<SurveyGrade> grade = {};  // with an EDM precision: the grade it is judged by
};

Observations observations_of(const SessionRecord& record, const Orientation& orientation);

// The results, as far as the computation got: a value that is not set was not reached.
// A fault says why it stopped; the lists then hold what was computed before it.
struct Computation {
  std::vector<double> observed;  // S(0..2N) as observed
  std::vector<double> S;         // S(0..2N+1): the adjusted sides once w is corrected
  std::vector<double> v;         // corrections of S(0..2N), metres; empty until adjusted
  Traverse traverse;             // points 0..N+1; empty lists until the traverse starts
  int e = 0;                     // the evaluated point, the middle of the chain

  std::optional<float> w;  // closure of the central condition, seconds of arc
  std::optional<double> K;
  std::optional<float> ms;  // millimetres
  std::optional<float> Px;
  std::optional<float> Py;
  std::optional<float> mx;  // millimetres
  std::optional<float> my;
  std::optional<float> md;
  std::vector<PointPrecision> points;  // 0..L, every point's precision; empty until reached
  std::optional<GradeCheck> grade;     // with an EDM precision: the closure and every side judged

  std::optional<Fault> fault;
};

Computation compute(const Observations& observations);

}  // namespace cp
