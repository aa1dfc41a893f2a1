// Every point's precision against a rigorous parametric least-squares adjustment of the
// same network, written out here with dense matrices: the same side observations,
// linearised at the adjusted coordinates, and the same datum as the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "computation.h"
#include "constants.h"
#include "network.h"
#include "number_text.h"
#include "point_precision.h"

namespace cp {
namespace {

using namespace testing_support;

using Matrix = std::vector<std::vector<double>>;

// The inverse of a symmetric positive definite matrix, by Gauss-Jordan elimination.
Matrix inverse(Matrix a) {
  const std::size_t n = a.size();
  Matrix inv(n, std::vector<double>(n, 0.0));
  for (std::size_t i = 0; i < n; ++i) inv[i][i] = 1;
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r)
      if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
    std::swap(a[col], a[pivot]);
    std::swap(inv[col], inv[pivot]);
    const double p = a[col][col];
    for (std::size_t c = 0; c < n; ++c) {
      a[col][c] /= p;
      inv[col][c] /= p;
    }
    for (std::size_t r = 0; r < n; ++r) {
      if (r == col) continue;
      const double factor = a[r][col];
      for (std::size_t c = 0; c < n; ++c) {
        a[r][c] -= factor * a[col][c];
        inv[r][c] -= factor * inv[col][c];
      }
    }
  }
  return inv;
}

// The network as vertices: the ring P(0..N-1), then the centre, with the coordinate list
// index where each one first appears and whether the datum holds it fixed.
struct Vertex {
  int list_index;
  bool fixed;
};

std::vector<Vertex> vertices(Case c, int N) {
  std::vector<Vertex> v;
  for (int j = 0; j < N; ++j) v.push_back({j, j == 0});
  v.push_back({N, c == Case::BAtCentre});
  if (c == Case::BOnRing) {  // B = P(N-1) is listed last; the centre comes before it
    v[N - 1] = {N, true};
    v[N] = {N - 1, false};
  }
  return v;
}

// One observation row over the unknowns: a side between two vertices (metres), or the
// azimuth from A to a vertex (seconds of arc); both of weight 1.
struct Observation {
  int from;
  int to;
  bool azimuth;
};

std::vector<Observation> observations(Case c, int N) {
  std::vector<Observation> o;
  const int centre = N;
  for (int i = 1; i <= N; ++i) {
    if (!(c == Case::BAtCentre && i == 1)) o.push_back({centre, i - 1, false});
    if (!(c == Case::BOnRing && i == N)) o.push_back({i - 1, i % N, false});
  }
  // The outside-azimuth case fixes one direction at A: to P(1), the centre or P(N-1).
  if (c == Case::Q1) o.push_back({0, 1, true});
  if (c == Case::Q2) o.push_back({0, centre, true});
  if (c == Case::Q3) o.push_back({0, N - 1, true});
  return o;
}

// Cofactors of the coordinates of every vertex, (Q(X,X), Q(Y,Y), Q(X,Y)) per vertex.
std::vector<std::array<double, 3>> rigorous_cofactors(Case c, int N, const Traverse& t) {
  const auto v = vertices(c, N);
  std::vector<int> column(v.size(), -1);
  int unknowns = 0;
  for (std::size_t j = 0; j < v.size(); ++j)
    if (!v[j].fixed) {
      column[j] = unknowns;
      unknowns += 2;
    }
  Matrix normal(unknowns, std::vector<double>(unknowns, 0.0));
  for (const Observation& o : observations(c, N)) {
    const int p = v[o.from].list_index;
    const int q = v[o.to].list_index;
    const double dX = t.X[q] - t.X[p];
    const double dY = t.Y[q] - t.Y[p];
    const double d2 = dX * dX + dY * dY;
    const double d = std::sqrt(d2);
    // Derivatives by the coordinates of the far end; the near end takes their negatives.
    const double by_X = o.azimuth ? -dY / d2 * kRho : dX / d;
    const double by_Y = o.azimuth ? dX / d2 * kRho : dY / d;
    std::vector<double> row(unknowns, 0.0);
    if (column[o.to] >= 0) {
      row[column[o.to]] += by_X;
      row[column[o.to] + 1] += by_Y;
    }
    if (column[o.from] >= 0) {
      row[column[o.from]] -= by_X;
      row[column[o.from] + 1] -= by_Y;
    }
    for (int i = 0; i < unknowns; ++i)
      for (int j = 0; j < unknowns; ++j) normal[i][j] += row[i] * row[j];
  }
  const Matrix Q = inverse(normal);
  std::vector<std::array<double, 3>> by_list(static_cast<std::size_t>(N) + 2, {0, 0, 0});
  for (std::size_t j = 0; j < v.size(); ++j) {
    if (v[j].fixed) continue;
    const int x = column[j];
    by_list[v[j].list_index] = {Q[x][x], Q[x + 1][x + 1], Q[x][x + 1]};
  }
  return by_list;
}

TEST(EveryPointPrecision, AgreesWithARigorousAdjustmentOfTheSameNetwork) {
  std::mt19937 random(7);
  for (Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (int N : {3, 4, 5, 8, 12}) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const TrueNetwork net = make_network(N, c, random);
      // Sides as good as exact: the adjusted network closes, so every vertex has one
      // position whichever way the chain reaches it.
      const Computation r =
          compute(observations_of(observed_record(net, c, random, 1e-9), orientation_for(net, c)));
      ASSERT_FALSE(r.fault);
      const auto rigorous = rigorous_cofactors(c, N, r.traverse);
      const int last = static_cast<int>(r.points.size()) - 1;
      // Relative to the largest cofactor of the network. The adjustment closes the central
      // angles on 360 degrees of pi = 3.1415926535, which leaves the adjusted ring 2e-10
      // radians from closing in the plane: the two agree to 2e-9, and within 1e-9 when pi
      // is taken in full.
      double scale = 0;
      for (const auto& [Qxx, Qyy, Qxy] : rigorous) scale = std::max(scale, Qxx + Qyy);
      ASSERT_EQ(last, c == Case::BOnRing || c == Case::BAtCentre ? N : N + 1);
      for (int k = 0; k <= last; ++k) {
        const PointPrecision& p = r.points[k];
        SCOPED_TRACE("point " + std::to_string(k));
        if (k == 0 || k == last) {
          EXPECT_TRUE(p.known);
          EXPECT_EQ(p.mx + p.my + p.md + p.E + p.F + p.phi, 0);
          continue;
        }
        const auto [Qxx, Qyy, Qxy] = rigorous[k];
        EXPECT_NEAR(p.Qxx, Qxx, 5e-9 * scale);
        EXPECT_NEAR(p.Qyy, Qyy, 5e-9 * scale);
        EXPECT_NEAR(p.Qxy, Qxy, 5e-9 * scale);
      }
    }
  }
}

// The ellipse of a point is its cofactors turned to their principal axes: E along
// azimuth phi holds the largest variance, and E^2 + F^2 = mx^2 + my^2.
TEST(EveryPointPrecision, EllipseIsThePrincipalAxesOfTheCofactors) {
  std::mt19937 random(11);
  for (Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    SCOPED_TRACE(case_name(c));
    const TrueNetwork net = make_network(9, c, random);
    const Computation r =
        compute(observations_of(observed_record(net, c, random, 0.003), orientation_for(net, c)));
    ASSERT_FALSE(r.fault);
    const double ms = *r.ms;
    for (const PointPrecision& p : r.points) {
      if (p.known) continue;
      EXPECT_GE(p.E, p.F);
      EXPECT_GE(p.phi, 0);
      EXPECT_LT(p.phi, 180);
      EXPECT_NEAR(p.E * p.E + p.F * p.F, p.md * p.md, 1e-9 * p.md * p.md);
      const double along = p.phi * kDegree;
      const double c2 = std::cos(along);
      const double s2 = std::sin(along);
      const double variance = ms * ms * (p.Qxx * c2 * c2 + 2 * p.Qxy * s2 * c2 + p.Qyy * s2 * s2);
      EXPECT_NEAR(variance, p.E * p.E, 1e-9 * p.E * p.E);
    }
  }
}

// The evaluated point is one of the points: its figures, in double, show as its fields.
TEST(EveryPointPrecision, EvaluatedPointShowsAsItsFields) {
  std::mt19937 random(5);
  for (Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (int N = 3; N <= 40; ++N) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const TrueNetwork net = make_network(N, c, random);
      const Computation r =
          compute(observations_of(observed_record(net, c, random, 0.01), orientation_for(net, c)));
      ASSERT_FALSE(r.fault);
      const PointPrecision& p = r.points[r.e];
      EXPECT_EQ(rounded_text(p.mx, 2), rounded_text(*r.mx, 2));
      EXPECT_EQ(rounded_text(p.my, 2), rounded_text(*r.my, 2));
      EXPECT_EQ(rounded_text(p.md, 2), rounded_text(*r.md, 2));
    }
  }
}

// A bracket table of made-up sums: [aa], [a fx], [a fy], [fx fx], [fy fy], [fx fy].
BracketTable sums(double aa, double afx, double afy, double fxfx, double fyfy, double fxfy) {
  BracketTable Q{};
  Q[1][1] = aa;
  Q[1][2] = Q[2][1] = afx;
  Q[1][3] = Q[3][1] = afy;
  Q[2][2] = fxfx;
  Q[3][3] = fyfy;
  Q[2][3] = Q[3][2] = fxfy;
  return Q;
}

// From the sums alone: the axis azimuth in its quadrant, and a cofactor below zero.
TEST(PointPrecisionFromSums, AxisAzimuthAndNegativeCofactors) {
  // No condition share ([a f] = 0): Q is [ff] itself.
  const auto precision = [](double fxfx, double fyfy, double fxfy) {
    return point_precision(sums(1, 0, 0, fxfx, fyfy, fxfy), 2, 4);
  };
  EXPECT_EQ(precision(4, 1, 0).phi, 0);  // E along x, north
  // Degrees of pi = 3.1415926535, as every angle of the program: 90 is 90 + 3e-9.
  EXPECT_NEAR(precision(1, 4, 0).phi, 90, 1e-8);          // E along y, east
  EXPECT_NEAR(precision(2, 2, 1).phi, 45, 1e-8);          // north-east
  EXPECT_NEAR(precision(2, 2, -1).phi, 135, 1e-8);        // south-east, never -45
  EXPECT_FALSE(std::signbit(precision(1, 1, -0.0).phi));  // a circle: 0, not -0
  const PointPrecision p = precision(4, 1, 0);
  EXPECT_EQ(p.E, 4);
  EXPECT_EQ(p.F, 2);
  EXPECT_EQ(p.mx, 4);
  EXPECT_EQ(p.my, 2);

  // [a fx]^2 / [aa] a rounding above [fx fx]: 0. Beyond rounding: the fault names the point.
  const BracketTable rounding = sums(1, 1, 0, 1 - 1e-15, 1, 0);
  EXPECT_EQ(point_precision(rounding, 2, 4).Qxx, 0);
  const BracketTable beyond = sums(1, 1, 0, 0.999, 1, 0);
  try {
    point_precision(beyond, 2, 4);
    FAIL() << "a negative cofactor went through";
  } catch (const Fault& fault) {
    EXPECT_EQ(fault.kind, FaultKind::NegativeWeight);
    EXPECT_EQ(fault.quantity, Quantity::PointPrecision);
    EXPECT_EQ(fault.index, 4);
  }
}

}  // namespace
}  // namespace cp
