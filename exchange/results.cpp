#include "results.h"

#include <charconv>
#include <cmath>
#include <map>
#include <set>

#include "constants.h"
#include "csv.h"
#include "display_decimals.h"
#include "dms.h"
#include "exchange_error.h"
#include "exchange_texts.h"
#include "fill.h"
#include "network_extent.h"
#include "number_text.h"
#include "point_names.h"
#include "texts.h"
#include "utf8.h"

namespace cp {
namespace {

namespace t = exchange_text;

// The text style of every name and note: a Chinese TrueType face, so that a CAD program
// draws the names with its own Song face rather than a font with no Chinese in it.
constexpr std::string_view kTextStyle = "SONG";
constexpr std::string_view kTextFont = "simsun.ttf";

std::string coordinate(double value) { return rounded_text(value, decimals::kCoordinate); }

// The distinct points of the network in list order: the ring and the centre, not A or
// B computed again.
std::vector<int> network_point_indices(const SessionRecord& r) {
  const NetworkPoints points = network_points(r.m, triangle_count(r));
  std::set<int> indices(points.ring.begin(), points.ring.end());
  indices.insert(points.centre);
  return {indices.begin(), indices.end()};
}

}  // namespace

std::string coordinates_csv(const SessionRecord& r) {
  std::string out(kUtf8ByteOrderMark);
  csv::Row heading;
  for (const std::string_view text : t::kCoordinateHeadings) heading.emplace_back(text);
  out += csv::row_text(heading);
  const int centre = network_points(r.m, triangle_count(r)).centre;
  for (std::size_t k = 0; k < r.points.size(); ++k) {
    const PointPrecision& p = r.points[k];
    const auto index = static_cast<int>(k);
    const std::string_view role = p.known           ? t::kKnownPoint
                                  : index == centre ? t::kCentrePoint
                                                    : t::kNewPoint;
    csv::Row row{shortest_text(static_cast<double>(k)), csv::text_cell(r.names[k]),
                 std::string(role), coordinate(r.X[k]), coordinate(r.Y[k])};
    if (!p.known) {
      for (const double figure : {p.mx, p.my, p.md, p.E, p.F})
        row.push_back(rounded_text(figure, decimals::kError));
      row.push_back(rounded_text(p.phi, decimals::kAxisAzimuth));
    }
    out += csv::row_text(row);
  }
  return out;
}

std::string cass_points(const SessionRecord& r) {
  std::string out;
  for (const int k : network_point_indices(r)) {
    const std::string& name = r.names[static_cast<std::size_t>(k)];
    // The point file has no quoting: a comma or a line break in a name would shift its
    // columns in CAD.
    check_name(name, k, NameFile::PointFile);
    out += name + ",," + coordinate(r.Y[k]) + "," + coordinate(r.X[k]) + ",0\r\n";
  }
  return out;
}

namespace {

// DXF: a group code and its value, a line each.
class Dxf {
 public:
  explicit Dxf(std::size_t size) { out_.reserve(size); }
  void pair(int code, std::string_view value) {
    char text[16];
    out_.append(text,
                static_cast<std::size_t>(std::to_chars(text, text + sizeof text, code).ptr - text));
    out_ += '\n';
    out_ += value;
    out_ += '\n';
  }
  // Six decimals, a micrometre on the ground: the exact binary value rounded, as every
  // CAD program reads it. A network of a thousand points has some 150,000 of them.
  void number(int code, double value) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6).ptr;
    pair(code, std::string_view(text, static_cast<std::size_t>(end - text)));
  }
  void point(int code, double east, double north) {
    number(code, east);
    number(code + 10, north);
    number(code + 20, 0);
  }
  void layer(std::string_view name, int colour) {
    pair(0, "LAYER");
    pair(2, name);
    pair(70, "0");
    pair(62, std::to_string(colour));
    pair(6, "CONTINUOUS");
  }
  // A TEXT in the Chinese style, its text already in the form DXF holds (dxf_name).
  void text(std::string_view layer, double east, double north, double height,
            std::string_view dxf_text) {
    pair(0, "TEXT");
    pair(8, layer);
    point(10, east, north);
    number(40, height);
    pair(1, dxf_text);
    pair(7, kTextStyle);
  }
  std::string finished() && { return std::move(out_); }

 private:
  std::string out_;
};

}  // namespace

namespace {

// The header and the tables: the continuous line type, the Chinese text style and one
// layer for each kind of thing drawn.
void dxf_tables(Dxf& dxf) {
  dxf.pair(0, "SECTION");
  dxf.pair(2, "HEADER");
  dxf.pair(9, "$ACADVER");
  dxf.pair(1, "AC1009");
  dxf.pair(0, "ENDSEC");
  dxf.pair(0, "SECTION");
  dxf.pair(2, "TABLES");
  dxf.pair(0, "TABLE");
  dxf.pair(2, "LTYPE");
  dxf.pair(70, "1");
  dxf.pair(0, "LTYPE");
  dxf.pair(2, "CONTINUOUS");
  dxf.pair(70, "0");
  dxf.pair(3, "Solid line");
  dxf.pair(72, "65");
  dxf.pair(73, "0");
  dxf.number(40, 0);
  dxf.pair(0, "ENDTAB");
  dxf.pair(0, "TABLE");
  dxf.pair(2, "STYLE");
  dxf.pair(70, "1");
  dxf.pair(0, "STYLE");
  dxf.pair(2, kTextStyle);
  dxf.pair(70, "0");
  dxf.number(40, 0);  // no fixed height
  dxf.number(41, 1);  // width factor
  dxf.number(50, 0);  // oblique angle
  dxf.pair(71, "0");
  dxf.number(42, 2.5);  // last height used
  dxf.pair(3, kTextFont);
  dxf.pair(4, "");
  dxf.pair(0, "ENDTAB");
  dxf.pair(0, "TABLE");
  dxf.pair(2, "LAYER");
  dxf.pair(70, "6");
  dxf.layer("POINTS", 7);
  dxf.layer("NAMES", 7);
  dxf.layer("RADIAL", 8);
  dxf.layer("PERIMETER", 7);
  dxf.layer("ELLIPSES", 1);
  dxf.layer("NOTE", 7);
  dxf.pair(0, "ENDTAB");
  dxf.pair(0, "ENDSEC");
}

// Every perimeter side and every radial side, as lines between the adjusted points.
void dxf_sides(Dxf& dxf, const SessionRecord& r, const NetworkPoints& points) {
  const auto line = [&](std::string_view layer, int a, int b) {
    dxf.pair(0, "LINE");
    dxf.pair(8, layer);
    dxf.point(10, r.Y[a], r.X[a]);
    dxf.point(11, r.Y[b], r.X[b]);
  };
  const std::size_t ring = points.ring.size();
  for (std::size_t j = 0; j < ring; ++j) {
    line("PERIMETER", points.ring[j], points.ring[(j + 1) % ring]);
    line("RADIAL", points.centre, points.ring[j]);
  }
}

// Point k's error ellipse in ground metres, magnified as in the appendix: E along
// azimuth phi, from north toward east.
void dxf_ellipse(Dxf& dxf, const SessionRecord& r, int k, double magnify) {
  const PointPrecision& p = r.points[static_cast<std::size_t>(k)];
  const double phi = p.phi * kDegree;
  const double cos_phi = std::cos(phi);
  const double sin_phi = std::sin(phi);
  dxf.pair(0, "POLYLINE");
  dxf.pair(8, "ELLIPSES");
  dxf.pair(66, "1");
  dxf.pair(70, "1");  // closed
  dxf.point(10, 0, 0);
  for (int i = 0; i < kEllipseOutlineVertices; ++i) {
    const double a = 2 * kPi * i / kEllipseOutlineVertices;
    const double along = p.E * magnify * std::cos(a);
    const double across = p.F * magnify * std::sin(a);
    dxf.pair(0, "VERTEX");
    dxf.pair(8, "ELLIPSES");
    dxf.point(10, r.Y[k] + along * sin_phi + across * cos_phi,
              r.X[k] + along * cos_phi - across * sin_phi);
  }
  dxf.pair(0, "SEQEND");
  dxf.pair(8, "ELLIPSES");
}

}  // namespace

std::string network_dxf(const SessionRecord& r) {
  const NetworkPoints points = network_points(r.m, triangle_count(r));
  const std::optional<double> factor = ellipse_factor(r);
  double north = -HUGE_VAL, south = HUGE_VAL, east = -HUGE_VAL, west = HUGE_VAL;
  const std::vector<int> all = network_point_indices(r);
  for (const int k : all) {
    north = std::max(north, r.X[k]);
    south = std::min(south, r.X[k]);
    east = std::max(east, r.Y[k]);
    west = std::min(west, r.Y[k]);
  }
  const double height = std::max(std::max(north - south, east - west) / 80, 0.001);

  // About 70 bytes a vertex of an ellipse, which is most of the file.
  Dxf dxf(all.size() * (kEllipseOutlineVertices * 70 + 600));
  dxf_tables(dxf);
  dxf.pair(0, "SECTION");
  dxf.pair(2, "ENTITIES");
  dxf_sides(dxf, r, points);
  for (const int k : all) {
    dxf.pair(0, "POINT");
    dxf.pair(8, "POINTS");
    dxf.point(10, r.Y[k], r.X[k]);
    dxf.text("NAMES", r.Y[k] + height / 2, r.X[k] + height / 2, height,
             dxf_name(r.names[static_cast<std::size_t>(k)], k));
  }
  for (const int k : all) {
    const auto index = static_cast<std::size_t>(k);
    if (!factor || index >= r.points.size() || r.points[index].E <= 0) continue;
    dxf_ellipse(dxf, r, k, *factor / kMillimetresPerMetre);
  }
  dxf.text(
      "NOTE", west, south - 3 * height, height,
      dxf_name(text::fill_in(t::kEllipseNote, "{factor}", shortest_fixed_text(factor.value_or(1))),
               0));
  dxf.pair(0, "ENDSEC");
  dxf.pair(0, "EOF");
  return std::move(dxf).finished();
}

namespace {

std::string xml_escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c;
    }
  }
  return out;
}

// Decimal degrees as gama-local's sexagesimal text, d-m-s with six decimals of seconds.
std::string gama_degrees(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  if (degrees < 0) degrees += 360;
  const auto micro = static_cast<long long>(std::llround(degrees * 3600e6));
  const long long whole_seconds = micro / 1000000;
  const std::string fraction = std::to_string(1000000 + micro % 1000000).substr(1);
  return std::to_string(whole_seconds / 3600) + "-" + std::to_string(whole_seconds / 60 % 60) +
         "-" + std::to_string(whole_seconds % 60) + "." + fraction;
}

}  // namespace

namespace {

// Point ids: the names where each is given, unique and free of blanks; else P and the
// point's number, for every point alike.
class GamaIds {
 public:
  GamaIds(const SessionRecord& r, const std::vector<int>& all) : r_(r) {
    std::set<std::string> names;
    for (const int k : all) {
      const std::string& name = r.names[static_cast<std::size_t>(k)];
      by_name_ = by_name_ && !name.empty() && name.find_first_of(" \t") == std::string::npos &&
                 names.insert(name).second;
    }
    if (by_name_) {
      for (const int k : all) check_name(r.names[static_cast<std::size_t>(k)], k, NameFile::Gama);
    }
  }
  std::string operator()(int k) const {
    return by_name_ ? r_.names[static_cast<std::size_t>(k)] : "P" + std::to_string(k);
  }

 private:
  const SessionRecord& r_;
  bool by_name_ = true;
};

// Every standpoint's observations, the body of its <obs from="…">: the centre's radial
// sides, each ring point's perimeter side to the next, and the orientation at A.
std::map<int, std::string> gama_standpoints(const SessionRecord& r, const NetworkPoints& points,
                                            const GamaIds& id) {
  const int n = triangle_count(r);
  const int known = known_side_number(r.m, n);
  const auto ring = [&](int j) { return points.ring[static_cast<std::size_t>(j % n)]; };
  std::map<int, std::string> standpoints;
  for (int k = 1; k <= 2 * n; ++k) {
    if (k == known) continue;
    const auto [from, to] = side_ends(points, k);
    standpoints[from] += "<distance to=\"" + xml_escaped(id(to)) + "\" val=\"" +
                         shortest_fixed_text(r.observed[static_cast<std::size_t>(k)]) + "\" />\n";
  }
  if (r.m == Configuration::OutsideAzimuth && r.typed.T0) {
    // The direction the orientation angle was measured to: S(2), S(1) or S(2N).
    const TypedInputs& in = r.typed;
    const bool q1 = in.Q1 && *in.Q1 != 0;
    const bool q2 = !q1 && in.Q2 && *in.Q2 != 0;
    const double q = q1 ? *in.Q1 : q2 ? *in.Q2 : in.Q3.value_or(0);
    const int target = q1 ? ring(1) : q2 ? points.centre : ring(n - 1);
    standpoints[0] += "<azimuth to=\"" + xml_escaped(id(target)) + "\" val=\"" +
                      gama_degrees(dms_to_degrees(*in.T0) + dms_to_degrees(q)) +
                      "\" stdev=\"0.001\" />\n";
  }
  return standpoints;
}

}  // namespace

std::string gama_xml(const SessionRecord& r) {
  const NetworkPoints points = network_points(r.m, triangle_count(r));
  const std::vector<int> all = network_point_indices(r);
  const GamaIds id(r, all);
  const int b = r.m == Configuration::OutsideAzimuth ? -1 : static_cast<int>(r.L);

  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gama-local xmlns=\"http://www.gnu.org/software/gama/gama-local\">\n"
      "<network axes-xy=\"ne\" angles=\"left-handed\">\n"
      "<description>\n" +
      xml_escaped(std::string(text::kProgramTitle)) +
      "\n</description>\n"
      "<parameters sigma-apr=\"1\" conf-pr=\"0.95\" tol-abs=\"1000\" sigma-act=\"aposteriori\" />\n"
      "<points-observations distance-stdev=\"1.0\">\n";
  for (const int k : all) {
    const bool fixed = k == 0 || k == b;
    const double X = k == 0 ? r.Xa : k == b ? r.Xb : r.X[static_cast<std::size_t>(k)];
    const double Y = k == 0 ? r.Ya : k == b ? r.Yb : r.Y[static_cast<std::size_t>(k)];
    out += "<point id=\"" + xml_escaped(id(k)) + "\" x=\"" + shortest_fixed_text(X) + "\" y=\"" +
           shortest_fixed_text(Y) + (fixed ? "\" fix=\"xy\" />\n" : "\" adj=\"xy\" />\n");
  }
  const std::map<int, std::string> standpoints = gama_standpoints(r, points, id);
  const auto standpoint = [&](int from) {
    const auto found = standpoints.find(from);
    if (found == standpoints.end()) return;
    out += "<obs from=\"" + xml_escaped(id(from)) + "\">\n" + found->second + "</obs>\n";
  };
  standpoint(points.centre);
  for (const int k : points.ring) standpoint(k);
  out += "</points-observations>\n</network>\n</gama-local>\n";
  return out;
}

}  // namespace cp
