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
    if (record.grade && !record.grade->pass) asking.tell(closure_beyond_limit(*record.grade));
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
