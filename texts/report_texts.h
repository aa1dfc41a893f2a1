#pragma once

#include <string_view>

// The literals of the printed report, inner blanks exactly as printed.
namespace cp::report_text {

inline constexpr std::string_view kTitle = "--- 中心多边形三边平差 ---";
inline constexpr std::string_view kFromKnownSide = "( 由已知边起算 )";
inline constexpr std::string_view kFromOutsideAzimuth = "( 由外方位推算 )";
inline constexpr std::string_view kStartData = "起始点座标 :";
inline constexpr std::string_view kPointA = "起始点 A  :";
inline constexpr std::string_view kXa = "xa=";
inline constexpr std::string_view kYa = "ya=";
inline constexpr std::string_view kAzimuth = "起始方位角:";
inline constexpr std::string_view kTa = "Ta=";
inline constexpr std::string_view kOrientationAngle = "起始定向角:";
inline constexpr std::string_view kQa = "Qa=";
inline constexpr std::string_view kPointB = "起始点 B  :";
inline constexpr std::string_view kXb = "xb=";
inline constexpr std::string_view kYb = "yb=";
inline constexpr std::string_view kObservedSides = "观测边长 (米):";
inline constexpr std::string_view kAdjustedSides = "平差改正后边长 (米):";
inline constexpr std::string_view kClosure = "中心条件闭合差 : w=";
inline constexpr std::string_view kSecondsUnit = " (秒)";
inline constexpr std::string_view kCorrelate = "法方程式联系数 : K=";
inline constexpr std::string_view kResults = "平差结果 :";
inline constexpr std::string_view kNameEnd = " :";
inline constexpr std::string_view kPrecision = "精度评定 :";
inline constexpr std::string_view kMs = "单位权测边中误差  :    ms=";
inline constexpr std::string_view kMillimetresUnit = " (毫米)";
inline constexpr std::string_view kEvaluatedPoint = "( 待定点 ) :";
inline constexpr std::string_view kPx = "单位权纵座标权倒数 : 1/px=";
inline constexpr std::string_view kPy = "单位权横座标权倒数 : 1/py=";
inline constexpr std::string_view kMx = "纵座标单位权中误差 :   mx=";
inline constexpr std::string_view kMy = "横座标单位权中误差 :   my=";
inline constexpr std::string_view kMd = "  单位权点位中误差 :   md=";

// The appendix: every point's precision and the network drawn to scale.
inline constexpr std::string_view kAppendixTitle = "点位精度与误差椭圆";
inline constexpr std::string_view kDrawingScale = "比例尺 1:{scale}    误差椭圆放大 {factor} 倍";
inline constexpr std::string_view kLegend = "△ 已知点    ◎ 中心点    ○ 待定点";
inline constexpr std::string_view kCalculatedAt = "计算时间 {time}";
inline constexpr std::string_view kTimeFormat = "%Y-%m-%d %H:%M:%S";
inline constexpr std::string_view kSignatures = "计算者：______________    检查者：______________";
inline constexpr std::string_view kBarLength = "{length} 米";
inline constexpr std::string_view kNorth = "北";
inline constexpr std::string_view kRoleA = " (A)";
inline constexpr std::string_view kRoleB = " (B)";
inline constexpr std::string_view kRoleCentre = " (中心)";
inline constexpr std::string_view kPointName = "点名";
inline constexpr std::string_view kMxColumn = "mx";
inline constexpr std::string_view kMyColumn = "my";
inline constexpr std::string_view kMdColumn = "md";
inline constexpr std::string_view kEColumn = "E";
inline constexpr std::string_view kFColumn = "F";
inline constexpr std::string_view kPhiColumn = "φ";
inline constexpr std::string_view kMillimetresColumn = "(毫米)";
inline constexpr std::string_view kDegreesColumn = "(度)";
inline constexpr std::string_view kKnownPoint = "已知点";

// The grade check: the closure against its limit, every adjusted side's mean error.
inline constexpr std::string_view kGradeTitle = "限差检核";
inline constexpr std::string_view kGradeEdm = "测距精度 {a} mm + {b} ppm";
inline constexpr std::string_view kGradeClosure =
    "闭合差 w = {w} 秒    中误差 m_w = {m_w} 秒    限差 2m_w = {limit} 秒    {verdict}";
inline constexpr std::string_view kGradePass = "合格";
inline constexpr std::string_view kGradeFail = "超限";
inline constexpr std::string_view kSideColumn = "边号";
inline constexpr std::string_view kObservedColumn = "观测边长";
inline constexpr std::string_view kCorrectionColumn = "改正数 v";
inline constexpr std::string_view kAdjustedColumn = "平差后边长";
inline constexpr std::string_view kSideErrorColumn = "中误差";
inline constexpr std::string_view kRelativeErrorColumn = "相对中误差";
inline constexpr std::string_view kMetresColumn = "(米)";
inline constexpr std::string_view kRelativeErrorUnit = "1/T";
inline constexpr std::string_view kSideName = "S({k})";
inline constexpr std::string_view kRelativeError = "1/{T}";
inline constexpr std::string_view kWeakestMark = "最弱边";
inline constexpr std::string_view kWeakestSide = "最弱边 S({k})    相对中误差 1/{T}";

// The grade the work is judged by, each of its checks and the verdict.
inline constexpr std::string_view kGradeStandard =
    "等级 {grade}：测边相对中误差 ≤ 1/{side}，最弱边边长相对中误差 ≤ 1/{weakest}";
inline constexpr std::string_view kGradeEdmSides = "测边精度 σ/S ≤ 1/{side}    {verdict}";
inline constexpr std::string_view kGradeEdmSidesFailing = "    超过的边：{sides}";
inline constexpr std::string_view kGradeWeakestSide =
    "最弱边 S({k})  1/{T} ≤ 1/{weakest}    {verdict}";
inline constexpr std::string_view kGradeClosureCheck = "闭合差 |w| ≤ 2m_w    {verdict}";
inline constexpr std::string_view kGradeConforms = "结论：符合{grade}";
inline constexpr std::string_view kGradeDoesNotConform = "结论：不符合{grade}（{failed}）";
inline constexpr std::string_view kFailedEdm = "测边精度";
inline constexpr std::string_view kFailedWeakestSide = "最弱边";
inline constexpr std::string_view kFailedClosure = "闭合差";
inline constexpr std::string_view kListSeparator = "、";

// Every observed side's two points, one relative to the other.
inline constexpr std::string_view kPairsTitle = "相邻点相对精度";
inline constexpr std::string_view kFromColumn = "起点";
inline constexpr std::string_view kToColumn = "终点";
inline constexpr std::string_view kPairErrorColumn = "m";
inline constexpr std::string_view kWeakestPairMark = "最弱相邻点";
inline constexpr std::string_view kWeakestPair =
    "最弱相邻点 {from}—{to} (S({k}))    相对点位中误差 {m} 毫米";
inline constexpr std::string_view kWeakestPoint = "最弱点 {name}    点位中误差 md = {md} 毫米";

inline constexpr std::string_view kNothingToPrint = "没有完整的计算结果可以打印，请先完成一次计算";

}  // namespace cp::report_text
