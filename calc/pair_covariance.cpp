#include <algorithm>
#include <map>

#include "fault.h"
#include "precision.h"

// The covariance of two points' coordinate differences, for every pair joined by an
// observed side, from one pass along the chain.
//
// A point's row is fx(s) = P(s) - y R(s), fy(s) = Q(s) + x R(s) over the sides s (see
// every_bracket_table), with (x, y) taken from the network's centroid. With side
// variances w and the condition row a, a row u of the difference of two points has,
// after the adjustment Ŝ = (I - a·aᵀ/[aa])·S, the covariance
//   u·C·v = [w u v] - [w a u][a v]/[aa] - [a u][w a v]/[aa] + [a u][a v][w a a]/[aa]²,
// so each pair needs only the sums [w u u], [a u] and [w a u].
//
// Neighbours on the chain, i and j = i + 1, differ by the one leg j: its side lengthens
// the difference along the leg, and every turn before it swings the leg, so
//   gx = fx(i) - fx(j) = (y(j) - y(i)) R(j) - cos Az(j) e(side),
//   gy = fy(i) - fy(j) = -(x(j) - x(i)) R(j) - sin Az(j) e(side),
// whose sums follow from running totals of R and the one side's entries, with no
// difference of large sums. A pair further apart, always the centre and a ring point,
// is u = f(i) - f(c): its sums come from each point's own and the running sums against
// the centre's row, found once.
namespace cp {
namespace {

using Real = long double;

// A point's own sums, or those of a pair's difference.
struct RowSums {
  Real xx = 0, yy = 0, xy = 0;  // [w fx fx], [w fy fy], [w fx fy]
  Real ax = 0, ay = 0;          // [a fx], [a fy]
  Real wax = 0, way = 0;        // [w a fx], [w a fy]
};

RowSums difference(const RowSums& i, const RowSums& j, Real cross_xx, Real cross_yy, Real cross_xy,
                   Real cross_yx) {
  // cross_xy is [w fx(i) fy(j)], cross_yx is [w fy(i) fx(j)].
  return {i.xx - 2 * cross_xx + j.xx,
          i.yy - 2 * cross_yy + j.yy,
          i.xy - cross_xy - cross_yx + j.xy,
          i.ax - j.ax,
          i.ay - j.ay,
          i.wax - j.wax,
          i.way - j.way};
}

// The running sums of the pass: the sides' P, Q, R and their weighted products.
struct Totals {
  Real PP = 0, QQ = 0, RR = 0, PQ = 0, PR = 0, QR = 0;  // weighted by w
  Real aP = 0, aQ = 0, aR = 0;
  Real waP = 0, waQ = 0, waR = 0;
  // Against the centre's row: [w fx(c) P], [w fx(c) Q], [w fx(c) R], then fy(c).
  Real cxP = 0, cxQ = 0, cxR = 0, cyP = 0, cyQ = 0, cyR = 0;

  RowSums own(Real x, Real y) const {
    return {PP - 2 * y * PR + y * y * RR,
            QQ + 2 * x * QR + x * x * RR,
            PQ + x * PR - y * QR - x * y * RR,
            aP - y * aR,
            aQ + x * aR,
            waP - y * waR,
            waQ + x * waR};
  }
};

}  // namespace

std::vector<CoordinateRows::PairCovariance> CoordinateRows::pair_covariances(
    const std::vector<double>& a, const std::vector<double>& variance,
    const std::vector<std::pair<int, int>>& pairs, int last) const {
  const int n = n_;
  const int known = known_side_number(m_, n);
  const auto unknown = [&](int point) { return point > 0 && point < last; };

  // The one point that is paired with points not next to it on the chain: the centre.
  int anchor = 0;
  for (auto [i, j] : pairs) {
    if (i > j) std::swap(i, j);
    if (unknown(i) && unknown(j) && j != i + 1) anchor = j;
  }
  const CoordinateCoefficients centre =
      anchor ? of(anchor)
             : CoordinateCoefficients{std::vector<double>(a.size(), 0.0),
                                      std::vector<double>(a.size(), 0.0)};

  const double X0 = centroid(X_, last);
  const double Y0 = centroid(Y_, last);
  const auto x_of = [&](int k) { return X_[static_cast<std::size_t>(k)] - X0; };
  const auto y_of = [&](int k) { return Y_[static_cast<std::size_t>(k)] - Y0; };

  std::vector<double> P(a.size(), 0.0), Q(a.size(), 0.0), R(a.size(), 0.0);
  Totals t;
  const auto add_to_side = [&](int s, double p, double q, double r) {
    if (s == 2 * n + 1) s = 1;  // S(2N+1) is S(1)
    if (s == known) return;     // the known side A-B is error-free
    const auto i = static_cast<std::size_t>(s);
    const Real w = variance[i];
    const Real p0 = P[i], q0 = Q[i], r0 = R[i];
    P[i] = P[i] + p;
    Q[i] = Q[i] + q;
    R[i] = R[i] + r;
    const Real p1 = P[i], q1 = Q[i], r1 = R[i];
    t.PP = t.PP + w * (p1 * p1 - p0 * p0);
    t.QQ = t.QQ + w * (q1 * q1 - q0 * q0);
    t.RR = t.RR + w * (r1 * r1 - r0 * r0);
    t.PQ = t.PQ + w * (p1 * q1 - p0 * q0);
    t.PR = t.PR + w * (p1 * r1 - p0 * r0);
    t.QR = t.QR + w * (q1 * r1 - q0 * r0);
    t.aP = t.aP + a[i] * static_cast<Real>(p);
    t.aQ = t.aQ + a[i] * static_cast<Real>(q);
    t.aR = t.aR + a[i] * static_cast<Real>(r);
    t.waP = t.waP + w * a[i] * p;
    t.waQ = t.waQ + w * a[i] * q;
    t.waR = t.waR + w * a[i] * r;
    const Real cx = w * centre.fx[i], cy = w * centre.fy[i];
    t.cxP = t.cxP + cx * p;
    t.cxQ = t.cxQ + cx * q;
    t.cxR = t.cxR + cx * r;
    t.cyP = t.cyP + cy * p;
    t.cyQ = t.cyQ + cy * q;
    t.cyR = t.cyR + cy * r;
  };

  // Which pairs are taken up at which point of the chain: a pair of neighbours at its
  // later point, a pair with the centre at its ring point.
  std::multimap<int, std::size_t> neighbours_at, with_centre_at;
  for (std::size_t p = 0; p < pairs.size(); ++p) {
    auto [i, j] = pairs[p];
    if (i > j) std::swap(i, j);
    if (!unknown(i) || !unknown(j)) continue;
    if (j == i + 1)
      neighbours_at.emplace(j, p);
    else
      with_centre_at.emplace(i, p);
  }

  std::vector<RowSums> own(static_cast<std::size_t>(last) + 1);
  std::vector<RowSums> sums(pairs.size());
  // [w fx(i) fx(c)], [w fy(i) fy(c)], [w fx(i) fy(c)], [w fy(i) fx(c)].
  struct Cross {
    Real xx, yy, xy, yx;
  };
  std::vector<Cross> cross(pairs.size());
  for (int e = 1; e < last; ++e) {
    const LegRates& leg = legs_[static_cast<std::size_t>(e - 1)];
    add_to_side(leg.side, leg.cos_azimuth, leg.sin_azimuth, 0);
    for (const TurnRates& turn : leg.turns) {
      for (int j = 0; j < 3; ++j) {
        const double r = turn.rate[j];
        add_to_side(turn.first_side + j, y_of(e - 1) * r, -x_of(e - 1) * r, r);
      }
    }
    const Real x = x_of(e);
    const Real y = y_of(e);
    own[static_cast<std::size_t>(e)] = t.own(x, y);

    for (auto [at, end] = neighbours_at.equal_range(e); at != end; ++at) {
      int s = leg.side == 2 * n + 1 ? 1 : leg.side;
      const auto i = static_cast<std::size_t>(s);
      const Real w = s == known ? 0 : variance[i];
      const Real as = s == known ? 0 : a[i];
      const Real Rs = R[i];
      const Real dX = x - x_of(e - 1), dY = y - y_of(e - 1);
      const Real c = -leg.cos_azimuth, d = -leg.sin_azimuth;
      sums[at->second] = {dY * dY * t.RR + 2 * dY * c * w * Rs + c * c * w,
                          dX * dX * t.RR - 2 * dX * d * w * Rs + d * d * w,
                          -dX * dY * t.RR + dY * d * w * Rs - dX * c * w * Rs + c * d * w,
                          dY * t.aR + c * as,
                          -dX * t.aR + d * as,
                          dY * t.waR + c * w * as,
                          -dX * t.waR + d * w * as};
    }
    for (auto [at, end] = with_centre_at.equal_range(e); at != end; ++at) {
      cross[at->second] = {t.cxP - y * t.cxR, t.cyQ + x * t.cyR, t.cyP - y * t.cyR,
                           t.cxQ + x * t.cxR};
    }
  }

  Real aa = 0, waa = 0;
  for (std::size_t s = 0; s < a.size(); ++s) {
    aa = aa + static_cast<Real>(a[s]) * a[s];
    if (static_cast<int>(s) != known) waa = waa + variance[s] * static_cast<Real>(a[s]) * a[s];
  }

  std::vector<PairCovariance> out(pairs.size());
  for (std::size_t p = 0; p < pairs.size(); ++p) {
    auto [i, j] = pairs[p];
    if (i > j) std::swap(i, j);
    RowSums u;
    if (unknown(i) && unknown(j)) {
      const auto ii = static_cast<std::size_t>(i), jj = static_cast<std::size_t>(j);
      if (j == i + 1) {
        u = sums[p];
      } else {
        const Cross& c = cross[p];
        u = difference(own[ii], own[jj], c.xx, c.yy, c.xy, c.yx);
      }
    } else if (unknown(i) || unknown(j)) {
      u = own[static_cast<std::size_t>(unknown(i) ? i : j)];
    }
    PairCovariance& out_p = out[p];
    out_p.xx = static_cast<double>(u.xx - 2 * u.ax * u.wax / aa + u.ax * u.ax * waa / (aa * aa));
    out_p.yy = static_cast<double>(u.yy - 2 * u.ay * u.way / aa + u.ay * u.ay * waa / (aa * aa));
    out_p.xy = static_cast<double>(u.xy - (u.wax * u.ay + u.ax * u.way) / aa +
                                   u.ax * u.ay * waa / (aa * aa));
    for (const double value : {out_p.xx, out_p.yy, out_p.xy})
      require_finite(value, Quantity::GradeCheck);
  }
  return out;
}

}  // namespace cp
