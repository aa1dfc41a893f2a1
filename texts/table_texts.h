#pragma once

#include <string_view>

// The texts of the data table: its window, its status line and its questions. "{label}"
// stands for a row's label (S(5), Xa, 点 3), other names in braces for what they name.
namespace cp::table_text {

inline constexpr std::string_view kTitle = "数据表";
inline constexpr std::string_view kCalculate = "计算";
inline constexpr std::string_view kMenuTable = "数据表…";

// Why a cell is not taken, naming its row.
inline constexpr std::string_view kRefused = "{label}：{reason}";
inline constexpr std::string_view kFixedCell = "{label} 的“{column}”由数据表给出，不能修改";
inline constexpr std::string_view kFixedRow = "标题、栏目名和空行不能修改";
inline constexpr std::string_view kPastedBeyond = "粘贴的第 {line} 行超出了数据表的末尾";
inline constexpr std::string_view kEdmRefused = "测距精度 a={a} 毫米、b={b} 毫米/公里不在可用范围";

// Why nothing is computed.
inline constexpr std::string_view kMissing = "{label} 没有填写，不能计算";

// The status line.
inline constexpr std::string_view kReady = "就绪";
inline constexpr std::string_view kComputed = "已计算";
inline constexpr std::string_view kNotComputed = "计算没有完成";
inline constexpr std::string_view kStale = "数据已修改，灰色的结果需重新计算 (F9)";

// The results beside the data.
inline constexpr std::string_view kCorrectionHeading = "改正数 v (毫米)";
inline constexpr std::string_view kAdjustedHeading = "平差边长 (米)";
inline constexpr std::string_view kSideErrorHeading = "边长中误差 (毫米)";
inline constexpr std::string_view kRelativeHeading = "相对中误差";
inline constexpr std::string_view kXHeading = "X (米)";
inline constexpr std::string_view kYHeading = "Y (米)";
inline constexpr std::string_view kMdHeading = "点位中误差 md (毫米)";

// Closing with edits not saved, and an unsaved table found at start.
inline constexpr std::string_view kAskSave = "数据表有未保存的修改，是否保存？";
inline constexpr std::string_view kSave = "保存";
inline constexpr std::string_view kDontSave = "不保存";
inline constexpr std::string_view kRecovered =
    "上次程序没有正常结束，数据表有未保存的修改。是否恢复？";

}  // namespace cp::table_text
