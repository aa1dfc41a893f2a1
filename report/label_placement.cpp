#include "label_placement.h"

#include <algorithm>
#include <cmath>

#include "constants.h"

namespace cp {
namespace {

constexpr double kCell = 5;           // millimetres, of the grid that finds what is near
constexpr double kMarkHalf = 1.7;     // a mark's half size, millimetres
constexpr double kMargin = 0.4;       // kept clear around a name, millimetres
constexpr int kDirections = 16;       // tried about the point, the outward one first
constexpr int kEllipseSegments = 24;  // an ellipse's outline as straight pieces
constexpr double kDistances[] = {1,  2,  3.5, 5,  7,  10, 13,
                                 17, 21, 26,  32, 40, 50};  // point to name, mm

// What a name may cover, in order of harm: a side or a mark hides what the drawing
// says; an ellipse's outline is only crossed; a longer way from the point or a turn
// from the outward direction reads a little worse.
constexpr double kLineCost = 1000;
constexpr double kMarkCost = 1000;
constexpr double kEllipseCost = 30;
constexpr double kTurnCost = 0.1;
// A place over this much is as bad as any other: a name over ten sides and marks is lost
// among them wherever it stands, and only its way from the point still counts. Counting
// on would cost, for each place tried, a count of everything in a crowded ring's box.
constexpr double kHopeless = 10 * kLineCost;

bool overlaps(const PaperBox& a, const PaperBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PaperBox bounds(const DrawnLine& line) {
  return {std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y),
          std::max(line.from.x, line.to.x), std::max(line.from.y, line.to.y)};
}

PaperPoint ellipse_point(const DrawnEllipse& e, int i) {
  const double t = 2 * kPi * i / kEllipseSegments;
  const double turn = e.rotation * kDegree;
  const double x = e.major * std::cos(t);
  const double y = e.minor * std::sin(t);
  return {e.centre.x + x * std::cos(turn) - y * std::sin(turn),
          e.centre.y + x * std::sin(turn) + y * std::cos(turn)};
}

}  // namespace

LabelPlacer::LabelPlacer(const Drawing& drawing)
    : width_(drawing.width),
      height_(drawing.height),
      label_height_(drawing.label_height),
      columns_(static_cast<int>(std::ceil(drawing.width / kCell)) + 1),
      rows_(static_cast<int>(std::ceil(drawing.height / kCell)) + 1),
      grid_(static_cast<std::size_t>(columns_ * rows_)),
      label_grid_(grid_.size()) {
  for (const DrawnLine& line : drawing.lines) add({Kind::Line, line, bounds(line)});
  // An ellipse is one item, over the box of its outline: a name far from its pieces
  // meets it once, not once a piece.
  for (const DrawnEllipse& e : drawing.ellipses) {
    Item ellipse{Kind::Ellipse, {}, {}, static_cast<int>(pieces_.size())};
    for (int i = 0; i < kEllipseSegments; ++i) {
      const DrawnLine piece{ellipse_point(e, i), ellipse_point(e, i + 1), Stroke::Ellipse};
      const PaperBox box = bounds(piece);
      ellipse.box = i == 0 ? box
                           : PaperBox{std::min(ellipse.box.left, box.left),
                                      std::min(ellipse.box.top, box.top),
                                      std::max(ellipse.box.right, box.right),
                                      std::max(ellipse.box.bottom, box.bottom)};
      pieces_.push_back(piece);
    }
    add(ellipse);
  }
  for (const DrawnMark& mark : drawing.marks) {
    add({Kind::Mark,
         {},
         {mark.at.x - kMarkHalf, mark.at.y - kMarkHalf, mark.at.x + kMarkHalf,
          mark.at.y + kMarkHalf}});
  }
  for (const DrawnLabel& label : drawing.labels) add_label(label_box(label, label_height_));
}

int LabelPlacer::column_of(double x) const {
  return std::clamp(static_cast<int>(std::floor(x / kCell)), 0, columns_ - 1);
}

int LabelPlacer::row_of(double y) const {
  return std::clamp(static_cast<int>(std::floor(y / kCell)), 0, rows_ - 1);
}

LabelPlacer::Cells LabelPlacer::cells_of(const PaperBox& box) const {
  return {column_of(box.left), column_of(box.right), row_of(box.top), row_of(box.bottom), columns_};
}

void LabelPlacer::enter_line(const DrawnLine& line, int index) {
  // Row by row, the stretch of the line inside the row's band, a little wider than the
  // band: where a box meets the line, the cell of the meeting point is among those the
  // box meets, and that cell must list the line whatever the rounding. The outer rows
  // and columns reach on to whatever lies beyond the grid, as the box's cells do.
  constexpr double kSlack = 1e-6;  // millimetres
  constexpr double kFar = 1e300;
  const double dx = line.to.x - line.from.x;
  const double dy = line.to.y - line.from.y;
  const PaperBox box = bounds(line);
  for (int row = row_of(box.top - kSlack); row <= row_of(box.bottom + kSlack); ++row) {
    double low = 0;
    double high = 1;
    if (dy != 0) {
      const double top = row == 0 ? -kFar : row * kCell - kSlack;
      const double bottom = row == rows_ - 1 ? kFar : (row + 1) * kCell + kSlack;
      const double a = (top - line.from.y) / dy;
      const double b = (bottom - line.from.y) / dy;
      low = std::max(low, std::min(a, b));
      high = std::min(high, std::max(a, b));
      if (low > high) continue;
    }
    const double x1 = line.from.x + dx * low;
    const double x2 = line.from.x + dx * high;
    const int last = column_of(std::max(x1, x2) + kSlack);
    for (int column = column_of(std::min(x1, x2) - kSlack); column <= last; ++column)
      grid_[static_cast<std::size_t>(row * columns_ + column)].push_back(index);
  }
}

void LabelPlacer::add(Item item) {
  const int index = static_cast<int>(items_.size());
  if (item.kind == Kind::Line) {
    enter_line(item.line, index);
  } else {
    for (const int cell : cells_of(item.box))
      grid_[static_cast<std::size_t>(cell)].push_back(index);
  }
  items_.push_back(std::move(item));
  seen_.push_back(0);
}

void LabelPlacer::add_label(const PaperBox& box) {
  const int index = static_cast<int>(labels_.size());
  for (const int cell : cells_of(box)) label_grid_[static_cast<std::size_t>(cell)].push_back(index);
  labels_.push_back(box);
}

bool LabelPlacer::meets_label(const PaperBox& box) const {
  for (const int cell : cells_of(box)) {
    for (const int index : label_grid_[static_cast<std::size_t>(cell)])
      if (overlaps(labels_[static_cast<std::size_t>(index)], box)) return true;
  }
  return false;
}

double LabelPlacer::cost(const PaperBox& box, double enough) {
  if (box.left < 0 || box.top < 0 || box.right > width_ || box.bottom > height_) return -1;
  const PaperBox clear{box.left - kMargin, box.top - kMargin, box.right + kMargin,
                       box.bottom + kMargin};
  // Another name rules the place out whatever else it covers: asked first, it spares
  // the sides and ellipses of a crowded ring.
  if (meets_label(clear)) return -1;
  ++query_;
  double total = 0;
  for (const int cell : cells_of(clear)) {
    for (const int index : grid_[static_cast<std::size_t>(cell)]) {
      if (seen_[static_cast<std::size_t>(index)] == query_) continue;
      seen_[static_cast<std::size_t>(index)] = query_;
      const Item& item = items_[static_cast<std::size_t>(index)];
      if (!overlaps(item.box, clear)) continue;
      switch (item.kind) {
        case Kind::Mark: total += kMarkCost; break;
        case Kind::Line: total += crosses(item.line, clear) ? kLineCost : 0; break;
        case Kind::Ellipse:
          for (int i = 0; i < kEllipseSegments; ++i) {
            const DrawnLine& piece = pieces_[static_cast<std::size_t>(item.first_piece + i)];
            if (overlaps(bounds(piece), clear) && crosses(piece, clear)) total += kEllipseCost;
          }
          break;
      }
      if (total >= enough) return total;
    }
  }
  return total;
}

std::vector<double> LabelPlacer::angles_of_lines_at(PaperPoint point) {
  constexpr double kSamePoint = 1e-9;  // millimetres
  std::vector<double> angles;
  ++query_;
  for (const int cell : cells_of({point.x, point.y, point.x, point.y})) {
    for (const int index : grid_[static_cast<std::size_t>(cell)]) {
      if (seen_[static_cast<std::size_t>(index)] == query_) continue;
      seen_[static_cast<std::size_t>(index)] = query_;
      const Item& item = items_[static_cast<std::size_t>(index)];
      if (item.kind != Kind::Line) continue;
      for (const auto& [at, other] :
           {std::pair{item.line.from, item.line.to}, std::pair{item.line.to, item.line.from}}) {
        if (std::abs(at.x - point.x) < kSamePoint && std::abs(at.y - point.y) < kSamePoint)
          angles.push_back(std::atan2(other.y - at.y, other.x - at.x));
      }
    }
  }
  return angles;
}

std::optional<PaperPoint> LabelPlacer::place(const std::string& text, PaperPoint point,
                                             PaperPoint outward) {
  const PaperBox size = label_box({{0, 0}, text}, label_height_);
  const double w = size.right - size.left;
  const double h = size.bottom - size.top;
  // The directions tried: steps of a sixteenth turn from the outward one (0, +1, -1, +2,
  // ...), each costing a little more the further it turns; then, free of that cost, the
  // middle of each gap between the lines that meet at the point, where a name can stand
  // between the radial sides of a crowded centre.
  const double first = std::atan2(outward.y, outward.x);
  std::vector<std::pair<double, double>> directions;  // angle, cost of the turn
  for (int turn = 0; turn < kDirections; ++turn) {
    const int step = (turn + 1) / 2 * (turn % 2 == 1 ? 1 : -1);
    directions.push_back({first + step * 2 * kPi / kDirections, kTurnCost * std::abs(step)});
  }
  std::vector<double> meeting = angles_of_lines_at(point);
  std::sort(meeting.begin(), meeting.end());
  for (std::size_t i = 0; i < meeting.size(); ++i) {
    const double next = i + 1 < meeting.size() ? meeting[i + 1] : meeting.front() + 2 * kPi;
    directions.push_back({(meeting[i] + next) / 2, 0});
  }
  double best = -1;
  PaperBox chosen{};
  for (const auto& [angle, turn_cost] : directions) {
    const double ux = std::cos(angle);
    const double uy = std::sin(angle);
    for (const double distance : kDistances) {
      // Nothing further along can beat the best place found: what it covers only adds.
      const double least = distance + turn_cost;
      if (best >= 0 && least >= best) break;
      // The box's centre, far enough along the direction that its near side is at the
      // distance from the point.
      const double reach = distance + std::abs(ux) * w / 2 + std::abs(uy) * h / 2;
      const double cx = point.x + ux * reach;
      const double cy = point.y + uy * reach;
      const PaperBox box{cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
      const double blocked = cost(box, best < 0 ? kHopeless : std::min(kHopeless, best - least));
      if (blocked < 0) continue;
      const double total = std::min(blocked, kHopeless) + least;
      if (best < 0 || total < best) {
        best = total;
        chosen = box;
      }
    }
  }
  if (best < 0) return std::nullopt;
  add_label(chosen);
  return PaperPoint{chosen.left, chosen.top + kLabelAscent * h};
}

}  // namespace cp
