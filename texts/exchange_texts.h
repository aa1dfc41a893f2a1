#pragma once

#include <string_view>

// The texts of the files the program exchanges with spreadsheets, CAD and GNU Gama:
// the polygon sheet's labels and notes, the coordinate table's headings, the roles of
// points, and the messages about sheets. "{k}", "{row}", "{label}" and "{value}" stand
// for what the text names.
namespace cp::exchange_text {

// The polygon sheet.
inline constexpr std::string_view kSheetTitle = "中心多边形三边平差 数据表";
inline constexpr std::string_view kLabelHeading = "标签";
inline constexpr std::string_view kValueHeading = "数值";
inline constexpr std::string_view kNoteHeading = "说明";
inline constexpr std::string_view kIndexHeading = "点号";
inline constexpr std::string_view kNameHeading = "点名";
inline constexpr std::string_view kLengthHeading = "观测边长 (米)";
inline constexpr std::string_view kKindHeading = "类型";
inline constexpr std::string_view kFromHeading = "起点";
inline constexpr std::string_view kToHeading = "终点";
inline constexpr std::string_view kPointLabel = "点";
inline constexpr std::string_view kSideLabel = "S({k})";
inline constexpr std::string_view kNoteN = "三角形个数";
inline constexpr std::string_view kNoteXa = "起始点 A 纵座标 (米)";
inline constexpr std::string_view kNoteYa = "起始点 A 横座标 (米)";
inline constexpr std::string_view kNoteXb = "闭合点 B 纵座标 (米)，没有 B 点填 0";
inline constexpr std::string_view kNoteYb = "闭合点 B 横座标 (米)，没有 B 点填 0";
inline constexpr std::string_view kNoteM = "有 B 点时：B 在多边形外侧填 1，在中心填 2";
inline constexpr std::string_view kNoteT0 = "没有 B 点时：起始方位角 (度.分秒)";
inline constexpr std::string_view kNoteQ1 = "A 点定向角 (度.分秒)，不在 S2 边填 0";
inline constexpr std::string_view kNoteQ2 = "Q1 为 0 时：A 点定向角，不在 S1 边填 0";
inline constexpr std::string_view kNoteQ3 = "Q1、Q2 都为 0 时：A 点定向角";
inline constexpr std::string_view kNoteMa = "测距固定误差 a (毫米)，可不填";
inline constexpr std::string_view kNoteMb = "测距比例误差 b (毫米/公里)，可不填";
inline constexpr std::string_view kGradeLabel = "等级";
inline constexpr std::string_view kNoteGrade = "测量等级，如 四等（需要测距精度），可不填";
inline constexpr std::string_view kRadialSide = "径向边";
inline constexpr std::string_view kPerimeterSide = "周边";

// Roles of the points in the coordinate table.
inline constexpr std::string_view kKnownPoint = "已知点";
inline constexpr std::string_view kCentrePoint = "中心点";
inline constexpr std::string_view kNewPoint = "待定点";
inline constexpr std::string_view kCoordinateHeadings[] = {
    "点号",      "点名",      "类别",     "X (米)",   "Y (米)", "mx (毫米)",
    "my (毫米)", "md (毫米)", "E (毫米)", "F (毫米)", "φ (度)"};

// A name a file cannot hold: "{what}" is one of the kinds below, "{code}" its U+XXXX.
inline constexpr std::string_view kNameRefused =
    "第 {k} 点的点名 {name} 含有{what} ({code})，不能写入{file}";
inline constexpr std::string_view kLineBreak = "换行符";
inline constexpr std::string_view kControlCharacter = "控制字符";
inline constexpr std::string_view kComma = "逗号";
inline constexpr std::string_view kBeyondDxf = " DXF R12 无法表示的字符";
inline constexpr std::string_view kFileDxf = " DXF 网图";
inline constexpr std::string_view kFileGama = " GNU Gama 文件";
inline constexpr std::string_view kFilePointFile = " .dat 点文件";

inline constexpr std::string_view kNameNotGbk =
    "点名 {name} 含有 GBK 编码无法表示的字符，不能写入 .dat 点文件";

// The note of the network file.
inline constexpr std::string_view kEllipseNote = "误差椭圆放大 {factor} 倍";

// Messages about a sheet that cannot be read.
inline constexpr std::string_view kSheetMissing = "数据表缺少 {label} 一行";
inline constexpr std::string_view kSheetRepeated = "{label} 重复出现";
inline constexpr std::string_view kSheetNotANumber = "{label} 的值 {value} 不是数值";
inline constexpr std::string_view kSheetUnknownLabel = "不认识的标签 {label}";
inline constexpr std::string_view kSheetGarbledLabel =
    "不认识的标签 {label}：文字变成了问号或乱码，多半是数据表用错误的字符集打开后又保存了；"
    "请用 UTF-8 字符集打开原来的数据表，再保存";
inline constexpr std::string_view kSheetSideCount =
    "{label} 与三角形个数 N 不符，N 个三角形的数据表应有 {count} 条观测边";
inline constexpr std::string_view kSheetPointCount = "点号 {value} 与三角形个数 N 不符";
inline constexpr std::string_view kSheetEdmRefused =
    "测距精度 ma={a}、mb={b} 不可用，应为 0 或 0.001 到 1000，且不能都为 0";
inline constexpr std::string_view kSheetShiftedSide =
    "{label} 多出一个数值 {value}，小数点是否写成了逗号？";
// An office's own table of grades, grades.csv, and why a row of it is refused.
inline constexpr std::string_view kGradeHeadings[] = {"等级", "平均边长 (km)", "测边相对中误差",
                                                      "最弱边边长相对中误差"};
inline constexpr std::string_view kGradeTableHeading =
    "第一行应是 等级,平均边长 (km),测边相对中误差,最弱边边长相对中误差";
inline constexpr std::string_view kGradeNoName = "等级的名称是空的";
inline constexpr std::string_view kGradeRepeated = "等级 {grade} 重复出现";
inline constexpr std::string_view kGradeMeanSide = "{grade} 的平均边长 {value} 不是正数 (公里)";
inline constexpr std::string_view kGradeLimit =
    "{grade} 的限差 {value} 不是 1/D 的分数（D 为 1 到 1000000000 的整数），例如 1/40000";
inline constexpr std::string_view kGradeExtraCell = "一行多出一栏 {value}：每行只有四栏";
inline constexpr std::string_view kGradeTableEmpty = "等级表中没有任何等级";
inline constexpr std::string_view kNameSeparator = "、";

inline constexpr std::string_view kSheetExtraCell =
    "{label} 一行多出一栏 {value}，小数点是否写成了逗号？";
inline constexpr std::string_view kSheetWrongKind = "{label} 是{kind}，类型一栏却是 {value}";
inline constexpr std::string_view kSheetWrongRole =
    "点 {k} 按三角形个数和已知数据是{role}，这一行的类别却是 {value}；请检查各点的次序";
inline constexpr std::string_view kSheetSeparator =
    "各列不是以逗号分隔的：请在 Excel 或 WPS 中“另存为”“CSV UTF-8（逗号分隔）”";

// The roles of the points of the sheet, in its 类别 column.
inline constexpr std::string_view kRoleHeading = "类别";
inline constexpr std::string_view kRoleA = "起始点 A";
inline constexpr std::string_view kRoleB = "闭合点 B";
inline constexpr std::string_view kRoleCentre = "中心点";
inline constexpr std::string_view kRoleNew = "待定点";
// The end of a side in a blank sheet, before the points have names.
inline constexpr std::string_view kPointReference = "点 {k}";
inline constexpr std::string_view kSheetAt = "第 {row} 行 {label}：";

}  // namespace cp::exchange_text
