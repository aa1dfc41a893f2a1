#include "sheet_layout.h"

#include "exchange_texts.h"
#include "fill.h"
#include "number_text.h"

namespace cp::sheet_layout {

namespace t = exchange_text;

std::optional<Configuration> configuration_of(std::optional<double> Xb, std::optional<double> Yb,
                                              std::optional<double> m) {
  if (!Xb || !Yb) return std::nullopt;
  if (*Xb == 0 && *Yb == 0) return Configuration::OutsideAzimuth;
  if (*Xb == 0 || *Yb == 0 || !m) return std::nullopt;
  if (*m == 1) return Configuration::BOnRing;
  if (*m == 2) return Configuration::BAtCentre;
  return std::nullopt;
}

std::string side_label(int k) {
  return text::fill_in(t::kSideLabel, "{k}", shortest_text(static_cast<double>(k)));
}

std::string_view role_of(Configuration m, int n, int k) {
  if (k == 0 || (m == Configuration::OutsideAzimuth && k == n + 1)) return t::kRoleA;
  const NetworkPoints points = network_points(m, n);
  if (k == points.centre) return t::kRoleCentre;
  if (m == Configuration::BOnRing && k == n) return t::kRoleB;
  return t::kRoleNew;
}

}  // namespace cp::sheet_layout
