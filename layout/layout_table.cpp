#include "layout_table.h"

#include <stdexcept>

#include <cstring>

namespace cp {
namespace {

constexpr Rgb kCyan = kWindowBackground;
constexpr Rgb kOrange{255, 192, 128};
constexpr Rgb kGrey{192, 192, 192};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};

constexpr FontSpec kDefault{Face::Sans, 8.25, true};
constexpr FontSpec kSong9{Face::Song, 9, true};
constexpr FontSpec kSong10{Face::Song, 10.5, true};
constexpr FontSpec kSong12{Face::Song, 12, true};
constexpr FontSpec kSong14{Face::Song, 14.25, true};
constexpr FontSpec kPoint{Face::Sans, 13.5, true};
constexpr FontSpec kBracket{Face::Sans, 18, true};

constexpr Kind L = Kind::Label;
constexpr Kind F = Kind::Field;
constexpr Kind B = Kind::Button;

// A point of a sketch. Its label has no stored size; this one holds a 13.5 pt letter.
ControlSpec point(const char* caption, int left, int top) {
  return {"", L, left, top, 255, 375, caption, kPoint, kCyan};
}

// A side name of a sketch: 255 wide, 375 for a two-digit name.
ControlSpec side(const char* caption, int left, int top) {
  return {"", L, left, top, std::strlen(caption) > 2 ? 375 : 255, 255, caption, kDefault, kCyan};
}

// The tables keep one row a line, as the window is drawn: the formatter leaves them alone.
// clang-format off
const std::vector<ControlSpec> kControls{
    // Buttons.
    {"Command1", B, 7200, 9240, 855, 495, "计  算", kSong9, kOrange, std::nullopt, Command::Calculate},
    {"Command2", B, 8280, 9240, 855, 495, "结  束", kSong9, kOrange, std::nullopt, Command::End},
    {"Command3", B, 9360, 9240, 855, 495, "打 印", kSong9, kGrey, std::nullopt, Command::Print},

    // Input column: fields, short labels and captions.
    {"Text1", F, 2400, 3600, 2775, 315, "", kSong9, kWhite, Field::Orientation},
    {"Text50", F, 2640, 4200, 2535, 270, "", kSong9, kWhite, Field::TriangleCount},
    {"Text2", F, 3360, 4800, 1455, 270, "", kSong9, kWhite, Field::Xa},
    {"Text3", F, 3360, 5400, 1455, 270, "", kSong9, kWhite, Field::Ya},
    {"Text4", F, 3360, 6000, 1455, 270, "", kSong9, kWhite, Field::Xb},
    {"Text5", F, 3360, 6600, 1455, 270, "", kSong9, kWhite, Field::Yb},
    {"Text6", F, 3360, 7320, 1455, 270, "", kSong9, kWhite, Field::StartAzimuth},
    {"Text7", F, 3360, 7920, 1455, 270, "", kSong9, kWhite, Field::Q1},
    {"Text22", F, 3360, 8280, 1455, 270, "", kSong9, kWhite, Field::Q2},
    {"Text23", F, 3360, 8640, 1455, 270, "", kSong9, kWhite, Field::Q3},
    {"", L, 2400, 4200, 255, 255, " N", kDefault, kCyan},
    {"", L, 3000, 4800, 375, 255, " Xa", kDefault, kCyan},
    {"", L, 3000, 5400, 375, 255, " Ya", kDefault, kCyan},
    {"", L, 3000, 6000, 375, 255, " Xb", kDefault, kCyan},
    {"", L, 3000, 6600, 375, 255, " Yb", kDefault, kCyan},
    {"", L, 3000, 7320, 375, 255, " To", kDefault, kCyan},
    {"", L, 3000, 7920, 375, 255, " Q1", kDefault, kCyan},
    {"", L, 3000, 8280, 375, 255, " Q2", kDefault, kCyan},
    {"", L, 3000, 8640, 375, 255, " Q3", kDefault, kCyan},
    {"", L, 3360, 3960, 1095, 255, "三角形个数 ", kSong9, kCyan},
    {"", L, 3240, 3360, 1455, 255, "已知边位置说明", kSong9, kCyan},
    {"", L, 3360, 4560, 1335, 255, "已知点A纵座标", kSong9, kCyan},
    {"", L, 3360, 5160, 1335, 255, "已知点A横座标", kSong9, kCyan},
    {"", L, 3360, 5760, 1335, 255, "已知点B纵座标", kSong9, kCyan},
    {"", L, 3360, 6360, 1335, 255, "已知点B横座标", kSong9, kCyan},
    {"", L, 3600, 7080, 1095, 255, "已知方位角       ", kSong9, kCyan},
    {"", L, 3600, 7680, 855, 255, "外定向角", kSong9, kCyan},

    // Result column: closure and precision.
    {"Text12", F, 7560, 4560, 1095, 270, "", kSong9, kWhite, Field::Closure},
    {"Text13", F, 9120, 4560, 1095, 270, "", kSong9, kWhite, Field::UnitWeightError},
    {"Text14", F, 6360, 5145, 1095, 270, "", kSong9, kWhite, Field::WeightReciprocalX},
    {"Text15", F, 6360, 5745, 1095, 270, "", kSong9, kWhite, Field::WeightReciprocalY},
    {"Text16", F, 8040, 5145, 1215, 270, "", kSong9, kWhite, Field::ErrorX},
    {"Text17", F, 8040, 5745, 1215, 270, "", kSong9, kWhite, Field::ErrorY},
    {"Text18", F, 9960, 5505, 1215, 270, "", kSong9, kWhite, Field::PointError},
    {"", L, 7200, 4560, 375, 255, " wb", kDefault, kCyan},
    {"", L, 8760, 4560, 375, 255, " ms", kDefault, kCyan},
    {"", L, 6000, 5160, 375, 255, " Px", kDefault, kCyan},
    {"", L, 6000, 5760, 375, 255, " Py", kDefault, kCyan},
    {"", L, 7680, 5160, 375, 255, " mx", kDefault, kCyan},
    {"", L, 7680, 5760, 375, 255, " my", kDefault, kCyan},
    {"", L, 9600, 5520, 375, 255, " md", kDefault, kCyan},
    {"", L, 7560, 4320, 1095, 255, " 图形闭合差", kSong9, kCyan},
    {"", L, 8880, 4320, 1575, 255, "单位权测边中误差", kSong9, kCyan},
    {"", L, 6360, 4920, 1215, 255, "纵座标权倒数", kSong9, kCyan},
    {"", L, 6360, 5520, 1215, 255, "横座标权倒数 ", kSong9, kCyan},
    {"", L, 7680, 4920, 1935, 255, " 纵座标单位权中误差 ", kSong9, kCyan},
    {"", L, 7800, 5520, 1815, 255, "横座标单位权中误差", kSong9, kCyan},
    {"", L, 9720, 5280, 1575, 255, "单位权点位中误差", kSong9, kCyan},

    // Result column: observed sides and the point-by-point output.
    {"Text8", F, 6240, 7080, 1815, 285, "", kSong9, kWhite, Field::SideHint},
    {"Text19", F, 8040, 7080, 1335, 285, "", kSong9, kWhite, Field::OddSide},
    {"Text20", F, 9360, 7080, 1335, 285, "", kSong9, kWhite, Field::EvenSide},
    {"Text21", F, 5520, 8520, 1935, 285, "", kSong9, kWhite, Field::PointHint},
    {"Text9", F, 7440, 8520, 735, 285, "", kSong9, kWhite, Field::PointName},
    {"Text10", F, 8520, 8520, 1455, 285, "", kSong9, kWhite, Field::PointX},
    {"Text11", F, 10320, 8520, 1455, 285, "", kSong9, kWhite, Field::PointY},
    {"", L, 6720, 6840, 1215, 255, "输入边号提示", kSong9, kCyan},
    {"", L, 8400, 6840, 855, 255, "奇数边长", kSong9, kCyan},
    {"", L, 9960, 6840, 855, 255, "偶数边长", kSong9, kCyan},
    {"", L, 6000, 8280, 1215, 255, "输入点号提示", kSong9, kCyan},
    {"", L, 7560, 8280, 615, 255, "点 名", kSong9, kCyan},
    {"", L, 8160, 8520, 375, 255, " Xp", kDefault, kCyan},
    {"", L, 9960, 8520, 375, 255, " Yp", kDefault, kCyan},
    {"", L, 8880, 8280, 855, 255, "纵 座 标", kSong9, kCyan},
    {"", L, 10680, 8280, 855, 255, "横 座 标 ", kSong9, kCyan},

    // Panel headings.
    {"", L, 7320, 3360, 2775, 255, "中心多边形三边平差", kSong12, kCyan},
    {"", L, 5640, 3960, 2055, 255, "( 精 度 评 定 )", kSong12, kCyan},
    {"", L, 8040, 6480, 1455, 255, "( 观测边长 )", kSong10, kCyan},
    {"", L, 6960, 7920, 3615, 255, "（ 平 差 计 算 结 果 ）", kSong14, kCyan},

    // Sketch: B outside, on the ring.
    {"", L, 2880, 2280, 1095, 375, "( m=1 )", kPoint, kCyan},
    point("1", 2040, 1200), point("2", 2520, 360), point("3", 3960, 360), point("4", 4440, 1200),
    point("5", 3240, 1320), point("A", 2520, 2160), point("B", 3960, 2040),
    side("S1", 2880, 1560), side("S2", 2280, 1560), side("S3", 2520, 1200), side("S4", 2280, 840),
    side("S5", 2880, 840), side("S6", 3120, 480), side("S7", 3480, 840), side("S8", 4080, 840),
    side("S9", 3720, 1200), side("S10", 4080, 1560), side("S11", 3480, 1560),
    {"", L, 1680, 2160, 855, 255, "[ Xa,Ya ]", kDefault, kCyan},
    {"", L, 4200, 2040, 855, 255, "[ Xb,Yb ]", kDefault, kCyan},

    // Sketch: B at the centre.
    {"", L, 6960, 2280, 1095, 375, "( m=2 )", kPoint, kCyan},
    point("1", 6000, 1200), point("2", 6480, 360), point("3", 7920, 360), point("4", 8520, 1080),
    point("5", 8040, 2040), point("A", 6480, 2040), point("B", 7200, 1320),
    side("S2", 6240, 1560), side("S3", 6600, 1200), side("S4", 6240, 840), side("S5", 6840, 840),
    side("S6", 7200, 480), side("S7", 7560, 840), side("S8", 8160, 840), side("S9", 7800, 1200),
    side("S10", 8160, 1560), side("S11", 7560, 1680), side("S12", 7080, 1920),
    {"", L, 5640, 2160, 855, 255, "[ Xa,Ya ]", kDefault, kCyan},

    // Sketch: no point B, oriented by an outside azimuth.
    {"", L, 11280, 2160, 855, 735, "Xb=0  Yb=0", kPoint, kCyan},
    {"", L, 11040, 2280, 135, 495, "(", kBracket, kCyan},
    {"", L, 12120, 2280, 135, 495, ")", kBracket, kCyan},
    point("1", 10200, 1080), point("2", 10680, 360), point("3", 12240, 360), point("4", 12840, 1200),
    point("5", 12360, 2040), point("6", 11520, 1320), point("A", 10680, 2040),
    side("S1", 11040, 1560), side("S2", 10440, 1440), side("S3", 10800, 1200),
    side("S4", 10440, 840), side("S5", 11040, 840), side("S6", 11400, 480), side("S7", 11880, 840),
    side("S8", 12480, 840), side("S9", 12120, 1200), side("S10", 12480, 1560),
    side("S11", 11880, 1680), side("S12", 11400, 1920),
    {"", L, 9840, 2160, 855, 255, "[ Xa,Ya ]", kDefault, kCyan},
    {"", L, 9120, 960, 375, 375, "Ta", kPoint, kCyan},
    {"", L, 9720, 1200, 255, 255, "Q1", kDefault, kCyan},
    {"", L, 9840, 1680, 255, 255, "Q2", kDefault, kCyan},
    {"", L, 10200, 1920, 255, 255, "Q3", kDefault, kCyan},
};

const std::vector<LineSpec> kLines{
    // The panel frame and its dividers.
    {2280, 3120, 12000, 3120, kBlue, 3}, {2280, 9000, 12000, 9000, kBlue, 3},
    {2280, 3120, 2280, 9000, kBlue, 3},  {12000, 3120, 12000, 9000, kBlue, 3},
    {5280, 3120, 5280, 9000, kBlue, 3},  {5280, 3840, 12000, 3840, kBlue, 3},
    {5280, 6240, 12000, 6240, kBlue, 3}, {5280, 7680, 12000, 7680, kBlue, 3},

    // Sketch: B outside.
    {2640, 600, 3960, 600, kBlack, 2},   {3960, 600, 4440, 1320, kBlack, 2},
    {4440, 1320, 3960, 2040, kBlack, 2}, {2640, 600, 2160, 1320, kBlack, 2},
    {2160, 1320, 2640, 2040, kBlack, 2}, {2160, 1320, 4440, 1320, kBlack, 2},
    {3960, 600, 2640, 2040, kBlack, 2},  {2640, 600, 3960, 2040, kBlack, 2},
    {2640, 2040, 3960, 2040, kRed, 3},

    // Sketch: B at the centre.
    {6600, 600, 8040, 600, kBlack, 2},   {8040, 600, 8520, 1320, kBlack, 2},
    {8520, 1320, 8040, 2040, kBlack, 2}, {6600, 2040, 8040, 2040, kBlack, 2},
    {6600, 600, 6120, 1320, kBlack, 2},  {6120, 1320, 6600, 2040, kBlack, 2},
    {6120, 1320, 8520, 1320, kBlack, 2}, {6600, 600, 8040, 2040, kBlack, 2},
    {8040, 600, 7320, 1320, kBlack, 2},  {7320, 1320, 6600, 2040, kRed, 3},

    // Sketch: no point B.
    {10800, 600, 12360, 600, kBlack, 2},   {12360, 600, 12840, 1320, kBlack, 2},
    {12840, 1320, 12360, 2040, kBlack, 2}, {10800, 2040, 12360, 2040, kBlack, 2},
    {10800, 600, 10320, 1320, kBlack, 2},  {10320, 1320, 10800, 2040, kBlack, 2},
    {10320, 1320, 12840, 1320, kBlack, 2}, {12360, 600, 10800, 2040, kBlack, 2},
    {10800, 600, 12360, 2040, kBlack, 2},  {10800, 2040, 9360, 1320, kRed, 3},
    {9360, 1320, 9600, 1320, kRed, 1},     {9360, 1320, 9480, 1560, kRed, 1},
    {9840, 1560, 10440, 1440, kBlue, 2},   {10080, 1680, 11040, 1800, kBlue, 2},
    {10560, 1920, 11280, 2040, kBlue, 2},
};
// clang-format on

}  // namespace

const std::vector<ControlSpec>& window_controls() { return kControls; }
const std::vector<LineSpec>& window_lines() { return kLines; }

bool caption_wraps(const ControlSpec& label) {
  constexpr int kLabelLineTwips = 255;
  return label.height > 2 * kLabelLineTwips;
}

const ControlSpec& control_of(Field field) {
  for (const ControlSpec& control : kControls)
    if (control.field == field) return control;
  throw std::logic_error("control_of: a field the window does not have");
}

const ControlSpec& control_of(Command command) {
  for (const ControlSpec& control : kControls)
    if (control.command == command) return control;
  throw std::logic_error("control_of: a button the window does not have");
}

}  // namespace cp
