#include "record_dump.h"

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
  return out;
}

}  // namespace cp
