#pragma once

#include <string_view>

// The text catalogue: every text the user sees outside the report and the window's
// captions, quoted exactly. The prompts, confirmation texts, hints and field texts of
// the Calculate command, then the program's own messages: refused answers, faults of
// the computation, printing. "{k}" stands for a number written as its shortest decimal
// text; other names in braces for the text the message names.
namespace cp::text {

// The program's name: the window's title, the title of every prompt, message and
// printed document.
inline constexpr std::string_view kProgramTitle = "中心多边形三边平差";
inline constexpr std::string_view kOk = "确定";
inline constexpr std::string_view kCancel = "取消";

// Number of triangles.
inline constexpr std::string_view kAskN = "请输入三角形个数 N:";
inline constexpr std::string_view kNameN = "三角形个数 N";
inline constexpr std::string_view kTrianglesBefore = " 中心多边形共有";
inline constexpr std::string_view kTrianglesAfter = "个三角形";

// The confirmation texts; each use names the one it takes.
inline constexpr std::string_view kConfirm1 =
    "确认输入是否正确?   输入正确单击 Enter 键 ;  错误输入零( 即为:0 ) ";
inline constexpr std::string_view kConfirm2 =
    "确认输入是否正确 ?   输入正确单击 Enter 键 ;  错误输入零( 即为:0 )";
inline constexpr std::string_view kConfirm3 =
    "确认输入是否正确 ?   输入正确按单击 Enter 键 ;  错误输入零( 即为:0 )";
inline constexpr std::string_view kConfirm4 =
    "确认输入是否正确 ?   输入正确单击 Enter 键 ; 错误输入零( 即为:0 )";

// Known points.
inline constexpr std::string_view kAskXa = "请输入起始点 A 纵座标 Xa:";
inline constexpr std::string_view kCorrectXa = "输入起始点 A 正确的纵座标 Xa:";
inline constexpr std::string_view kAskYa = "请输入起始点 A 横座标 Ya:";
inline constexpr std::string_view kCorrectYa = "输入起始点 A 正确的横座标 Ya:";
inline constexpr std::string_view kAskXb =
    "请输入闭合点 B 纵座标 Xb: ( 如果只有点起算 A ，没有闭合点 B ，则由外方向传递方位，Xb 请输入零 "
    ") ";
inline constexpr std::string_view kCorrectXb =
    "输入闭合点 B 正确的纵座标 Xb: ( 如果只有点起算 A ，没有闭合点 B ，则由外方向传递方位，Xb "
    "请输入零 ) ";
inline constexpr std::string_view kAskYb =
    "请输入闭合点 B 横座标 Yb: [ 如果只有点起算 A ，没有闭合点 B , 则由外方向传递方位，Yb 请输入零 "
    "]";
inline constexpr std::string_view kCorrectYb =
    "输入闭合点 B 正确的横座标 Yb: [ 如果只有点起算 A ，没有闭合点 B , 则由外方向传递方位，Yb "
    "请输入零 ]";

// Orientation by the known side A-B.
inline constexpr std::string_view kByKnownSide = "由已知边的座标方位角定向";
inline constexpr std::string_view kAskM =
    "请输入闭合点 B 的位置其判别符号 m 的数值: ( 如果 B 点位于多边形外侧输入 m=1,  如果 B "
    "点位于多边形中点输入 m=2 ) ";
inline constexpr std::string_view kNotOnS2 = "不在S2边定向";
inline constexpr std::string_view kNotOnS1 = "不在S1边定向";
inline constexpr std::string_view kNotOnLastSide = "不在S{k}边定向";

// Orientation by an outside azimuth.
inline constexpr std::string_view kAskT0 =
    "请输入由起始点 A 至图形外另外一个已知点的座标方位角 T0 的数值:（T0 是多边形的起算方位角）";
inline constexpr std::string_view kCorrectT0 =
    "输入正确的座标方位角 T0 的数值:（T0是多边形的起算方位角）";
inline constexpr std::string_view kByOutsideAzimuth = "独立多边形由外方位角定向";
inline constexpr std::string_view kAskQ1 =
    "请输入 A 点的定向角  Q1 的数值:( 如果定向角不在 S2 边，Q1 请输入零 )";
inline constexpr std::string_view kCorrectQ1 =
    "输入正确的定向角  Q1 的数值:( 如果定向角不在 S2 边，Q1 请输入零 )";
inline constexpr std::string_view kAskQ2 =
    "输入 A 正确的定向角  Q2 的数值:( 如果定向角不在 S1 边，Q2 请输入零 )";
inline constexpr std::string_view kCorrectQ2 =
    "输入 A 点正确的定向角  Q2 的数值:( 如果定向角不在 S1 边，Q2 请输入零 )";
inline constexpr std::string_view kAskQ3 = "输入 A 点的定向角  Q3 的数值:";
inline constexpr std::string_view kCorrectQ3 = "输入 A 点正确的定向角  Q3 的数值:";

// Point names.
inline constexpr std::string_view kHintA = "现在应该是起始点 A 点的点名";
inline constexpr std::string_view kAskNameA = "输入起始点 A 点的点名 :";
inline constexpr std::string_view kHintNewPoint = "现在应该是第{k}待定点";
inline constexpr std::string_view kAskNewPoint = "按顺时针方向输入第{k}待定点的点名 : ";
inline constexpr std::string_view kHintB = "现在应该是闭合点 B 点的点名";
inline constexpr std::string_view kAskNameB = "现在输入闭合点 B 点的点名:";
inline constexpr std::string_view kHintClosingA = "现在应该是闭合点 A 点的点名";
inline constexpr std::string_view kAskNameClosingA = "现在输入闭合点 A 点的点名:";

// Observed sides.
inline constexpr std::string_view kHintSide = "现在应该是 S{k}边长";
inline constexpr std::string_view kHintEvenSideNoB = "现在输入S{k}边长";
inline constexpr std::string_view kAskSide = "输入第{k}条观测边 S({k}) :";
inline constexpr std::string_view kAskEvenSideBOnRing = "输入第{k}条观测边 S){k}) :";
inline constexpr std::string_view kAskOddSideBAtCentre = "输入第{k}条观测边长 S({k}) :";
inline constexpr std::string_view kAskEvenSideNoB = "请输入观测偶数边长 S:";
inline constexpr std::string_view kCorrectSide = "输入正确的 S({k}) :";
inline constexpr std::string_view kCorrectOddSideNoB = "输入正确的奇数边长 S:";
inline constexpr std::string_view kCorrectEvenSideNoB = "输入正确的偶数边长 S:";
inline constexpr std::string_view kSideEcho = "S{k}=";

// Closure and precision.
inline constexpr std::string_view kSeconds = "秒";
inline constexpr std::string_view kMillimetres = "毫米";

// Point-by-point output.
inline constexpr std::string_view kAskNextPoint = "需要输出计算结果，请按输入键，或输入一个任意数";
inline constexpr std::string_view kNowShowing = "  现在输出";

// The program's own messages: one line each, naming what is wrong.
inline constexpr std::string_view kNotANumber = "{name} 的输入不是数值，请重新输入";
inline constexpr std::string_view kEmptyAnswer = "没有输入 {name} 的数值，计算中止";
inline constexpr std::string_view kBadN = "三角形个数 N 必须是 3 到 1000 之间的整数，请重新输入";
inline constexpr std::string_view kBadM = "判别符号 m 只能是 1 或 2，请重新输入";
inline constexpr std::string_view kIncompleteB =
    "Xb 与 Yb 只有一个为零，闭合点 B 的座标不完整，请重新输入 Xb 和 Yb";
inline constexpr std::string_view kBEqualsA = "闭合点 B 与起始点 A 的座标相同，请重新输入 Xb 和 Yb";
inline constexpr std::string_view kSideNotPositive = "边长 {name} 必须大于零，请重新输入";
inline constexpr std::string_view kNotDms =
    "{name} 的输入 {value} 不是度分秒 (ddd.mmss)：{unit}数为 {part}，应小于 60，请重新输入";
inline constexpr std::string_view kMinutesUnit = "分";
inline constexpr std::string_view kSecondsUnit = "秒";

// Faults of the computation: the value or triangle concerned, then why the run ends.
inline constexpr std::string_view kTriangleSides = "第 {k} 个三角形的边长 ";
inline constexpr std::string_view kAdjustedTriangleSides = "平差后第 {k} 个三角形的边长 ";
inline constexpr std::string_view kSideValue = "S({k})={value}";
inline constexpr std::string_view kSideName = "S({k})";  // how messages name a side
inline constexpr std::string_view kSideSeparator = "、";
inline constexpr std::string_view kNoTriangle = "{sides} 不能构成三角形，计算中止";
inline constexpr std::string_view kDegenerateTriangle =
    "{sides} 构成的三角形有 0 度或 180 度的角，计算中止";
inline constexpr std::string_view kZeroConditionSum =
    "条件方程系数的平方和 [aa] 为零，无法求联系数 K，计算中止";
inline constexpr std::string_view kAdjustedSideNotPositive =
    "平差改正后边长 S({k})={value} 不为正，观测边长有粗差，计算中止";
inline constexpr std::string_view kNegativeWeight = "{quantity} 为负数（{value}），计算中止";
inline constexpr std::string_view kNotFinite = "{quantity} 超出数值范围，计算中止";

// The values a fault can name.
inline constexpr std::string_view kQuantityUnnamed = "计算值";
inline constexpr std::string_view kQuantityLengthAB = "A-B 边长";
inline constexpr std::string_view kQuantityAzimuthAB = "A-B 座标方位角";
inline constexpr std::string_view kQuantityTriangleAngle = "{sides} 的角度";
inline constexpr std::string_view kQuantityCoefficient = "边 S({k}) 的条件方程系数";
inline constexpr std::string_view kQuantityCorrelate = "联系数 K";
inline constexpr std::string_view kQuantityCorrection = "边 S({k}) 的改正数";
inline constexpr std::string_view kQuantityAzimuth = "至第 {k} 点的座标方位角";
inline constexpr std::string_view kQuantityCoordinate = "第 {k} 点的座标";
inline constexpr std::string_view kQuantityCoordinateCoefficient = "边 S({k}) 的座标系数";
inline constexpr std::string_view kQuantityWeightReciprocalX = "纵座标权倒数 Px";
inline constexpr std::string_view kQuantityWeightReciprocalY = "横座标权倒数 Py";
inline constexpr std::string_view kQuantityPrecision = "精度评定的中误差";
inline constexpr std::string_view kQuantityPointPrecision = "第 {k} 点的点位精度";
inline constexpr std::string_view kClosureBeyondLimit =
    "闭合差 w = {w} 秒，超过限差 ±{limit} 秒（测距精度 {a} 毫米 + {b} 毫米/公里）";
inline constexpr std::string_view kGradeNotMet = "不符合{grade}：{failed}";
inline constexpr std::string_view kGradeNotMetEdm = "测边相对中误差大于 1/{side} 的边 {sides}";
inline constexpr std::string_view kGradeNotMetWeakest =
    "最弱边 S({k}) 相对中误差 1/{T} 大于 1/{weakest}";
inline constexpr std::string_view kGradeNotMetClosure = "闭合差 w = {w} 秒超过限差 ±{limit} 秒";
inline constexpr std::string_view kGradeNotMetSeparator = "；";
inline constexpr std::string_view kSideListSeparator = "、";
inline constexpr std::string_view kSidesInAll = "等共 {count} 条";
inline constexpr std::string_view kQuantityClosureLimit = "测距精度 {a}+{b} 下闭合差的限差";
inline constexpr std::string_view kQuantitySideGrade =
    "测距精度 {a}+{b} 下平差后边长 S({k}) 的中误差";

// Printing.
inline constexpr std::string_view kPdfFileName = "中心多边形三边平差.pdf";
inline constexpr std::string_view kPdfFilter = "PDF (*.pdf)";
inline constexpr std::string_view kPrinterFailed = "打印机 {printer} 未能打印报告：{reason}";
inline constexpr std::string_view kNoPrinter = "没有打印机，报告没有打印";
inline constexpr std::string_view kPrinterStopped = "打印机已停止，打印任务在队列中等待";
inline constexpr std::string_view kPdfFailed = "报告无法写入 PDF 文件 {path}：{reason}";
inline constexpr std::string_view kNoPdfPrinter =
    "没有安装 Microsoft Print to PDF 打印机，无法写出 PDF 文件";
inline constexpr std::string_view kPrintJobFailed = "打印任务没有完成";
inline constexpr std::string_view kNoPrinterPdf =
    "没有默认打印机：报告将通过 Microsoft Print to PDF 保存为 PDF 文件";
inline constexpr std::string_view kReplaceInput =
    "{path} 是{what}，用报告覆盖它会失去其中的答案。确定要覆盖吗？";
inline constexpr std::string_view kReplayedFile = "本次重放的答案文件";
inline constexpr std::string_view kJournalFile = "本次计算记录答案的文件";

// The files of a calculation: the window's menu and its save dialogs.
inline constexpr std::string_view kMenuOpen = "打开答案文件或数据表…";
inline constexpr std::string_view kMenuSaveSheet = "保存本次输入为数据表 (.csv)…";
inline constexpr std::string_view kMenuCoordinates = "输出座标表 (.csv)…";
inline constexpr std::string_view kMenuPointFile = "输出 CASS 点文件 (.dat)…";
inline constexpr std::string_view kMenuDxf = "输出网图 (.dxf)…";
inline constexpr std::string_view kMenuGama = "输出 GNU Gama 平差文件 (.xml)…";
inline constexpr std::string_view kMenuEdm = "测距精度…";
inline constexpr std::string_view kMenuNewSheet = "新建数据表…";
inline constexpr std::string_view kAskSheetN = "新建数据表：三角形个数 N（3 到 1000）";
inline constexpr std::string_view kAskSheetM =
    "新建数据表：1 = 闭合点 B 在多边形外侧，2 = B 在中心，3 = 没有 B 点（外方位角定向）";
inline constexpr std::string_view kSheetNRefused =
    "三角形个数 {value} 不是 3 到 1000 的整数，没有新建数据表";
inline constexpr std::string_view kSheetMRefused = "{value} 不是 1、2 或 3，没有新建数据表";
inline constexpr std::string_view kAskEdm =
    "测距精度 a+b（a 毫米，b 毫米/公里），例如 2+2；现在为 {current}。"
    "输入 0 不作限差检核，直接回车不改变";
inline constexpr std::string_view kEdmNone = "未设定";
inline constexpr std::string_view kEdmRefused =
    "测距精度 {value} 不是 a+b 的形式（a、b 为 0 或 0.001 到 1000，不能都为 0），没有改变";
inline constexpr std::string_view kEdmNotRemembered =
    "测距精度无法保存到 {path}：{reason}；本次运行仍然使用它";
inline constexpr std::string_view kMenuGrade = "测量等级…";
inline constexpr std::string_view kAskGrade =
    "测量等级（{names}），例如 四等；现在为 {current}。"
    "输入 0 不按等级检核，直接回车不改变";
inline constexpr std::string_view kGradeRefused = "等级 {grade} 不在等级表中（{names}），没有改变";
inline constexpr std::string_view kGradeNotRemembered =
    "测量等级无法保存到 {path}：{reason}；本次运行仍然使用它";
inline constexpr std::string_view kGradeWithoutEdmInWindow =
    "按等级 {grade} 检核需要测距精度：请用右键菜单的“测距精度…”设定，或在数据表中填写 ma、mb；"
    "这次计算不按等级检核";
inline constexpr std::string_view kGradeUnknownInWindow =
    "等级 {grade} 不在等级表中（{names}），这次计算不按等级检核";
inline constexpr std::string_view kGradeTableRefused = "等级表无法使用，改用规范的等级表：{reason}";
inline constexpr std::string_view kFilterOpen = "答案文件或数据表 (*.answers *.csv);;所有文件 (*)";
inline constexpr std::string_view kFilterSheet = "数据表 (*.csv)";
inline constexpr std::string_view kFilterCoordinates = "座标表 (*.csv)";
inline constexpr std::string_view kFilterPointFile = "CASS 点文件 (*.dat)";
inline constexpr std::string_view kFilterDxf = "DXF 图形 (*.dxf)";
inline constexpr std::string_view kFilterGama = "GNU Gama 输入 (*.xml)";
inline constexpr std::string_view kExportFailed = "无法写入 {path}：{reason}";
inline constexpr std::string_view kNothingToExport = "没有完整的计算结果可以输出，请先完成一次计算";
inline constexpr std::string_view kNothingEntered = "还没有输入任何数据，没有数据表可以保存";

// Answers files and the journal. "{path}" is a file, "{line}" a line number of it,
// "{reason}" the system's own reason.
// "{file}" names the kind of file: an answers file or a polygon sheet.
inline constexpr std::string_view kAnswersFileNoun = "答案文件";
inline constexpr std::string_view kSheetNoun = "数据表";
inline constexpr std::string_view kAnswersCannotOpen = "无法读取{file} {path}：{reason}";
inline constexpr std::string_view kAnswersNotAFile = "{file} {path} 是一个文件夹，不是文件";
inline constexpr std::string_view kAnswersReadFailed =
    "{file} {path} 第 {line} 行之后无法读取：{reason}";
inline constexpr std::string_view kAnswersInvalidUtf8 =
    "{file} {path} 第 {line} 行不是有效的 UTF-8 文本";
inline constexpr std::string_view kSheetNotText =
    "{path}: 既不是 UTF-8、GBK 也不是 UTF-16 文本：请“另存为”“CSV UTF-8（逗号分隔）”";
inline constexpr std::string_view kSheetWorkbook =
    "{path}: 是 Excel 或 WPS 的工作簿，不是 CSV 文件：请“另存为”“CSV UTF-8（逗号分隔）”";
inline constexpr std::string_view kSheetTooLarge =
    "{path}: 超过 16777216 字节，不是一个中心多边形的数据表";
// The same for a sheet, as FILE:LINE: message.
inline constexpr std::string_view kSheetCannotOpen = "{path}: 无法读取数据表：{reason}";
inline constexpr std::string_view kSheetNotAFile = "{path}: 是一个文件夹，不是数据表";
inline constexpr std::string_view kSheetReadFailed = "{path}:{line}: 之后无法读取：{reason}";
inline constexpr std::string_view kSheetInvalidUtf8 = "{path}:{line}: 不是有效的 UTF-8 文本";
inline constexpr std::string_view kSheetNulByte = "{path}:{line}: 含有空字符 (NUL)，不是文本";
inline constexpr std::string_view kSheetInvalid = "{path}:{line}: {reason}";
inline constexpr std::string_view kSheetInvalidWhole = "{path}: {reason}";
inline constexpr std::string_view kAnswersNulByte =
    "{file} {path} 第 {line} 行含有空字符 (NUL)，不是文本";
inline constexpr std::string_view kAnswersLineTooLong =
    "答案文件 {path} 第 {line} 行超过 1048576 字节，不是一个答案";
inline constexpr std::string_view kSettingsFolderDefault = "~/.config/central-polygon/";
inline constexpr std::string_view kJournalFolderDefault = "~/.local/share/central-polygon/runs";
inline constexpr std::string_view kNoHome = "没有设置 HOME 或 XDG_DATA_HOME";
inline constexpr std::string_view kJournalFailed =
    "本次输入无法记录到文件夹 {folder}（{reason}），计算照常进行";

// The command line and batch runs.
inline constexpr std::string_view kAnswersRanOut = "答案已用完，程序仍在等待回答：{prompt}";
inline constexpr std::string_view kLinesLeft = "计算已完成，其后的答案没有用到";
inline constexpr std::string_view kOutputCannotWrite = "无法写入 {path}：{reason}";
inline constexpr std::string_view kStandardOutput = "标准输出";
inline constexpr std::string_view kEscapedFailure =
    "central-polygon: 程序遇到意外错误（{what}），已停止";
inline constexpr std::string_view kUnknownFailure = "原因不明";
inline constexpr std::string_view kNotARegularFile = "不是普通文件";
inline constexpr std::string_view kSettingIgnored = "设置文件 {path} 无法读取（{reason}），已忽略";
inline constexpr std::string_view kWriteFailed = "写入失败";
inline constexpr std::string_view kReservedDeviceName =
    "{name} 是 Windows 保留的设备名，不能用作文件名";
inline constexpr std::string_view kReadOnlyTarget = "文件是只读的，没有改动它";
inline constexpr std::string_view kOutputIsInput =
    "{option} {path} 就是{file} {input}，写入会毁掉它；没有写入任何文件";
inline constexpr std::string_view kOutputsClash =
    "{option} {path} 与 {other_option} {other} 是同一个文件；没有写入任何文件";
inline constexpr std::string_view kUnknownOption = "不认识的选项 {argument}";
inline constexpr std::string_view kExtraArgument = "多余的参数 {argument}：只能给出一个答案文件";
inline constexpr std::string_view kOptionWithoutValue = "选项 {argument} 后面缺少文件名";
inline constexpr std::string_view kOptionTwice = "选项 {argument} 只能给出一次";
inline constexpr std::string_view kEdmWithoutValue = "选项 {argument} 后面缺少测距精度 a+b";
inline constexpr std::string_view kEdmNotUnderstood =
    "测距精度 {argument} 不是 a+b 的形式（a 毫米，b 毫米/公里，0 或 0.001 到 1000，不能都为 0），"
    "例如 --edm "
    "2+2";
inline constexpr std::string_view kGradeWithoutValue =
    "选项 {argument} 后面缺少等级，例如 --grade 四等";
inline constexpr std::string_view kGradeWithoutEdm =
    "按等级 {grade} 检核需要测距精度：请给出 --edm a+b，或在数据表中填写 ma、mb";
inline constexpr std::string_view kGradeUnknown = "等级 {grade} 不在等级表中（{names}）";
inline constexpr std::string_view kTemplateN =
    "--template 后面应是三角形个数 N（3 到 1000 的整数），不是 {argument}";
inline constexpr std::string_view kTemplateM = "--m 后面应是 1 或 2，不是 {argument}";
inline constexpr std::string_view kOutputWithoutBatch = "选项 {argument} 只能与 --batch 一起使用";
inline constexpr std::string_view kTableWithBatch =
    "选项 {argument} 打开窗口，不能与 --batch 一起使用";
inline constexpr std::string_view kModuleMissing = "找不到程序的组件 {module}，请重新安装";
inline constexpr std::string_view kModuleNotLoaded = "无法加载 PDF 与打印组件：{reason}";
inline constexpr std::string_view kWindowNotStarted =
    "central-polygon: 无法启动窗口程序 {program}：{reason}";
inline constexpr std::string_view kTryHelp = "用 central-polygon --help 查看用法";
inline constexpr std::string_view kUsage =
    "用法：central-polygon [答案文件|数据表.csv]\n"
    "      central-polygon --table [数据表.csv]\n"
    "      central-polygon --template N [--m 1|2|--outside] 数据表.csv\n"
    "      central-polygon --batch 答案文件|数据表.csv [--edm a+b [--grade 等级]] [--print]\n"
    "                      [--pdf 报告.pdf] [--report 报告.txt] [--sheet 数据表.csv]\n"
    "                      [--coordinates 座标.csv]\n"
    "                      [--dat 点.dat] [--dxf 网图.dxf] [--gama 平差.xml]\n"
    "\n"
    "中心多边形三边平差：中心多边形测边网的条件平差计算。\n"
    "\n"
    "  答案文件            打开窗口，用文件中的答案（每行一个，与提示的顺序相同）\n"
    "                      回答各个提示；答案用完后由用户继续输入\n"
    "  数据表.csv          打开窗口，用数据表（Excel/WPS 可编辑）中的数据回答各个提示\n"
    "  --table [数据表.csv]\n"
    "                      打开窗口和数据表窗口，表中填入数据表的数据，不计算；\n"
    "                      在表中改正数据后按 F9 计算\n"
    "  --batch 文件        不打开窗口，用答案文件或数据表完成一次计算，\n"
    "                      报告文本写到标准输出\n"
    "  --edm a+b           测距精度 a 毫米 + b 毫米/公里：检核闭合差是否超限，\n"
    "                      评定各平差边长和相邻点的精度（优先于数据表中的 ma、mb）\n"
    "  --grade 等级        按等级（二等、三等、四等、一级、二级，或设置文件夹中\n"
    "                      grades.csv 的等级）检核测边精度、最弱边和闭合差\n"
    "                      （优先于数据表中的 等级，需要测距精度）\n"
    "  --print             同时在默认打印机上打印报告\n"
    "  --pdf 报告.pdf      同时把打印的报告写成 PDF 文件\n"
    "  --report 报告.txt   把报告文本写到文件，而不是标准输出\n"
    "  --sheet 数据表.csv  把本次输入写成数据表（计算未完成时也写出已输入的数据）\n"
    "  --coordinates 座标.csv  各点座标与精度表\n"
    "  --dat 点.dat        CASS 点文件（点名,编码,Y,X,H，GBK 编码）\n"
    "  --dxf 网图.dxf      网图（DXF R12，地面米制座标）\n"
    "  --gama 平差.xml     GNU Gama (gama-local) 的输入文件，用于独立检核\n"
    "  --template N [--m 1|2|--outside] 数据表.csv\n"
    "                      写出 N 个三角形的空白数据表（B 在外侧、B 在中心或外方位角），\n"
    "                      各行、各点类别与各边端点都已填好\n"
    "  --help              显示本说明\n"
    "  --version           显示版本\n"
    "\n"
    "退出状态：0 计算完成；1 计算提前结束或答案不够；2 用法、输入文件、输出文件或打印有误；\n"
    "          3 计算完成，但闭合差超过限差，或不符合所给等级。\n"
    "输出文件不能是输入文件，也不能彼此相同；每个文件要么完整写出，要么不写。\n"
    "每次在窗口中计算的答案都记录在 $XDG_DATA_HOME/central-polygon/runs/\n"
    "（默认 ~/.local/share/central-polygon/runs/）。\n";

}  // namespace cp::text
