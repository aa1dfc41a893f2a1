#include "calculate.h"

#include "asking.h"
#include "compute_results.h"
#include "fault_message.h"
#include "known_data.h"
#include "names_and_sides.h"
#include "point_output.h"

namespace cp {

void calculate(UserPorts ports, SessionRecord& record) {
  Asking asking(ports);
  record.complete = false;
  try {
    const Orientation orientation = ask_known_data(asking, record);
    ask_point_names(asking, record, orientation.m);
    ask_observed_sides(asking, record, orientation.m);
    compute_results(ports.fields, record, orientation);
    show_points(asking, record);
    record.complete = true;
  } catch (const RunEnded&) {
  } catch (const Fault& fault) {
    asking.tell(fault_message(fault));
  }
}

}  // namespace cp
