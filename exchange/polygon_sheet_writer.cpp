#include "polygon_sheet.h"

#include "sheet_grid.h"

// The polygon sheet written: the inputs of a run as far as they were entered, or a blank
// sheet for a configuration.
namespace cp {

std::string sheet_text(const SessionRecord& r) {
  return sheet_file_text(sheet_grid(sheet_values(r), EdmRows::WhereGiven));
}

std::string sheet_template(int n, Configuration m) {
  SheetValues values{{"N", std::to_string(n)}};
  if (m == Configuration::OutsideAzimuth) {
    values["Xb"] = values["Yb"] = "0";
  } else {
    values["m"] = std::to_string(static_cast<int>(m));
  }
  return sheet_file_text(sheet_grid(values, EdmRows::Always, m));
}

}  // namespace cp
