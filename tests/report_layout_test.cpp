// The report layout: which lines appear, their literals and formats, the tab rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "layout.h"

namespace cp {
namespace {

SessionRecord complete_record(float N, double Xb, double Yb) {
  SessionRecord r;
  r.N = N;
  size_session_record(r, N);
  r.Xa = 1000;
  r.Ya = 2000;
  r.X[0] = r.Xa;
  r.Y[0] = r.Ya;
  r.Xb = Xb;
  r.Yb = Yb;
  r.L = (Xb != 0 && Yb != 0) ? N : N + 1;
  for (std::size_t i = 0; i < r.names.size(); ++i) r.names[i] = "P" + std::to_string(i);
  r.e = 2;
  r.complete = true;
  return r;
}

std::vector<std::string> lines(const SessionRecord& r) {
  std::vector<std::string> out;
  const auto rows = report_rows(r);
  for (const auto& row : *rows) out.push_back(row_text(row));
  return out;
}

bool has_line(const std::vector<std::string>& text, const std::string& line) {
  return std::find(text.begin(), text.end(), line) != text.end();
}

int count_starting(const std::vector<std::string>& text, const std::string& start) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [&](const std::string& line) {
    return line.rfind(start, 0) == 0;
  }));
}

const std::string col(int column) { return std::string(column - 1, ' '); }

TEST(ReportLayout, RefusesWithoutACompleteCalculation) {
  EXPECT_FALSE(report_rows(SessionRecord{}));
  SessionRecord ended_early = complete_record(3, 0, 0);
  ended_early.complete = false;
  EXPECT_FALSE(report_rows(ended_early));
}

TEST(ReportLayout, OneZeroCoordinateOfBPrintsTheOutsideOrientation) {
  SessionRecord r = complete_record(3, 0, 100);
  r.Ta = 123.4530;  // printed as typed, not converted
  r.Qa = 30.5;
  const auto text = lines(r);
  EXPECT_TRUE(has_line(text, col(30) + "( 由外方位推算 )"));
  EXPECT_TRUE(has_line(text, col(30) + "Ta=123.45300"));
  EXPECT_TRUE(has_line(text, col(30) + "Qa=30.50000"));
  EXPECT_EQ(count_starting(text, col(24) + "起始点 B"), 0);

  const auto with_b = lines(complete_record(3, 500, 600));
  EXPECT_TRUE(has_line(with_b, col(30) + "( 由已知边起算 )"));
  EXPECT_TRUE(has_line(with_b, col(24) + "起始点 B  :  xb=500.000     yb=600.000"));
}

TEST(ReportLayout, SideBlocksAndThePointBlock) {
  const auto text = lines(complete_record(3, 0, 0));
  EXPECT_EQ(count_starting(text, col(37) + "s( "), 12);  // six observed, six adjusted
  EXPECT_TRUE(has_line(text, col(37) + "s( 6 )=0.0000"));
  EXPECT_TRUE(has_line(text, col(24) + "P0 :  x( 0 )=1000.000     y( 0 )=2000.000"));
  EXPECT_TRUE(has_line(text, col(24) + "P4 :  x( 4 )=0.000        y( 4 )=0.000"));
  EXPECT_TRUE(has_line(text, col(22) + "P2( 待定点 ) :"));  // the evaluated point, not A
}

TEST(ReportLayout, AWideNamePushesTheCoordinatesToTheNextRow) {
  SessionRecord r = complete_record(3, 0, 0);
  r.names[1] = "北山三角点";  // ten columns: with " :" it reaches past column 30
  const auto text = lines(r);
  const auto at = std::find(text.begin(), text.end(), col(24) + "北山三角点 :");
  ASSERT_NE(at, text.end());
  EXPECT_EQ(*(at + 1), col(30) + "x( 1 )=0.000        y( 1 )=0.000");
}

TEST(ReportLayout, RoundedFirstOrThePatternAlone) {
  SessionRecord r = complete_record(3, 0, 0);
  r.w = 0.125f;
  r.ms = 0.125f;
  r.K = 0;
  const auto text = lines(r);
  EXPECT_TRUE(has_line(text, col(29) + "中心条件闭合差 : w=0.12 (秒)"));
  EXPECT_TRUE(has_line(text, col(24) + "单位权测边中误差  :    ms=0.13 (毫米)"));
  EXPECT_TRUE(has_line(text, col(29) + "法方程式联系数 : K=0.00000000"));
}

}  // namespace
}  // namespace cp
