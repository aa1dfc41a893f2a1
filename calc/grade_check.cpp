#include "grade_check.h"

#include <cmath>
#include <string>

#include "constants.h"
#include "fault.h"
#include "number_input.h"
#include "number_text.h"

namespace cp {
namespace {

// The limit error is twice the mean error, as the survey standards take it.
constexpr double kLimitFactor = 2;

// Ends the grade check where a figure would not be finite, naming the precision it was
// judged by: the fault lies with it, not with an answer.
void require_finite_grade(double value, const EdmPrecision& edm, int k = 0) {
  if (!std::isfinite(value)) {
    throw Fault({.kind = FaultKind::NotFinite,
                 .quantity = Quantity::GradeCheck,
                 .index = k,
                 .edm = {edm.a, edm.b}});
  }
}

}  // namespace

double edm_mean_error(const EdmPrecision& edm, double length) {
  return edm.a + edm.b * length / kMillimetresPerMetre;
}

std::vector<double> side_mean_errors(const std::vector<double>& observed, int sides, int known_side,
                                     const EdmPrecision& edm) {
  std::vector<double> sigma(static_cast<std::size_t>(sides) + 1, 0.0);
  for (int k = 1; k <= sides; ++k) {
    if (k == known_side) continue;
    const auto s = static_cast<std::size_t>(k);
    sigma[s] = edm_mean_error(edm, observed[s]) / kMillimetresPerMetre;
  }
  return sigma;
}

std::optional<EdmPrecision> edm_precision(double a, double b) {
  const auto term = [](double value) {
    return value == 0 || (value >= kSmallestEdmTerm && value <= kLargestEdmTerm);
  };
  if (!term(a) || !term(b) || (a == 0 && b == 0)) return std::nullopt;
  return EdmPrecision{a + 0.0, b + 0.0};  // -0 is taken as 0
}

std::optional<EdmPrecision> read_edm_precision(std::string_view text) {
  // The plus sign, in its ASCII or full-width form, parts a from b.
  std::size_t plus = text.find('+');
  std::size_t plus_width = 1;
  if (const std::size_t wide = text.find("\xEF\xBC\x8B"); wide < plus) {
    plus = wide;
    plus_width = 3;
  }
  const auto a = read_double(text.substr(0, plus));
  const std::string_view b_text =
      plus == std::string_view::npos ? std::string_view("0") : text.substr(plus + plus_width);
  // The plus parts the terms: b carries no sign of its own.
  const auto b_start = b_text.find_first_not_of(" \t");
  if (b_start != std::string_view::npos && (b_text[b_start] == '+' || b_text[b_start] == '-' ||
                                            b_text.substr(b_start).starts_with("\xEF\xBC\x8B") ||
                                            b_text.substr(b_start).starts_with("\xEF\xBC\x8D")))
    return std::nullopt;
  const auto b = read_double(b_text);
  if (!a || !b) return std::nullopt;
  return edm_precision(*a, *b);
}

std::string edm_precision_text(const EdmPrecision& edm) {
  return shortest_text(edm.a) + "+" + shortest_text(edm.b);
}

const SideGrade* weakest_side(const GradeCheck& check) {
  for (const SideGrade& side : check.sides)
    if (side.k == check.weakest) return &side;
  return nullptr;
}

GradeCheck grade_check(const std::vector<double>& a, const std::vector<double>& observed,
                       const std::vector<double>& adjusted, float w, int known_side,
                       const EdmPrecision& edm) {
  GradeCheck out{.edm = edm, .w = w};
  const auto sides = static_cast<int>(a.size()) - 1;  // 2N
  const std::vector<double> sigma = side_mean_errors(observed, sides, known_side, edm);

  // [aa] and [a²σ²] over the observed sides; the closure w = Σ a(k)·ΔS(k) has the
  // variance m_w² = Σ (a(k)·σ(k))², in seconds of arc squared.
  double aa = 0;
  double aa_sigma = 0;
  for (int k = 1; k <= sides; ++k) {
    const auto s = static_cast<std::size_t>(k);
    aa += a[s] * a[s];
    aa_sigma += a[s] * a[s] * sigma[s] * sigma[s];
  }
  out.m_w = std::sqrt(aa_sigma);
  out.limit = kLimitFactor * out.m_w;
  require_finite_grade(out.limit, edm);
  out.pass = std::fabs(out.w) <= out.limit;

  // The adjusted sides are Ŝ = S + a·K with K = -w/[aa]: Ŝ = P·S with
  // P = I - a·aᵀ/[aa], so var(Ŝ(k)) = Σ_j P(k,j)²·σ(j)²
  //   = σ(k)² - 2·a(k)²·σ(k)²/[aa] + a(k)²·[a²σ²]/[aa]².
  // It is summed as (1 - a(k)²/[aa])²·σ(k)² + a(k)²·([a²σ²] - a(k)²σ(k)²)/[aa]²,
  // the same value as two terms that cannot be negative, so that no cancellation
  // turns a small variance into a negative one.
  std::size_t weakest = 0;
  for (int k = 1; k <= sides; ++k) {
    if (k == known_side) continue;
    const auto s = static_cast<std::size_t>(k);
    const double share = a[s] * a[s] / aa;
    const double own = (1 - share) * (1 - share) * sigma[s] * sigma[s];
    const double others = share * (aa_sigma - a[s] * a[s] * sigma[s] * sigma[s]) / aa;
    SideGrade side{.k = k,
                   .S_hat = adjusted[s],
                   .v = (adjusted[s] - observed[s]) * kMillimetresPerMetre,
                   .observed = observed[s],
                   .sigma = edm_mean_error(edm, observed[s]),
                   .m = std::sqrt(own + std::fmax(others, 0.0)) * kMillimetresPerMetre};
    side.T = side.S_hat / (side.m / kMillimetresPerMetre);
    require_finite_grade(side.T, edm, k);
    if (!out.sides.empty() && side.T < out.sides[weakest].T) weakest = out.sides.size();
    out.sides.push_back(side);
  }
  if (!out.sides.empty()) out.weakest = out.sides[weakest].k;
  return out;
}

}  // namespace cp
