#include "calculate.h"

#include <ctime>

#include "asking.h"
#include "compute_results.h"
#include "display_decimals.h"
#include "fault_message.h"
#include "fill.h"
#include "known_data.h"
#include "names_and_sides.h"
#include "number_text.h"
#include "point_output.h"
#include "texts.h"

namespace cp {
namespace {

// A closure beyond its limit, in one line: the closure, the limit and the precision of
// the EDM it was derived from.
std::string closure_beyond_limit(const GradeCheck& grade) {
  const auto seconds = [](double value) { return rounded_text(value, decimals::kClosure); };
  return text::fill_in(text::kClosureBeyondLimit, {{"{w}", seconds(grade.w)},
                                                   {"{limit}", seconds(grade.limit)},
                                                   {"{a}", shortest_text(grade.edm.a)},
                                                   {"{b}", shortest_text(grade.edm.b)}});
}

// A grade not met, in one line: each check that failed, with its figures.
std::string grade_not_met(const GradeCheck& grade, const GradeVerdict& verdict) {
  std::string failed;
  const auto add = [&](std::string part) {
    if (!failed.empty()) failed += text::kGradeNotMetSeparator;
    failed += part;
  };
  const auto whole = [](double d) { return shortest_fixed_text(d); };
  if (!verdict.edm_sides.empty()) {
    // A message is one line: the first few sides, then how many there are.
    constexpr std::size_t kSidesNamed = 8;
    std::string sides;
    for (std::size_t i = 0; i < verdict.edm_sides.size() && i < kSidesNamed; ++i) {
      if (!sides.empty()) sides += text::kSideListSeparator;
      sides += text::fill_in(text::kSideName, "{k}", std::to_string(verdict.edm_sides[i]));
    }
    if (verdict.edm_sides.size() > kSidesNamed)
      sides +=
          text::fill_in(text::kSidesInAll, "{count}", std::to_string(verdict.edm_sides.size()));
    add(text::fill_in(text::kGradeNotMetEdm,
                      {{"{side}", whole(verdict.grade.side_denominator)}, {"{sides}", sides}}));
  }
  if (const SideGrade* side = weakest_side(grade); side && verdict.weakest_side_fails) {
    add(text::fill_in(text::kGradeNotMetWeakest,
                      {{"{k}", std::to_string(side->k)},
                       {"{T}", relative_error_denominator(side->T)},
                       {"{weakest}", whole(verdict.grade.weakest_denominator)}}));
  }
  if (verdict.closure_fails) {
    const auto seconds = [](double value) { return rounded_text(value, decimals::kClosure); };
    add(text::fill_in(text::kGradeNotMetClosure,
                      {{"{w}", seconds(grade.w)}, {"{limit}", seconds(grade.limit)}}));
  }
  return text::fill_in(text::kGradeNotMet, {{"{grade}", verdict.grade.name}, {"{failed}", failed}});
}

}  // namespace

RunEnd calculate(UserPorts ports, SessionRecord& record) {
  Asking asking(ports);
  record.complete = false;
  try {
    const Orientation orientation = ask_known_data(asking, record);
    ask_point_names(asking, record, orientation.m);
    ask_observed_sides(asking, record, orientation.m);
    compute_results(ports.fields, record, orientation);
    show_points(asking, record);
    record.complete = true;
    record.calculated_at = static_cast<std::int64_t>(std::time(nullptr));
    // One message for the work judged: the grade's checks that failed, or, judged by
    // the EDM's precision alone, the closure beyond its limit.
    if (record.grade && record.grade->verdict && !record.grade->verdict->conforms())
      asking.tell(grade_not_met(*record.grade, *record.grade->verdict));
    else if (record.grade && !record.grade->verdict && !record.grade->pass)
      asking.tell(closure_beyond_limit(*record.grade));
    return RunEnd::Complete;
  } catch (const RunEnded&) {
    return RunEnd::Ended;
  } catch (const Fault& fault) {
    if (const int side = fault_side(fault))
      ports.message.show_about_side(fault_message(fault), side);
    else
      asking.tell(fault_message(fault));
    return RunEnd::Fault;
  }
}

RunEnd calculate(UserPorts ports, Session& session) {
  const RunEnd end = calculate(ports, session.record);
  if (end == RunEnd::Complete) session.last_complete = session.record;
  return end;
}

}  // namespace cp
