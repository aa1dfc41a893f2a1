#include "calculate.h"

#include <ctime>

#include "asking.h"
#include "compute_results.h"
#include "fault_message.h"
#include "known_data.h"
#include "names_and_sides.h"
#include "point_output.h"

namespace cp {

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
    return RunEnd::Complete;
  } catch (const RunEnded&) {
    return RunEnd::Ended;
  } catch (const Fault& fault) {
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
