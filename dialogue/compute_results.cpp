#include "compute_results.h"

#include "computation.h"
#include "display_decimals.h"
#include "fields.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
namespace {

std::string millimetres(float value) {
  return rounded_text(value, decimals::kError) + std::string(text::kMillimetres);
}

}  // namespace

void compute_results(FieldText& fields, SessionRecord& record, const Orientation& orientation) {
  const Computation c = compute(observations_of(record, orientation));
  record.observed = c.observed;
  record.S = c.S;
  if (!c.traverse.X.empty()) {
    record.X = c.traverse.X;
    record.Y = c.traverse.Y;
  }
  record.e = c.e;
  record.m = orientation.m;
  record.points = c.points;
  record.grade = c.grade;
  if (c.w) {
    record.w = *c.w;
    fields.set(Field::Closure,
               rounded_text(*c.w, decimals::kClosure) + std::string(text::kSeconds));
  }
  if (c.K) record.K = *c.K;
  const struct {
    const std::optional<float>& figure;
    float& stored;
    Field field;
    bool in_millimetres;
  } figures[] = {
      {c.ms, record.ms, Field::UnitWeightError, true},
      {c.Px, record.Px, Field::WeightReciprocalX, false},
      {c.Py, record.Py, Field::WeightReciprocalY, false},
      {c.mx, record.mx, Field::ErrorX, true},
      {c.my, record.my, Field::ErrorY, true},
      {c.md, record.md, Field::PointError, true},
  };
  for (const auto& [figure, stored, field, in_millimetres] : figures) {
    if (!figure) break;
    stored = *figure;
    fields.set(field,
               in_millimetres ? millimetres(*figure) : rounded_text(*figure, decimals::kWeight));
  }
  if (c.fault) throw *c.fault;
}

}  // namespace cp
