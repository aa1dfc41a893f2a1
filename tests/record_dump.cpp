#include "record_dump.h"

#include <tuple>
#include <utility>

#include "neighbour_precision.h"
#include "number_text.h"

namespace cp {
namespace {

template <typename Real>
void scalar(std::string& out, const char* name, Real value) {
  out += std::string(name) + " " + shortest_text(value) + "\n";
}

void list(std::string& out, const char* name, const std::vector<double>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    out += std::string(name) + "(" + std::to_string(i) + ") " + shortest_text(values[i]) + "\n";
  }
}

}  // namespace

std::string record_dump(const SessionRecord& r) {
  std::string out;
  scalar(out, "Xa", r.Xa);
  scalar(out, "Ya", r.Ya);
  scalar(out, "Xb", r.Xb);
  scalar(out, "Yb", r.Yb);
  scalar(out, "w", r.w);
  scalar(out, "K", r.K);
  scalar(out, "Ta", r.Ta);
  scalar(out, "Qa", r.Qa);
  scalar(out, "Px", r.Px);
  scalar(out, "Py", r.Py);
  scalar(out, "ms", r.ms);
  scalar(out, "mx", r.mx);
  scalar(out, "my", r.my);
  scalar(out, "md", r.md);
  scalar(out, "N", r.N);
  scalar(out, "L", r.L);
  for (std::size_t i = 0; i < r.names.size(); ++i) {
    out += "name(" + std::to_string(i) + ") " + r.names[i] + "\n";
  }
  list(out, "observed", r.observed);
  list(out, "S", r.S);
  list(out, "X", r.X);
  list(out, "Y", r.Y);
  return out;
}

std::string every_point_dump(const SessionRecord& r) {
  std::string out;
  if (!r.complete) return out;
  for (std::size_t k = 0; k < r.points.size(); ++k) {
    const PointPrecision& p = r.points[k];
    out += std::to_string(k);
    for (const double figure : {p.mx, p.my, p.md, p.E, p.F, p.phi})
      out += ' ' + shortest_text(figure);
    out += ' ' + r.names[k] + '\n';
  }
  return out;
}

std::string grade_check_dump(const SessionRecord& r) {
  if (!r.complete || !r.grade) return {};
  const GradeCheck& g = *r.grade;
  std::string out = "edm " + shortest_text(g.edm.a) + ' ' + shortest_text(g.edm.b) + '\n';
  out += "closure " + shortest_text(g.w) + ' ' + shortest_text(g.m_w) + ' ' +
         shortest_text(g.limit) + (g.pass ? " pass\n" : " fail\n");
  for (const SideGrade& side : g.sides) {
    out += "side " + std::to_string(side.k) + ' ' + shortest_text(side.S_hat) + ' ' +
           shortest_text(side.m) + ' ' + shortest_text(side.T) + '\n';
  }
  out += "weakest " + std::to_string(g.weakest) + '\n';
  int weakest_from = 0, weakest_to = 0;
  for (const PairPrecision& pair : g.pairs) {
    out += "pair " + std::to_string(pair.from) + ' ' + std::to_string(pair.to);
    for (const double figure : {pair.m, pair.E, pair.F, pair.phi})
      out += ' ' + shortest_text(figure);
    out += '\n';
    if (pair.k == g.weakest_pair)
      std::tie(weakest_from, weakest_to) = std::pair(pair.from, pair.to);
  }
  out += "weakest-pair " + std::to_string(weakest_from) + ' ' + std::to_string(weakest_to) + '\n';
  out += "weakest-point " + std::to_string(weakest_point(r.points)) + '\n';
  if (const auto& v = g.verdict) {
    const auto whole = [](double d) { return std::to_string(static_cast<long long>(d)); };
    out += "grade " + v->grade.name + ' ' + whole(v->grade.side_denominator) + ' ' +
           whole(v->grade.weakest_denominator) + (v->conforms() ? " pass" : " fail");
    if (!v->edm_sides.empty()) {
      out += " edm-sides";
      for (const int k : v->edm_sides) out += ' ' + std::to_string(k);
    }
    if (v->weakest_side_fails) out += " weakest-side";
    if (v->closure_fails) out += " closure";
    out += '\n';
  }
  return out;
}

}  // namespace cp
