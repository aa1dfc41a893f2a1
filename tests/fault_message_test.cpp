// The one line the user reads for each kind of fault, word for word.
#include <gtest/gtest.h>

#include "fault_message.h"

namespace cp {
namespace {

struct Row {
  const char* name;
  FaultDetails fault;
  const char* message;
};

const Row kRows[] = {
    {"no_triangle",
     {.kind = FaultKind::NoTriangle, .index = 3, .sides = {1, 5, 1.5}},
     "第 3 个三角形的边长 S(5)=1、S(6)=5、S(7)=1.5 不能构成三角形，计算中止"},
    {"degenerate_after_adjustment",
     {.kind = FaultKind::DegenerateTriangle,
      .index = 1,
      .solution = Solution::Adjusted,
      .sides = {1, 2, 1}},
     "平差后第 1 个三角形的边长 S(1)=1、S(2)=2、S(3)=1 构成的三角形有 0 度或 180 度的角，计算中止"},
    {"zero_condition_sum",
     {.kind = FaultKind::ZeroConditionSum},
     "条件方程系数的平方和 [aa] 为零，无法求联系数 K，计算中止"},
    {"side_not_positive",
     {.kind = FaultKind::SideNotPositive,
      .quantity = Quantity::Correction,
      .index = 8,
      .solution = Solution::Adjusted,
      .value = -0.25},
     "平差改正后边长 S(8)=-0.25 不为正，观测边长有粗差，计算中止"},
    {"negative_weight",
     {.kind = FaultKind::NegativeWeight, .quantity = Quantity::WeightReciprocalY, .value = -3},
     "横座标权倒数 Py 为负数（-3），计算中止"},
    {"not_finite_cosine",
     {.kind = FaultKind::NotFinite,
      .quantity = Quantity::TriangleCosine,
      .index = 2,
      .sides = {1, 1e200, 1}},
     "第 2 个三角形的边长 S(3)=1、S(4)=1e+200、S(5)=1 的角度 超出数值范围，计算中止"},
    {"not_finite_coordinate",
     {.kind = FaultKind::NotFinite, .quantity = Quantity::Coordinate, .index = 4},
     "第 4 点的座标 超出数值范围，计算中止"},
    {"not_finite_length_ab",
     {.kind = FaultKind::NotFinite, .quantity = Quantity::LengthAB},
     "A-B 边长 超出数值范围，计算中止"},
    {"not_finite_point_precision",
     {.kind = FaultKind::NotFinite, .quantity = Quantity::PointPrecision, .index = 5},
     "第 5 点的点位精度 超出数值范围，计算中止"},
    {"not_finite_side_grade",
     {.kind = FaultKind::NotFinite,
      .quantity = Quantity::GradeCheck,
      .index = 1,
      .edm = {0.001, 2}},
     "测距精度 0.001+2 下平差后边长 S(1) 的中误差 超出数值范围，计算中止"},
    {"not_finite_closure_limit",
     {.kind = FaultKind::NotFinite, .quantity = Quantity::GradeCheck, .edm = {1000, 1000}},
     "测距精度 1000+1000 下闭合差的限差 超出数值范围，计算中止"},
};

TEST(FaultMessage, EachKindSaysWhatFailedAndWhere) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fault_message(row.fault), row.message);
  }
}

}  // namespace
}  // namespace cp
