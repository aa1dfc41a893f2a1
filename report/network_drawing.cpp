#include "network_drawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "display_width.h"
#include "fill.h"
#include "label_placement.h"
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
constexpr double kArrowLength = 14;
constexpr double kArrowHead = 2.5;

constexpr std::string_view kRoundSteps[] = {"1", "2", "5"};
constexpr std::string_view kScaleSteps[] = {"1", "1.5", "2", "2.5", "3", "4", "5", "6", "8"};

// The power of ten of x > 0's first digit, from its shortest decimal text.
int decimal_exponent(double x) {
  const std::string text = shortest_text(x);
  const auto e = text.find('e');
  if (e != std::string::npos) return std::stoi(text.substr(e + 1));
  const auto first = text.find_first_not_of("0.");
  const auto point = std::min(text.find('.'), text.size());
  return first < point ? static_cast<int>(point - first) - 1 : static_cast<int>(point - first);
}

// step times ten to the exponent, read from its decimal text: exact on every platform.
double series_value(std::string_view step, int exponent) {
  const std::string text = std::string(step) + "e" + std::to_string(exponent);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

template <std::size_t Size>
double series_at_least(double x, const std::string_view (&steps)[Size]) {
  for (int exponent = decimal_exponent(x);; ++exponent) {
    for (const std::string_view step : steps)
      if (const double value = series_value(step, exponent); value >= x) return value;
  }
}

template <std::size_t Size>
double series_at_most(double x, const std::string_view (&steps)[Size]) {
  for (int exponent = decimal_exponent(x);; --exponent) {
    for (auto step = std::rbegin(steps); step != std::rend(steps); ++step)
      if (const double value = series_value(*step, exponent); value <= x) return value;
  }
}

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

double round_at_least(double x) { return series_at_least(x, kRoundSteps); }
double round_at_most(double x) { return series_at_most(x, kRoundSteps); }
double scale_at_least(double x) { return series_at_least(x, kScaleSteps); }

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

// The points drawn, and the network's reach north, south, east and west, metres.
struct Extent {
  std::vector<int> all;
  double north, south, east, west;
  double size() const { return std::max({north - south, east - west, kSmallestExtentMetres}); }
};

Extent extent_of(const SessionRecord& r, const NetworkPoints& points) {
  std::vector<int> all = points.ring;
  all.push_back(points.centre);
  const auto [low_x, high_x] =
      std::minmax_element(all.begin(), all.end(), [&](int a, int b) { return r.X[a] < r.X[b]; });
  const auto [low_y, high_y] =
      std::minmax_element(all.begin(), all.end(), [&](int a, int b) { return r.Y[a] < r.Y[b]; });
  return {all, r.X[*high_x], r.X[*low_x], r.Y[*high_y], r.Y[*low_y]};
}

}  // namespace

std::optional<double> ellipse_factor(const SessionRecord& r) {
  const Extent e = extent_of(r, network_points(r.m, triangle_count(r)));
  double largest = 0;
  for (const int k : e.all) largest = std::max(largest, precision_of(r, k).E);
  // Ellipses too small for any finite magnification are not drawn, as zero ones are not.
  const double wanted = e.size() * kEllipseShare * kMillimetresPerMetre / largest;
  if (largest > 0 && std::isfinite(wanted)) return round_at_most(wanted);
  return std::nullopt;
}

NetworkDrawing network_drawing(const SessionRecord& r, double width, double height) {
  const NetworkPoints points = network_points(r.m, triangle_count(r));
  const Extent e = extent_of(r, points);
  const std::vector<int>& all = e.all;
  const double extent = e.size();

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
  const bool ellipses = factor.has_value();
  if (ellipses) out.ellipse_factor = *factor;

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
  }

  // The names last, once everything they must keep off is drawn: the centre's first,
  // among its radial sides, then the ring's, each tried outward from the centre first.
  // A name that finds no place clear of the others is left to the table.
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
  return out;
}

}  // namespace cp
