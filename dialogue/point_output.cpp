#include "point_output.h"

#include "fields.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
namespace {

constexpr int kCoordinateDecimals = 3;

}  // namespace

void show_points(Asking& asking, SessionRecord& record) {
  record.L = (record.Xb != 0 && record.Yb != 0) ? record.N : record.N + 1;
  const auto last = static_cast<int>(record.L);
  for (int k = 0; k <= last; ++k) {
    asking.text(text::kAskNextPoint);
    asking.write(field::Text21, std::string(text::kNowShowing));
    asking.write(field::Text9, "  " + record.names[k]);
    asking.write(field::Text10, " " + rounded_text(record.X[k], kCoordinateDecimals));
    asking.write(field::Text11, " " + rounded_text(record.Y[k], kCoordinateDecimals));
  }
}

}  // namespace cp
