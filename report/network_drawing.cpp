#include "network_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "fill.h"
#include "number_text.h"
#include "report_texts.h"

namespace cp {
namespace {

constexpr double kMillimetresPerMetre = 1000;
// Room inside the box for names, the north arrow and the scale bar.
constexpr double kBorder = 14;
// A network smaller than this is drawn as if it were this size, so that a network of
// points all within a millimetre still prints at a stated scale.
constexpr double kSmallestExtentMetres = 0.001;
// The largest ellipse is drawn about this share of the network's size.
constexpr double kEllipseShare = 0.1;
// The scale bar stands for about this share of the network's size.
constexpr double kBarShare = 0.25;
// Names are set this large (the face's em), so that they read at least 2.5 mm high.
constexpr double kLabelHeight = 2.8;
constexpr double kLabelOffset = 1.8;
constexpr double kArrowLength = 14;
constexpr double kArrowHead = 2.5;

constexpr double kSteps[] = {1, 2, 5};

// Paper position of ground coordinates: x (north) up, y (east) to the right.
struct Placement {
  double scale;  // paper millimetres per ground metre
  double north;  // ground X at the paper's y = 0
  double west;   // ground Y at the paper's x = 0
  PaperPoint operator()(double X, double Y) const {
    return {(Y - west) * scale, (north - X) * scale};
  }
};

// A record whose precision list does not reach point k draws it without an ellipse.
PointPrecision precision_of(const SessionRecord& r, int k) {
  const auto i = static_cast<std::size_t>(k);
  return i < r.points.size() ? r.points[i] : PointPrecision{};
}

}  // namespace

NetworkPoints network_points(Configuration m, int n) {
  NetworkPoints points;
  for (int j = 0; j < n; ++j) points.ring.push_back(j);
  points.centre = n;
  if (m == Configuration::BOnRing) {  // the centre is listed before B = P(N-1)
    points.ring.back() = n;
    points.centre = n - 1;
  }
  return points;
}

double round_at_least(double x) {
  double power = std::pow(10.0, std::floor(std::log10(x)));
  for (;;) {
    for (const double step : kSteps)
      if (step * power >= x) return step * power;
    power = power * 10;
  }
}

double round_at_most(double x) {
  double power = std::pow(10.0, std::ceil(std::log10(x)));
  for (;;) {
    for (auto step = std::rbegin(kSteps); step != std::rend(kSteps); ++step)
      if (*step * power <= x) return *step * power;
    power = power / 10;
  }
}

NetworkDrawing network_drawing(const SessionRecord& r, double width, double height) {
  const NetworkPoints points = network_points(r.m, triangle_count(r));
  std::vector<int> all = points.ring;
  all.push_back(points.centre);

  const auto [low_x, high_x] =
      std::minmax_element(all.begin(), all.end(), [&](int a, int b) { return r.X[a] < r.X[b]; });
  const auto [low_y, high_y] =
      std::minmax_element(all.begin(), all.end(), [&](int a, int b) { return r.Y[a] < r.Y[b]; });
  const double north = r.X[*high_x];
  const double south = r.X[*low_x];
  const double east = r.Y[*high_y];
  const double west = r.Y[*low_y];
  const double extent = std::max({north - south, east - west, kSmallestExtentMetres});

  NetworkDrawing out;
  const double room = std::min(width, height) - 2 * kBorder;
  out.scale_denominator = round_at_least(extent * kMillimetresPerMetre / room);
  const double scale = kMillimetresPerMetre / out.scale_denominator;
  // Centred in the box.
  const Placement at{scale, (north + south) / 2 + height / 2 / scale,
                     (east + west) / 2 - width / 2 / scale};

  double largest = 0;
  for (const int k : all) largest = std::max(largest, precision_of(r, k).E);
  // Ellipses too small for any finite magnification are not drawn, as zero ones are not.
  const double wanted = extent * kEllipseShare * kMillimetresPerMetre / largest;
  const bool ellipses = largest > 0 && std::isfinite(wanted);
  if (ellipses) out.ellipse_factor = round_at_most(wanted);

  Drawing& d = out.drawing;
  d.width = width;
  d.height = height;
  d.label_height = kLabelHeight;
  const auto ring_size = points.ring.size();
  for (std::size_t j = 0; j < ring_size; ++j) {
    const int k = points.ring[j];
    const int next = points.ring[(j + 1) % ring_size];
    d.lines.push_back({at(r.X[k], r.Y[k]), at(r.X[next], r.Y[next]), Stroke::Perimeter});
    d.lines.push_back(
        {at(r.X[points.centre], r.Y[points.centre]), at(r.X[k], r.Y[k]), Stroke::Radial});
  }
  const bool b_known = r.m != Configuration::OutsideAzimuth;
  const int b = b_known ? static_cast<int>(r.L) : -1;
  for (const int k : all) {
    const PaperPoint p = at(r.X[k], r.Y[k]);
    const PointPrecision q = precision_of(r, k);
    // E along azimuth phi from north toward east points up and to the right on paper.
    if (ellipses && q.E > 0) {
      const double magnified = out.ellipse_factor / kMillimetresPerMetre * scale;
      d.ellipses.push_back({p, q.E * magnified, q.F * magnified, q.phi - 90});
    }
    const bool known = k == 0 || k == b;
    if (known) d.marks.push_back({p, MarkKind::KnownPoint});
    if (k == points.centre) d.marks.push_back({p, MarkKind::Centre});
    if (!known && k != points.centre) d.marks.push_back({p, MarkKind::NewPoint});
    std::string name = r.names[k];
    if (k == 0) name += std::string(report_text::kRoleA);
    if (k == b) name += std::string(report_text::kRoleB);
    if (k == points.centre) name += std::string(report_text::kRoleCentre);
    d.labels.push_back({{p.x + kLabelOffset, p.y - kLabelOffset}, std::move(name)});
  }

  // North arrow in the top right corner, along +x.
  const PaperPoint tip{width - kBorder / 2, kBorder / 2 + 4};
  const PaperPoint tail{tip.x, tip.y + kArrowLength};
  d.lines.push_back({tail, tip, Stroke::Arrow});
  d.lines.push_back({tip, {tip.x - kArrowHead / 2, tip.y + kArrowHead}, Stroke::Arrow});
  d.lines.push_back({tip, {tip.x + kArrowHead / 2, tip.y + kArrowHead}, Stroke::Arrow});
  d.labels.push_back({{tip.x - 1.8, tip.y - 1.2}, std::string(report_text::kNorth)});

  // Scale bar in the bottom left corner, with a tick at each end.
  out.bar_metres = round_at_most(extent * kBarShare);
  const double bar = out.bar_metres * scale;
  const PaperPoint start{kBorder / 2, height - kBorder / 2};
  const PaperPoint end{start.x + bar, start.y};
  d.lines.push_back({start, end, Stroke::Arrow});
  d.lines.push_back({start, {start.x, start.y - 1.5}, Stroke::Arrow});
  d.lines.push_back({end, {end.x, end.y - 1.5}, Stroke::Arrow});
  d.labels.push_back(
      {{start.x, start.y - 2.5},
       text::fill_in(report_text::kBarLength, "{length}", shortest_fixed_text(out.bar_metres))});
  return out;
}

}  // namespace cp
