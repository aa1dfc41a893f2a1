#include "adjustment.h"

#include <cmath>

#include "constants.h"
#include "fault.h"

namespace cp {
float closure(double sum_gamma) {
  return static_cast<float>((sum_gamma - kFullTurn) * kSecondsPerDegree);
}

Adjustment adjust_sides(std::vector<double>& S, const TriangleAngles& angles, Configuration m,
                        float w) {
  const int n = static_cast<int>(angles.gamma.size()) - 1;
  const auto& alpha = angles.alpha;
  const auto& beta = angles.beta;
  const auto& h = angles.h;
  const int known = known_side_number(m, n);

  Adjustment adjustment;
  auto& a = adjustment.a;
  a.assign(static_cast<std::size_t>(2 * n + 1), 0.0);
  for (int i = 1; i <= n; ++i) {
    // Lengthening a radial side narrows both central angles beside it: in each triangle
    // by the cosine of the base angle at its perimeter end over the triangle's height.
    if (2 * i - 1 != known) {
      a[2 * i - 1] = -kRho * (std::cos(beta[i - 1] * kDegree) / h[i - 1] +
                              std::cos(alpha[i] * kDegree) / h[i]);
    }
    // Lengthening a perimeter side widens the central angle opposite it by 1/h radians.
    if (2 * i != known) a[2 * i] = kRho / h[i];
    require_finite(a[2 * i - 1], Quantity::Coefficient, 2 * i - 1);
    require_finite(a[2 * i], Quantity::Coefficient, 2 * i);
    adjustment.aa = (adjustment.aa + a[2 * i - 1] * a[2 * i - 1]) + a[2 * i] * a[2 * i];
  }
  require_finite(adjustment.aa, Quantity::Coefficient);
  if (adjustment.aa == 0) throw Fault({.kind = FaultKind::ZeroConditionSum});

  adjustment.K = -static_cast<double>(w) / adjustment.aa;
  require_finite(adjustment.K, Quantity::Correlate);
  adjustment.v.assign(static_cast<std::size_t>(2 * n + 1), 0.0);
  for (int j = 1; j <= 2 * n; ++j) {
    const double v = adjustment.K * a[j];
    const double corrected = S[j] + v;
    require_finite(corrected, Quantity::Correction, j);
    if (corrected <= 0) {
      throw Fault({.kind = FaultKind::SideNotPositive,
                   .quantity = Quantity::Correction,
                   .index = j,
                   .solution = Solution::Adjusted,
                   .value = corrected});
    }
    adjustment.v[j] = v;
    S[j] = corrected;
    adjustment.vv = adjustment.vv + v * v;
  }
  require_finite(adjustment.vv, Quantity::Correction);
  close_side_list(S, n);
  return adjustment;
}

}  // namespace cp
