#include "network_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "constants.h"
#include "display_width.h"
#include "fill.h"
#include "label_placement.h"
#include "network_extent.h"
#include "number_text.h"
#include "report_texts.h"
#include "round_numbers.h"

namespace cp {
namespace {

// Room inside the box for names, the north arrow and the scale bar.
constexpr double kBorder = 14;
// The scale bar stands for about this share of the network's size.
constexpr double kBarShare = 0.25;
// Names are set this large (the face's em), so that they read at least 2.5 mm high.
constexpr double kLabelHeight = 2.8;
constexpr double kArrowLength = 14;
constexpr double kArrowHead = 2.5;

// Paper position of ground coordinates: x (north) up, y (east) to the right.
struct Placement {
  double scale;  // paper millimetres per ground metre
  double north;  // ground X at the paper's y = 0
  double west;   // ground Y at the paper's x = 0
  PaperPoint operator()(double X, double Y) const {
    return {(Y - west) * scale, (north - X) * scale};
  }
};

}  // namespace

PaperBox label_box(const DrawnLabel& label, double height) {
  const double width = display_width(label.text) * height / 2;
  return {label.at.x, label.at.y - kLabelAscent * height, label.at.x + width,
          label.at.y + (1 - kLabelAscent) * height};
}

bool crosses(const DrawnLine& line, const PaperBox& box) {
  // Liang-Barsky: clip the segment's parameter range by each side of the box.
  const double dx = line.to.x - line.from.x;
  const double dy = line.to.y - line.from.y;
  double low = 0;
  double high = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {line.from.x - box.left, box.right - line.from.x, line.from.y - box.top,
                      box.bottom - line.from.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      low = std::max(low, t);
    else
      high = std::min(high, t);
    if (low > high) return false;
  }
  return true;
}

namespace {

void draw_sides(Drawing& d, const SessionRecord& r, const NetworkPoints& points,
                const Placement& at) {
  const auto ring_size = points.ring.size();
  for (std::size_t j = 0; j < ring_size; ++j) {
    const int k = points.ring[j];
    const int next = points.ring[(j + 1) % ring_size];
    d.lines.push_back({at(r.X[k], r.Y[k]), at(r.X[next], r.Y[next]), Stroke::Perimeter});
    d.lines.push_back(
        {at(r.X[points.centre], r.Y[points.centre]), at(r.X[k], r.Y[k]), Stroke::Radial});
  }
}

// North arrow in the top right corner, along +x.
void draw_north_arrow(Drawing& d) {
  const PaperPoint tip{d.width - kBorder / 2, kBorder / 2 + 4};
  const PaperPoint tail{tip.x, tip.y + kArrowLength};
  d.lines.push_back({tail, tip, Stroke::Arrow});
  d.lines.push_back({tip, {tip.x - kArrowHead / 2, tip.y + kArrowHead}, Stroke::Arrow});
  d.lines.push_back({tip, {tip.x + kArrowHead / 2, tip.y + kArrowHead}, Stroke::Arrow});
  d.labels.push_back({{tip.x - 1.8, tip.y - 1.2}, std::string(report_text::kNorth)});
}

// Scale bar in the bottom left corner, with a tick at each end, `metres` long on the
// ground at `scale` paper millimetres a metre.
void draw_scale_bar(Drawing& d, double metres, double scale) {
  const double bar = metres * scale;
  const PaperPoint start{kBorder / 2, d.height - kBorder / 2};
  const PaperPoint end{start.x + bar, start.y};
  d.lines.push_back({start, end, Stroke::Arrow});
  d.lines.push_back({start, {start.x, start.y - 1.5}, Stroke::Arrow});
  d.lines.push_back({end, {end.x, end.y - 1.5}, Stroke::Arrow});
  d.labels.push_back(
      {{start.x, start.y - 2.5},
       text::fill_in(report_text::kBarLength, "{length}", shortest_fixed_text(metres))});
}

// Each point's mark, and its error ellipse magnified `magnified` paper millimetres a
// millimetre where there is a factor.
void draw_points(Drawing& d, const SessionRecord& r, const NetworkPoints& points,
                 const Placement& at, std::optional<double> magnified, int b) {
  std::vector<int> all = points.ring;
  all.push_back(points.centre);
  for (const int k : all) {
    const PaperPoint p = at(r.X[k], r.Y[k]);
    const PointPrecision q = precision_of(r, k);
    // E along azimuth phi from north toward east points up and to the right on paper.
    if (magnified && q.E > 0)
      d.ellipses.push_back({p, q.E * *magnified, q.F * *magnified, q.phi - 90});
    const bool known = k == 0 || k == b;
    if (known) d.marks.push_back({p, MarkKind::KnownPoint});
    if (k == points.centre) d.marks.push_back({p, MarkKind::Centre});
    if (!known && k != points.centre) d.marks.push_back({p, MarkKind::NewPoint});
  }
}

// The names last, once everything they must keep off is drawn: the centre's first,
// among its radial sides, then the ring's, each tried outward from the centre first.
// A name that finds no place clear of the others is left to the table.
void draw_names(Drawing& d, const SessionRecord& r, const NetworkPoints& points,
                const Placement& at, int b) {
  LabelPlacer placer(d);
  const PaperPoint centre = at(r.X[points.centre], r.Y[points.centre]);
  std::vector<int> order{points.centre};
  order.insert(order.end(), points.ring.begin(), points.ring.end());
  for (const int k : order) {
    std::string name = r.names[k];
    if (k == 0) name += std::string(report_text::kRoleA);
    if (k == b) name += std::string(report_text::kRoleB);
    if (k == points.centre) name += std::string(report_text::kRoleCentre);
    const PaperPoint p = at(r.X[k], r.Y[k]);
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    const double length = std::hypot(dx, dy);
    const PaperPoint outward =
        length > 0 ? PaperPoint{dx / length, dy / length} : PaperPoint{1, -1};
    if (const auto place = placer.place(name, p, outward))
      d.labels.push_back({*place, std::move(name)});
  }
}

}  // namespace

NetworkDrawing network_drawing(const SessionRecord& r, double width, double height) {
  const NetworkPoints points = network_points(r.m, triangle_count(r));
  const Extent e = extent_of(r, points);

  // The largest round scale at which the network, with room for names around it, fits
  // the box across and down.
  NetworkDrawing out;
  const double across = std::max(e.east - e.west, kSmallestExtentMetres) / (width - 2 * kBorder);
  const double down = std::max(e.north - e.south, kSmallestExtentMetres) / (height - 2 * kBorder);
  out.scale_denominator = scale_at_least(std::max(across, down) * kMillimetresPerMetre);
  const double scale = kMillimetresPerMetre / out.scale_denominator;
  // Centred in the box.
  const Placement at{scale, (e.north + e.south) / 2 + height / 2 / scale,
                     (e.east + e.west) / 2 - width / 2 / scale};

  const std::optional<double> factor = ellipse_factor(r);
  if (factor) out.ellipse_factor = *factor;
  std::optional<double> magnified;
  if (factor) magnified = out.ellipse_factor / kMillimetresPerMetre * scale;
  out.bar_metres = round_at_most(e.size() * kBarShare);

  Drawing& d = out.drawing;
  d.width = width;
  d.height = height;
  d.label_height = kLabelHeight;
  const int b = r.m != Configuration::OutsideAzimuth ? static_cast<int>(r.L) : -1;
  draw_sides(d, r, points, at);
  draw_north_arrow(d);
  draw_scale_bar(d, out.bar_metres, scale);
  draw_points(d, r, points, at, magnified, b);
  draw_names(d, r, points, at, b);
  return out;
}

}  // namespace cp
