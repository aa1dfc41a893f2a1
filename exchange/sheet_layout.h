#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "session.h"

// What the polygon sheet's rows are, for its writer and its reader alike.
namespace cp::sheet_layout {

// The configuration the known data give, where they give one.
std::optional<Configuration> configuration_of(std::optional<double> Xb, std::optional<double> Yb,
                                              std::optional<double> m);

// The label of side k's row: S(k).
std::string side_label(int k);

// The role of point k of the sheet: the start point A (and A again at the end of an
// outside-azimuth ring), the closing point B, the centre, or a new point.
std::string_view role_of(Configuration m, int n, int k);

}  // namespace cp::sheet_layout
