#include "point_output.h"

#include "display_decimals.h"
#include "fields.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
void show_points(Asking& asking, SessionRecord& record) {
  const int last = last_point(record.m, triangle_count(record));
  record.L = static_cast<float>(last);
  for (int k = 0; k <= last; ++k) {
    asking.text(text::kAskNextPoint, {.kind = PromptRole::Kind::NextPoint, .point = k});
    asking.write(Field::PointHint, std::string(text::kNowShowing));
    asking.write(Field::PointName, "  " + record.names[k]);
    asking.write(Field::PointX, " " + rounded_text(record.X[k], decimals::kCoordinate));
    asking.write(Field::PointY, " " + rounded_text(record.Y[k], decimals::kCoordinate));
  }
}

}  // namespace cp
