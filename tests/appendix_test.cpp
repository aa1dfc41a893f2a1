// The appendix of the report: every point's table and the network drawn to scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "calculate.h"
#include "document.h"
#include "layout.h"
#include "network.h"
#include "network_drawing.h"
#include "round_numbers.h"
#include "scripted_user.h"

namespace cp {
namespace {

using namespace testing_support;

SessionRecord calculated(Case c, int N, unsigned seed, double min_radius = 300,
                         double max_radius = 3000, double side_error = 0.005) {
  std::mt19937 random(seed);
  const TrueNetwork net = make_network(N, c, random, min_radius, max_radius);
  std::normal_distribution<double> error(0, side_error);
  std::vector<double> errors;
  for (int s = 0; s <= 2 * N; ++s) errors.push_back(error(random));
  ScriptedUser user(answers_for(net, c, errors));
  SessionRecord record;
  calculate(user.ports(), record);
  return record;
}

bool inside(const Drawing& d, PaperPoint p) {
  return p.x >= 0 && p.x <= d.width && p.y >= 0 && p.y <= d.height;
}

TEST(RoundNumbers, AreOneTwoOrFiveTimesAPowerOfTen) {
  const struct {
    double x, at_least, at_most;
  } cases[] = {{1, 1, 1},         {1.5, 2, 1},           {3, 5, 2},
               {7, 10, 5},        {19000, 20000, 10000}, {0.00031, 0.0005, 0.0002},
               {5e-7, 5e-7, 5e-7}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(round_at_least(c.x), c.at_least) << c.x;
    EXPECT_DOUBLE_EQ(round_at_most(c.x), c.at_most) << c.x;
  }
}

TEST(RoundNumbers, ScalesOfTheMapSeries) {
  const struct {
    double x, scale;
  } cases[] = {{1, 1},       {1.1, 1.5},    {2100, 2500},     {2600, 3000},  {4001, 5000},
               {6100, 8000}, {8001, 10000}, {0.0007, 0.0008}, {12000, 15000}};
  for (const auto& c : cases) EXPECT_EQ(scale_at_least(c.x), c.scale) << c.x;
}

// Names are found beside their points, clear of one another, of every side and of
// every mark, even with forty triangles crowding the centre; the network is drawn at
// the largest scale of the series at which it fits.
TEST(NetworkDrawing, NamesStandClearAndTheScaleIsTheLargestThatFits) {
  unsigned seed = 40;
  for (Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (int N : {6, 12, 40}) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const SessionRecord r = calculated(c, N, ++seed, 1000, 1300);
      ASSERT_TRUE(r.complete);
      const NetworkDrawing nd = network_drawing(r, 150, 150);
      const Drawing& d = nd.drawing;
      // Every point's name, the north and the bar's length.
      EXPECT_EQ(d.labels.size(), static_cast<std::size_t>(N + 1 + 2));
      EXPECT_GE(d.label_height * 0.88, 2.4);
      std::vector<PaperBox> boxes;
      for (const DrawnLabel& label : d.labels) boxes.push_back(label_box(label, d.label_height));
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        const PaperBox& a = boxes[i];
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= d.width && a.bottom <= d.height)
            << d.labels[i].text;
        for (std::size_t j = 0; j < i; ++j) {
          const PaperBox& b = boxes[j];
          EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
              << d.labels[i].text << " over " << d.labels[j].text;
        }
        for (const DrawnLine& line : d.lines)
          EXPECT_FALSE(crosses(line, a)) << d.labels[i].text << " crosses a line";
        for (const DrawnMark& mark : d.marks) {
          EXPECT_FALSE(mark.at.x > a.left - 1 && mark.at.x < a.right + 1 && mark.at.y > a.top - 1 &&
                       mark.at.y < a.bottom + 1)
              << d.labels[i].text << " covers a mark";
        }
      }
      // The largest round scale: the next one of the series would not fit.
      double extent = 0;
      const NetworkPoints points = network_points(r.m, N);
      std::vector<int> all = points.ring;
      all.push_back(points.centre);
      for (const int a : all)
        for (const int b : all)
          extent = std::max({extent, std::abs(r.X[a] - r.X[b]), std::abs(r.Y[a] - r.Y[b])});
      const double fits = extent * 1000 / nd.scale_denominator;
      EXPECT_LE(fits, 150);
      double larger = 0;
      for (double x = nd.scale_denominator * 0.5; x < nd.scale_denominator; x *= 1.01)
        if (scale_at_least(x) < nd.scale_denominator) larger = scale_at_least(x);
      EXPECT_GT(extent * 1000 / larger, 150 - 2 * 14) << "the next larger scale would fit too";
    }
  }
}

// To scale: ground distances and paper distances agree in every direction, x is up the
// paper, every point and label lies in the box, and the largest ellipse is drawn at
// about a tenth of the network's size.
TEST(NetworkDrawing, IsToScaleNorthUpAndFitsItsBox) {
  unsigned seed = 1;
  for (Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    for (int N : {3, 6, 25}) {
      SCOPED_TRACE(std::string(case_name(c)) + " N=" + std::to_string(N));
      const SessionRecord r = calculated(c, N, ++seed);
      ASSERT_TRUE(r.complete);
      const NetworkDrawing nd = network_drawing(r, 150, 150);
      const Drawing& d = nd.drawing;
      const double scale = 1000 / nd.scale_denominator;  // paper mm per ground metre
      // A mark per point; A, and B where known, as known points.
      const NetworkPoints points = network_points(r.m, triangle_count(r));
      ASSERT_EQ(points.ring.size(), static_cast<std::size_t>(N));
      // N perimeter and N radial sides, then the arrow and the scale bar.
      ASSERT_GE(d.lines.size(), static_cast<std::size_t>(2 * N));
      for (int j = 0; j < N; ++j) {
        const DrawnLine& side = d.lines[2 * j];
        const int k = points.ring[j];
        const int next = points.ring[(j + 1) % N];
        EXPECT_EQ(side.stroke, Stroke::Perimeter);
        EXPECT_NEAR(side.to.x - side.from.x, (r.Y[next] - r.Y[k]) * scale, 1e-9);
        EXPECT_NEAR(side.from.y - side.to.y, (r.X[next] - r.X[k]) * scale, 1e-9);
        EXPECT_TRUE(inside(d, side.from));
      }
      const auto known = std::count_if(d.marks.begin(), d.marks.end(), [](const DrawnMark& m) {
        return m.kind == MarkKind::KnownPoint;
      });
      EXPECT_EQ(known, c == Case::BOnRing || c == Case::BAtCentre ? 2 : 1);
      for (const DrawnLabel& label : d.labels) EXPECT_TRUE(inside(d, label.at)) << label.text;

      double largest_drawn = 0;
      double largest = 0;
      for (const DrawnEllipse& e : d.ellipses) largest_drawn = std::max(largest_drawn, e.major);
      for (const PointPrecision& p : r.points) largest = std::max(largest, p.E);
      EXPECT_DOUBLE_EQ(largest_drawn, largest * nd.ellipse_factor / 1000 * scale);
      double extent = 0;
      for (const int k : points.ring) {
        extent = std::max(
            {extent, std::abs(r.X[k] - r.X[points.centre]), std::abs(r.Y[k] - r.Y[points.centre])});
      }
      EXPECT_GT(largest_drawn / scale, extent * 0.02);
      EXPECT_LE(largest_drawn / scale, extent * 0.2);
    }
  }
}

// The ellipse's major axis is turned to its azimuth: phi = 0 points up the paper, 90
// to the right.
TEST(NetworkDrawing, EllipseAxisFollowsItsAzimuth) {
  SessionRecord r = calculated(Case::BOnRing, 4, 3);
  for (const double phi : {0.0, 45.0, 90.0, 135.0}) {
    for (auto& p : r.points)
      if (!p.known) p.phi = phi;
    const Drawing d = network_drawing(r, 150, 150).drawing;
    ASSERT_FALSE(d.ellipses.empty());
    const double turn = d.ellipses.front().rotation * 3.1415926535 / 180;
    // The major axis on paper, y downward: up the paper is north.
    EXPECT_NEAR(std::cos(turn), std::sin(phi * 3.1415926535 / 180), 1e-9);
    EXPECT_NEAR(-std::sin(turn), std::cos(phi * 3.1415926535 / 180), 1e-9);
  }
}

// Points all within a millimetre still print, at a stated scale, with nothing
// non-finite on the page.
TEST(NetworkDrawing, ATinyNetworkStillPrintsAtAStatedScale) {
  const SessionRecord r = calculated(Case::Q2, 5, 9, 0.0002, 0.0004, 1e-6);
  ASSERT_TRUE(r.complete);
  const NetworkDrawing nd = network_drawing(r, 150, 150);
  EXPECT_GT(nd.scale_denominator, 0);
  EXPECT_LT(nd.scale_denominator, 1);
  const auto finite = [](PaperPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  for (const DrawnLine& line : nd.drawing.lines) EXPECT_TRUE(finite(line.from) && finite(line.to));
  for (const DrawnEllipse& e : nd.drawing.ellipses) {
    EXPECT_TRUE(finite(e.centre) && std::isfinite(e.major) && std::isfinite(e.minor));
  }
  EXPECT_TRUE(std::isfinite(nd.ellipse_factor) && std::isfinite(nd.bar_metres));
}

// Ellipses of no size, or too small for any finite magnification, are left out: the
// factor stays a number that prints.
TEST(NetworkDrawing, EllipsesTooSmallToMagnifyAreLeftOut) {
  SessionRecord r = calculated(Case::BOnRing, 5, 12);
  for (const double E : {0.0, 1e-320}) {
    for (auto& p : r.points) p.E = p.known ? 0 : E;
    const NetworkDrawing nd = network_drawing(r, 150, 150);
    EXPECT_TRUE(nd.drawing.ellipses.empty()) << E;
    EXPECT_EQ(nd.ellipse_factor, 1) << E;
  }
}

// The table: a heading, a units row, then one row per point; known points say so.
TEST(AppendixTable, OneRowPerPointKnownPointsMarked) {
  const SessionRecord r = calculated(Case::BAtCentre, 5, 4);
  const auto document = report_document(r);
  ASSERT_TRUE(document);
  const auto& table = document->appendix_table;
  ASSERT_EQ(table.size(), r.points.size());
  ASSERT_EQ(document->appendix_table_heading.size(), 2u);
  for (std::size_t k = 0; k < r.points.size(); ++k) {
    const std::string line = row_text(table[k]);
    SCOPED_TRACE(line);
    EXPECT_EQ(line.find(r.names[k]), 3u);
    const bool marked = line.find("已知点") != std::string::npos;
    EXPECT_EQ(marked, r.points[k].known);
    EXPECT_EQ(line.find("nan"), std::string::npos);
  }
  const std::string title = row_text(document->appendix_heading.front());
  EXPECT_NE(title.find("点位精度与误差椭圆"), std::string::npos);
  // The report's own rows are those printed before.
  EXPECT_EQ(document->rows.size(), report_rows(r)->size());
}

}  // namespace
}  // namespace cp
