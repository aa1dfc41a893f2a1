#include "known_data.h"

#include "constants.h"
#include "display_decimals.h"
#include "dms.h"
#include "fields.h"
#include "fill.h"
#include "known_side.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
namespace {

std::string blank_then(double value, int decimals) { return " " + pattern_text(value, decimals); }

// A known value: echoed as a blank and the value as typed, one confirmation text
// for the first answer and the repeats alike.
ConfirmedEntry known_entry(std::string name, std::string_view ask, std::string_view correct,
                           Field field, std::string_view confirm, int decimals) {
  return {.name = std::move(name),
          .first_prompt = std::string(ask),
          .correction_prompt = std::string(correct),
          .confirm_first = confirm,
          .confirm_repeat = confirm,
          .echo_field = field,
          .echo = [decimals](double v) { return blank_then(v, decimals); }};
}

ConfirmedEntry coordinate_entry(std::string name, std::string_view ask, std::string_view correct,
                                Field field) {
  return known_entry(std::move(name), ask, correct, field, text::kConfirm1, decimals::kCoordinate);
}

// Minutes and seconds of 60 or more are no angle: most likely a decimal angle typed
// where a DMS number is wanted, which would turn the whole chain.
std::optional<std::string> refuse_non_angle(double dms, const std::string& name) {
  const DmsParts parts = dms_parts(dms);
  if (is_dms_angle(parts)) return std::nullopt;
  const bool minutes = parts.minutes >= kMinutesPerDegree;
  return text::fill_in(text::kNotDms,
                       {{"{name}", name},
                        {"{value}", shortest_text(dms)},
                        {"{unit}", minutes ? text::kMinutesUnit : text::kSecondsUnit},
                        {"{part}", shortest_text(minutes ? parts.minutes : parts.seconds)}});
}

ConfirmedEntry angle_entry(std::string name, std::string_view ask, std::string_view correct,
                           Field field) {
  ConfirmedEntry entry = known_entry(name, ask, correct, field, text::kConfirm2, decimals::kAngle);
  entry.refuse = [name](double dms) { return refuse_non_angle(dms, name); };
  return entry;
}

std::optional<std::string> refuse_triangle_count(double N) {
  if (whole_triangle_count(N)) return std::nullopt;
  return std::string(text::kBadN);
}

std::optional<std::string> refuse_m(double m) {
  if (m == 1 || m == 2) return std::nullopt;
  return std::string(text::kBadM);
}

float ask_triangle_count(Asking& asking, SessionRecord& record) {
  const float N = asking.triangle_count(text::kAskN, text::kNameN, refuse_triangle_count);
  record.N = N;
  asking.write(Field::TriangleCount, std::string(text::kTrianglesBefore) + shortest_text(N) +
                                         std::string(text::kTrianglesAfter));
  size_session_record(record, N);
  return N;
}

// Xb and Yb both zero, or both non-zero and B apart from A; asked again otherwise.
void ask_known_points(Asking& asking, SessionRecord& record) {
  asking.confirmed(coordinate_entry("Xa", text::kAskXa, text::kCorrectXa, Field::Xa), record.Xa);
  record.typed.Xa = record.Xa;
  asking.confirmed(coordinate_entry("Ya", text::kAskYa, text::kCorrectYa, Field::Ya), record.Ya);
  record.typed.Ya = record.Ya;
  for (;;) {
    asking.confirmed(coordinate_entry("Xb", text::kAskXb, text::kCorrectXb, Field::Xb), record.Xb);
    record.typed.Xb = record.Xb;
    asking.confirmed(coordinate_entry("Yb", text::kAskYb, text::kCorrectYb, Field::Yb), record.Yb);
    record.typed.Yb = record.Yb;
    if ((record.Xb == 0) != (record.Yb == 0)) {
      asking.tell(std::string(text::kIncompleteB));
    } else if (has_point_b(record) && record.Xb == record.Xa && record.Yb == record.Ya) {
      asking.tell(std::string(text::kBEqualsA));
    } else {
      return;
    }
  }
}

std::string not_on_last_side(const SessionRecord& record) {
  return fill(text::kNotOnLastSide, 2 * triangle_count(record));
}

Orientation orient_by_known_side(Asking& asking, SessionRecord& record) {
  Orientation orientation;
  asking.write(Field::Orientation, std::string(text::kByKnownSide));
  const double m = asking.number(text::kAskM, "m", refuse_m);
  record.typed.m = m;
  orientation.m = m == 1 ? Configuration::BOnRing : Configuration::BAtCentre;

  const KnownSide ab = known_side(record.Xb - record.Xa, record.Yb - record.Ya);
  orientation.T0 = ab.azimuth;
  asking.write(Field::StartAzimuth, rounded_text(ab.azimuth, decimals::kAngle));
  record.S[known_side_number(orientation.m, triangle_count(record))] = ab.length;
  asking.write(Field::Q1, std::string(text::kNotOnS2));
  asking.write(Field::Q2, std::string(text::kNotOnS1));
  asking.write(Field::Q3, not_on_last_side(record));
  return orientation;
}

Orientation orient_by_outside_azimuth(Asking& asking, SessionRecord& record) {
  Orientation orientation;
  orientation.m = Configuration::OutsideAzimuth;

  ConfirmedEntry t0 = angle_entry("T0", text::kAskT0, text::kCorrectT0, Field::StartAzimuth);
  t0.after_first_answer = {{Field::Orientation, std::string(text::kByOutsideAzimuth)}};
  double typed = 0;
  asking.confirmed(t0, typed);
  record.Ta = typed;
  record.typed.T0 = typed;
  orientation.T0 = dms_to_degrees(typed);

  asking.confirmed(angle_entry("Q1", text::kAskQ1, text::kCorrectQ1, Field::Q1), typed);
  record.typed.Q1 = typed;
  orientation.Q1 = dms_to_degrees(typed);
  if (orientation.Q1 != 0) {
    orientation.angle = OrientationAngle::Q1;
    record.Qa = orientation.Q1;
    asking.write(Field::Q2, std::string(text::kNotOnS1));
    asking.write(Field::Q3, not_on_last_side(record));
    return orientation;
  }
  asking.write(Field::Q1, std::string(text::kNotOnS2));

  asking.confirmed(angle_entry("Q2", text::kAskQ2, text::kCorrectQ2, Field::Q2), typed);
  record.typed.Q2 = typed;
  orientation.Q2 = dms_to_degrees(typed);
  if (orientation.Q2 != 0) {
    orientation.angle = OrientationAngle::Q2;
    record.Qa = orientation.Q2;
    asking.write(Field::Q2, blank_then(orientation.Q2, decimals::kAngle));
    asking.write(Field::Q3, not_on_last_side(record));
    return orientation;
  }
  asking.write(Field::Q2, std::string(text::kNotOnS1));

  // Q3 is asked only once Q1 and Q2 both said "not this side", and its prompt offers no
  // zero escape: whatever is typed, 0 included, is the orientation angle.
  asking.confirmed(angle_entry("Q3", text::kAskQ3, text::kCorrectQ3, Field::Q3), typed);
  orientation.angle = OrientationAngle::Q3;
  record.Qa = typed;
  record.typed.Q3 = typed;
  orientation.Q3 = dms_to_degrees(typed);
  return orientation;
}

}  // namespace

Orientation ask_known_data(Asking& asking, SessionRecord& record) {
  ask_triangle_count(asking, record);
  ask_known_points(asking, record);
  if (has_point_b(record)) return orient_by_known_side(asking, record);
  return orient_by_outside_azimuth(asking, record);
}

}  // namespace cp
