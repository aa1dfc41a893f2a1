#include "fault_message.h"

#include "number_text.h"

namespace cp {
namespace {

std::string number(int k) { return shortest_text(static_cast<double>(k)); }

std::string triangle_sides(const Fault& fault) {
  const int i = fault.index;
  std::string out = fault.solution == Solution::Adjusted ? "平差后第 " : "第 ";
  out += number(i) + " 个三角形的边长 ";
  for (int j = 0; j < 3; ++j) {
    if (j > 0) out += "、";
    out += "S(" + number(2 * i - 1 + j) + ")=" + shortest_text(fault.sides[j]);
  }
  return out;
}

std::string quantity_name(const Fault& fault) {
  const std::string k = number(fault.index);
  switch (fault.quantity) {
    case Quantity::LengthAB: return "A-B 边长";
    case Quantity::AzimuthAB: return "A-B 座标方位角";
    case Quantity::TriangleCosine: return triangle_sides(fault) + " 的角度";
    case Quantity::Coefficient: return "边 S(" + k + ") 的条件方程系数";
    case Quantity::Correlate: return "联系数 K";
    case Quantity::Correction: return "边 S(" + k + ") 的改正数";
    case Quantity::Azimuth: return "至第 " + k + " 点的座标方位角";
    case Quantity::Coordinate: return "第 " + k + " 点的座标";
    case Quantity::CoordinateCoefficient: return "边 S(" + k + ") 的座标系数";
    case Quantity::WeightReciprocalX: return "纵座标权倒数 Px";
    case Quantity::WeightReciprocalY: return "横座标权倒数 Py";
    case Quantity::Precision: return "精度评定的中误差";
  }
  return "计算值";
}

}  // namespace

std::string fault_message(const Fault& fault) {
  switch (fault.kind) {
    case FaultKind::NoTriangle: return triangle_sides(fault) + " 不能构成三角形，计算中止";
    case FaultKind::DegenerateTriangle:
      return triangle_sides(fault) + " 构成的三角形有 0 度或 180 度的角，计算中止";
    case FaultKind::ZeroConditionSum:
      return "条件方程系数的平方和 [aa] 为零，无法求联系数 K，计算中止";
    case FaultKind::SideNotPositive:
      return "平差改正后边长 S(" + number(fault.index) + ")=" + shortest_text(fault.value) +
             " 不为正，观测边长有粗差，计算中止";
    case FaultKind::NegativeWeight:
      return quantity_name(fault) + " 为负数（" + shortest_text(fault.value) + "），计算中止";
    case FaultKind::NotFinite: return quantity_name(fault) + " 超出数值范围，计算中止";
  }
  return "计算中止";
}

}  // namespace cp
