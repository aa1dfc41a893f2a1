#include "adjustment.h"

#include <cmath>

#include "constants.h"
#include "fault.h"

namespace cp {
float closure(double sum_gamma) {
  return static_cast<float>((sum_gamma - kFullTurn) * kSecondsPerDegree);
}

Adjustment adjust_sides(SessionRecord& record, TriangleAngles& angles, Configuration m, float w) {
  const int n = triangle_count(record);
  auto& S = record.S;
  auto& alpha = angles.alpha;
  auto& beta = angles.beta;
  auto& h = angles.h;
  beta[0] = beta[n];
  h[0] = h[n];

  Adjustment adjustment;
  auto& a = adjustment.a;
  a.assign(2 * n + 1, 0.0);
  for (int i = 1; i <= n; ++i) {
    // Lengthening a radial side narrows both central angles beside it: in each triangle
    // by the cosine of the base angle at its perimeter end over the triangle's height.
    if (!(i == 1 && m == Configuration::BAtCentre)) {
      a[2 * i - 1] = -kRho * (std::cos(beta[i - 1] * kDegree) / h[i - 1] +
                              std::cos(alpha[i] * kDegree) / h[i]);
    }
    // Lengthening a perimeter side widens the central angle opposite it by 1/h radians.
    if (!(i == n && m == Configuration::BOnRing)) a[2 * i] = kRho / h[i];
    require_finite(a[2 * i - 1], Quantity::Coefficient, 2 * i - 1);
    require_finite(a[2 * i], Quantity::Coefficient, 2 * i);
    adjustment.aa = (adjustment.aa + a[2 * i - 1] * a[2 * i - 1]) + a[2 * i] * a[2 * i];
  }
  require_finite(adjustment.aa, Quantity::Coefficient);
  if (adjustment.aa == 0) throw Fault{FaultKind::ZeroConditionSum};

  adjustment.K = -static_cast<double>(w) / adjustment.aa;
  require_finite(adjustment.K, Quantity::Correlate);
  adjustment.v.assign(2 * n + 1, 0.0);
  for (int j = 1; j <= 2 * n; ++j) {
    const double v = adjustment.K * a[j];
    adjustment.v[j] = v;
    S[j] = S[j] + v;
    adjustment.vv = adjustment.vv + v * v;
    require_finite(S[j], Quantity::Correction, j);
    if (S[j] <= 0)
      throw Fault{
          FaultKind::SideNotPositive, Quantity::Correction, j, Solution::Adjusted, {}, S[j]};
  }
  require_finite(adjustment.vv, Quantity::Correction);
  S[2 * n + 1] = S[1];
  return adjustment;
}

}  // namespace cp
