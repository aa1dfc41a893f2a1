#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grade_check.h"

// The session record: the inputs and results of the last calculation, kept by the main
// window for as long as the program runs, read by the report. Lists are indexed from 0
// and are created afresh from N by every calculation; before the first one they do not
// exist (they are empty).
namespace cp {

// The position flag m: where the closing point B is, or that there is none.
enum class Configuration { BOnRing = 1, BAtCentre = 2, OutsideAzimuth = 3 };

// The precision of one point of the adjusted network: its weight reciprocals, its mean
// square errors in millimetres, and its standard error ellipse, semi-axes E >= F in
// millimetres, E's axis at azimuth phi in degrees from x (north) toward y (east),
// 0 <= phi < 180. A known point has no error: every figure is 0.
struct PointPrecision {
  bool known = false;
  double Qxx = 0;
  double Qyy = 0;
  double Qxy = 0;
  double mx = 0;
  double my = 0;
  double md = 0;
  double E = 0;
  double F = 0;
  double phi = 0;
};

// The known data as typed, each once accepted: what the polygon sheet writes back. The
// angles are DMS numbers; Q2 and Q3 are asked only where the angles before were 0.
struct TypedInputs {
  std::optional<double> Xa, Ya, Xb, Yb, m, T0, Q1, Q2, Q3;
  int names = 0;  // how many point names were answered
};

struct SessionRecord {
  double Xa = 0;  // northing of the start point A, metres
  double Ya = 0;  // easting of A
  double Xb = 0;  // northing of the closing point B; 0 when there is none
  double Yb = 0;  // easting of B
  float w = 0;    // closure of the central condition, seconds of arc
  double K = 0;   // correlate of the normal equation
  double Ta = 0;  // T0 as typed, a DMS number (outside-azimuth case only)
  double Qa = 0;  // orientation angle used (outside-azimuth case only)
  float Px = 0;   // weight reciprocal of X of the evaluated point
  float Py = 0;   // weight reciprocal of Y of the evaluated point
  float ms = 0;   // mean square error of a side of unit weight, millimetres
  float mx = 0;   // mean square error of X of the evaluated point, millimetres
  float my = 0;   // mean square error of Y of the evaluated point, millimetres
  float md = 0;   // mean square error of the position of the evaluated point, millimetres
  float N = 0;    // number of triangles
  float L = 0;    // index of the last point shown and printed

  std::vector<std::string> names;  // 0..N+1: A, the new points, then B or A again
  std::vector<double> observed;    // 0..2N: the sides as entered
  std::vector<double> S;           // 0..2N+1: observed, then adjusted sides; S(2N+1) = S(1)
  std::vector<double> X;           // 0..N+1: northing of point k
  std::vector<double> Y;           // 0..N+1: easting of point k

  int e = 0;  // index of the evaluated point, whose precision is kept above
  Configuration m = Configuration::BOnRing;
  std::vector<PointPrecision> points;  // 0..L: every point's precision
  bool complete = false;               // the last calculation ran to its end
  std::int64_t calculated_at = 0;      // when it completed, seconds since 1970 (UTC)
  TypedInputs typed;                   // the known data and names as entered

  // The EDM's precision where the user gave one, set before a run; with it, the run
  // judges the closure and every adjusted side.
  std::optional<EdmPrecision> edm;
  std::optional<SurveyGrade> survey_grade;  // with the EDM's precision: the grade to judge by
  std::optional<GradeCheck> grade;
};

// What the window keeps for as long as the program runs: the record of the last run, as
// far as it got, and a copy of the last run that completed, which the report prints. A
// later run that ends early leaves that copy as it was; before any run completes its
// `complete` is false.
struct Session {
  SessionRecord record;
  SessionRecord last_complete;
};

enum class OrientationAngle { None, Q1, Q2, Q3 };

// The orientation of a run, which the record does not keep.
struct Orientation {
  Configuration m = Configuration::BOnRing;
  OrientationAngle angle = OrientationAngle::None;  // outside-azimuth case only
  double T0 = 0;                  // decimal degrees: typed T0, or the azimuth of A-B
  double Q1 = 0, Q2 = 0, Q3 = 0;  // decimal degrees
};

// How many triangles a polygon may have: one or two cannot close around a centre.
inline constexpr float kFewestTriangles = 3;
inline constexpr float kMostTriangles = 1000;

// Whether the number is a triangle count a polygon may have: a whole number from the
// fewest to the most.
inline bool whole_triangle_count(double n) {
  return n >= kFewestTriangles && n <= kMostTriangles && n == std::floor(n);
}

// Creates every list afresh for N triangles (texts empty, numbers 0). N is a whole
// number of at least 3, checked by the dialogue before any list is sized.
void size_session_record(SessionRecord& record, float N);

// The number of triangles as a loop bound.
inline int triangle_count(const SessionRecord& record) { return static_cast<int>(record.N); }

// The closing point B is present when it has both coordinates; the dialogue refuses one
// of them zero alone, and both zero mean an outside azimuth.
inline bool has_point_b(const SessionRecord& record) { return record.Xb != 0 && record.Yb != 0; }

// The side that the known points give instead of the survey, error-free: A-B is S(2N)
// with B on the ring and S(1) with B at the centre; 0 for an outside azimuth, which has
// no known side.
inline int known_side_number(Configuration m, int n) {
  switch (m) {
    case Configuration::BOnRing: return 2 * n;
    case Configuration::BAtCentre: return 1;
    case Configuration::OutsideAzimuth: break;
  }
  return 0;
}

// The last point of the coordinate list that is shown, printed and evaluated: B again
// (m = 1), the centre B (m = 2), or A again (m = 3).
inline int last_point(Configuration m, int n) {
  return m == Configuration::OutsideAzimuth ? n + 1 : n;
}

// The points of the coordinate list that are the ring P(0..N-1), clockwise from A, and
// the centre.
struct NetworkPoints {
  std::vector<int> ring;
  int centre = 0;
};
NetworkPoints network_points(Configuration m, int n);

// The two points side k joins, by their numbers in the coordinate list: a radial side
// S(2i-1) runs from the centre to P(i-1), a perimeter side S(2i) from P(i-1) to P(i),
// and P(N) is P(0), A.
struct SideEnds {
  int from = 0;
  int to = 0;
};
SideEnds side_ends(const NetworkPoints& points, int k);

// Triangle N closes on the first radial side: the side list carries S(2N+1) = S(1).
inline void close_side_list(std::vector<double>& S, int n) {
  S[static_cast<std::size_t>(2 * n + 1)] = S[1];
}

}  // namespace cp
