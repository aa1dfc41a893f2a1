// The polygon sheet and the exchange files: CSV as Excel and WPS write it, a sheet that
// takes a calculation back to the same record, re-encoded and re-quoted as office
// programs save it, and a clear message for every sheet that cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "answers_by_role.h"
#include "calculate.h"
#include "csv.h"
#include "exchange_error.h"
#include "exports.h"
#include "network.h"
#include "number_input.h"
#include "polygon_sheet.h"
#include "record_dump.h"
#include "replay_prompt.h"
#include "scripted_user.h"
#include "sheet_file.h"
#include "text_encoding.h"

namespace cp {
namespace {

using namespace testing_support;

TEST(Csv, FieldsSurviveQuotingBothWays) {
  const csv::Row row{"plain", "a,b", "say \"hi\"", " blanks ", "#1", "", "line\nbreak"};
  const std::string text = csv::row_text(row);
  EXPECT_EQ(text, "plain,\"a,b\",\"say \"\"hi\"\"\",\" blanks \",#1,,\"line\nbreak\"\r\n");
  const auto rows = csv::rows_of(text + "next\n");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].fields, row);
  EXPECT_EQ(rows[1].line, 3) << "the quoted line break counts";
  EXPECT_EQ(rows[1].fields, csv::Row{"next"});
}

// The answers a sheet gives, as the dialogue takes them.
std::vector<std::string> texts_of(const std::vector<SheetAnswer>& answers) {
  std::vector<std::string> texts;
  for (const SheetAnswer& a : answers) texts.push_back(a.text);
  return texts;
}

SessionRecord run(const std::vector<std::string>& answers) {
  ScriptedUser user(answers);
  SessionRecord record;
  calculate(user.ports(), record);
  return record;
}

// Every configuration, with names that need quoting: the sheet of a run, read back,
// runs to the same record.
TEST(PolygonSheet, ARunsSheetRunsToTheSameRecord) {
  std::mt19937 random(18);
  for (const Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    SCOPED_TRACE(case_name(c));
    const TrueNetwork net = make_network(7, c, random);
    std::vector<std::string> answers = answers_for(net, c, std::vector<double>(16, 0.002));
    // Names with a comma, quotes, blanks around and a hash.
    const std::size_t first_name = c == Case::BOnRing || c == Case::BAtCentre ? 10
                                   : c == Case::Q1                            ? 13
                                   : c == Case::Q2                            ? 15
                                                                              : 17;
    answers[first_name] = "马家湾, 东";
    answers[first_name + 1] = "\"青龙\" 山";
    answers[first_name + 2] = "  三角点 ";
    answers[first_name + 3] = "#4";
    const SessionRecord original = run(answers);
    ASSERT_TRUE(original.complete);
    const std::string sheet = sheet_text(original);
    EXPECT_TRUE(sheet.starts_with("\xEF\xBB\xBF"));
    EXPECT_NE(sheet.find("\r\n"), std::string::npos);
    const SessionRecord again = run(texts_of(read_polygon_sheet(sheet).answers));
    ASSERT_TRUE(again.complete);
    EXPECT_EQ(record_dump(again), record_dump(original));
    EXPECT_EQ(again.names, original.names);
  }
}

// The EDM precision goes out in the rows ma and mb and comes back; a sheet without them
// has none, and one that no EDM has is refused at its row.
TEST(PolygonSheet, TheEdmPrecisionRoundTripsAndIsChecked) {
  std::mt19937 random(6);
  const TrueNetwork net = make_network(4, Case::Q2, random);
  SessionRecord record = run(answers_for(net, Case::Q2));
  EXPECT_FALSE(read_polygon_sheet(sheet_text(record)).edm);
  record.edm = EdmPrecision{1.5, 2};
  const std::string sheet = sheet_text(record);
  const auto edm = read_polygon_sheet(sheet).edm;
  ASSERT_TRUE(edm);
  EXPECT_EQ(edm->a, 1.5);
  EXPECT_EQ(edm->b, 2);
  EXPECT_EQ(texts_of(read_polygon_sheet(sheet).answers), answers_for(net, Case::Q2));
  // The sheet with each (from, to) replaced once.
  const auto with = [&](std::initializer_list<std::pair<std::string, std::string>> changes) {
    std::string changed = sheet;
    for (const auto& [from, to] : changes) changed.replace(changed.find(from), from.size(), to);
    return changed;
  };
  EXPECT_EQ(read_polygon_sheet(with({{"\r\nmb,2,", "\r\nmb,,"}})).edm->b, 0);
  const struct {
    const char* name;
    std::string sheet;
    const char* message;
  } refused[] = {
      {"both zero", with({{"ma,1.5,", "ma,0,"}, {"mb,2,", "mb,0,"}}), "测距精度 ma=0、mb=0 不可用"},
      {"negative", with({{"ma,1.5,", "ma,-1,"}}), "测距精度 ma=-1、mb=2 不可用"},
      {"no number", with({{"mb,2,", "mb,2ppm,"}}), "mb 的值 2ppm 不是数值"},
  };
  for (const auto& c : refused) {
    try {
      read_polygon_sheet(c.sheet);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const SheetError& error) {
      EXPECT_NE(error.row, 0) << c.name;
      EXPECT_NE(error.message.find(c.message), std::string::npos)
          << c.name << ": " << error.message;
    }
  }
}

// A run that ended early writes what was entered; filled in, the sheet runs to the end.
TEST(PolygonSheet, AnEarlyEndWritesWhatWasEnteredWithEmptyCells) {
  std::mt19937 random(5);
  const TrueNetwork net = make_network(4, Case::BOnRing, random);
  auto answers = answers_for(net, Case::BOnRing);
  const SessionRecord full = run(answers);
  answers.resize(19);     // N, the known data, five names, S(1), S(2)
  answers.push_back("");  // an empty S(3) ends the run
  const SessionRecord partial = run(answers);
  ASSERT_FALSE(partial.complete);
  const std::string sheet = sheet_text(partial);
  EXPECT_NE(sheet.find("\r\nS(7),,"), std::string::npos) << sheet;
  const auto rows = csv::rows_of(sheet);
  std::string filled;
  for (auto row : rows) {
    if (row.fields.size() > 1 && row.fields[0].starts_with("S(") && row.fields[1].empty()) {
      const int k = std::stoi(row.fields[0].substr(2));
      row.fields[1] = number(full.observed[static_cast<std::size_t>(k)]);
    }
    filled += csv::row_text(row.fields);
  }
  EXPECT_EQ(record_dump(run(texts_of(read_polygon_sheet(filled).answers))), record_dump(full));
}

std::string written(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

// Excel and WPS save the sheet again as they like: GBK or UTF-8 without a mark, every
// field quoted, LF line ends, extra empty rows and columns.
TEST(PolygonSheet, ReadAsOfficeProgramsSaveIt) {
  std::mt19937 random(7);
  const TrueNetwork net = make_network(5, Case::Q2, random);
  auto answers = answers_for(net, Case::Q2);
  answers[15] = "马家湾";
  const SessionRecord original = run(answers);
  ASSERT_TRUE(original.complete);
  const std::string sheet = sheet_text(original).substr(3);
  std::string resaved;
  for (const auto& row : csv::rows_of(sheet)) {
    std::string line;
    for (const std::string& field : row.fields) line += "\"" + field + "\",";
    resaved += line + ",,\n\n";
  }
  const auto folder = std::filesystem::temp_directory_path() / "sheet-test";
  std::filesystem::create_directories(folder);
  for (const std::string& bytes : {*utf8_to_gbk(sheet), resaved, sheet}) {
    SheetFile file(written(folder / "p.csv", bytes));
    ScriptedUser user({});
    ReplayPrompt prompt(file, nullptr, nullptr);
    SessionRecord record;
    calculate({prompt, user, user}, record);
    EXPECT_TRUE(record.complete);
    EXPECT_EQ(record.names[0], "马家湾");
    EXPECT_EQ(record_dump(record), record_dump(original));
  }
  std::filesystem::remove_all(folder);
}

// The sheet's answers come from the dialogue itself: the sheet of every golden run,
// replayed, gives that run again, and where the golden typed each value once and took
// it, the very answers of the golden.
TEST(PolygonSheet, EveryGoldensSheetGivesItsAnswers) {
  int same_answers = 0;
  for (const auto& file : std::filesystem::directory_iterator(GOLDEN_DIR)) {
    if (file.path().extension() != ".answers") continue;
    const std::string name = file.path().stem().string();
    const std::vector<std::string> golden = answers_in_file(file.path().string());
    ScriptedUser user(golden);
    SessionRecord record;
    try {
      calculate(user.ports(), record);
    } catch (const ScriptedUser::RanOut&) {
    }
    std::vector<std::string> texts;
    try {
      texts = texts_of(read_polygon_sheet(sheet_text(record)).answers);
    } catch (const SheetError& error) {
      // Known data the dialogue refused leave rows a sheet cannot be read without.
      EXPECT_FALSE(record.complete) << name << ": " << error.message;
      continue;
    }
    ScriptedUser again(texts);
    SessionRecord replayed;
    try {
      calculate(again.ports(), replayed);
    } catch (const ScriptedUser::RanOut&) {
    }
    EXPECT_EQ(record_dump(replayed), record_dump(record)) << name;
    if (!record.complete || !user.messages.empty()) continue;
    // The sheet writes numbers in their shortest form: 1198.070 comes back as 1198.07.
    const std::vector<std::string> taken(golden.begin(),
                                         golden.begin() + static_cast<long>(user.next));
    const auto same = [](const std::string& a, const std::string& b) {
      return a == b || (read_double(a) && read_double(b) && *read_double(a) == *read_double(b));
    };
    const bool equal = std::equal(texts.begin(), texts.end(), taken.begin(), taken.end(), same);
    EXPECT_TRUE(equal) << name;
    same_answers += equal ? 1 : 0;
  }
  EXPECT_GE(same_answers, 8);
}

// Reordered in the dialogue, and only there, the sheet's answers follow: here a dialogue
// that asks Ya before Xa and confirms neither.
TEST(PolygonSheet, ItsAnswersFollowTheDialoguesOrder) {
  std::mt19937 random(4);
  const std::string sheet =
      sheet_text(run(answers_for(make_network(3, Case::BOnRing, random), Case::BOnRing)));
  const auto as_asked = [&](const DialogueRun& dialogue) {
    std::vector<std::string> labels;
    for (const SheetAnswer& answer : read_polygon_sheet(sheet, dialogue).answers)
      labels.push_back(answer.label);
    return labels;
  };
  const auto ask = [](UserPorts ports, const char* label) {
    ports.prompt.ask_about("?", {.kind = PromptRole::Kind::Value, .label = label});
  };
  EXPECT_EQ(as_asked([&](UserPorts ports) {
              ask(ports, "N");
              ask(ports, "Ya");
              ask(ports, "Xa");
            }),
            (std::vector<std::string>{"N", "Ya", "Xa"}));
  const std::vector<std::string> real = as_asked(calculate_aside);
  ASSERT_GE(real.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(real.begin(), real.begin() + 5),
            (std::vector<std::string>{"N", "Xa", "Xa", "Ya", "Ya"}));
}

// Each sheet that cannot be read says so in one line naming the row.
TEST(PolygonSheet, SheetsThatCannotBeReadSayWhy) {
  std::mt19937 random(3);
  const TrueNetwork net = make_network(3, Case::BOnRing, random);
  const std::string good = sheet_text(run(answers_for(net, Case::BOnRing)));
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  std::string without_m = good;
  const auto m_row = without_m.find("\r\nm,1,");
  without_m.erase(m_row, without_m.find("\r\n", m_row + 2) - m_row);
  // S(3)'s value typed with a decimal comma, which shifts the rest of its row.
  std::string decimal_comma = good;
  const auto s3 = decimal_comma.find("\r\nS(3),") + 7;
  const auto point = decimal_comma.find('.', s3);
  const std::string fraction =
      decimal_comma.substr(point + 1, decimal_comma.find(',', s3) - point - 1);
  decimal_comma[point] = ',';
  std::string semicolons = good;
  std::replace(semicolons.begin(), semicolons.end(), ',', ';');
  const std::string long_cell(5000, '7');
  const struct {
    const char* name;
    std::string sheet;
    long row;
    std::string message;
  } cases[] = {
      {"misspelt", replaced("\r\nYa,", "\r\nYy,"), 5, "不认识的标签 Yy"},
      {"missing_label", without_m, 0, "数据表缺少 m 一行"},
      {"repeated", replaced("\r\nYa,", "\r\nXa,"), 5, "Xa 重复出现"},
      {"not_a_number", replaced("\r\nN,3,", "\r\nN,three,"), 3, "N 的值 three 不是数值"},
      {"side_count", replaced("\r\nS(5),", "\r\nS(7),"), 21,
       "S(7) 与三角形个数 N 不符，N 个三角形的数据表应有 5 条观测边"},
      {"unknown", good + "Z9,1\r\n", 22, "不认识的标签 Z9"},
      {"point_beyond_any_int", good + "点,3000000000,X\r\n", 22, "点 的值 3000000000 不是数值"},
      {"decimal_comma", decimal_comma, 19,
       "S(3) 多出一个数值 " + fraction + "，小数点是否写成了逗号？"},
      {"wrong_kind", replaced("径向边,", "周边,"), 17, "S(1) 是径向边，类型一栏却是 周边"},
      {"swapped_roles", replaced(",中心点", ",闭合点 B"), 13,
       "点 2 按三角形个数和已知数据是中心点，这一行的类别却是 闭合点 B；请检查各点的次序"},
      {"semicolons", semicolons, 2,
       "各列不是以逗号分隔的：请在 Excel 或 WPS 中“另存为”“CSV UTF-8（逗号分隔）”"},
      {"garbled", replaced("\r\nN,", "\r\n???,"), 3,
       "不认识的标签 ???：文字变成了问号或乱码，多半是数据表用错误的字符集打开后又保存了；"
       "请用 UTF-8 字符集打开原来的数据表，再保存"},
      {"long_cell", replaced("\r\nN,3,", "\r\nN," + long_cell + "x,"), 3,
       "N 的值 " + long_cell.substr(0, 40) + "… 不是数值"},
  };
  for (const auto& c : cases) {
    try {
      read_polygon_sheet(c.sheet);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const SheetError& error) {
      EXPECT_EQ(error.message, c.message) << c.name;
      EXPECT_EQ(error.row, c.row) << c.name;
    }
  }
}

// A decimal comma in any value row shifts its 说明 one cell on: refused at its row with
// the hint, never read as the whole number before the comma (A moved by 0.399 m).
TEST(PolygonSheet, ADecimalCommaInAnyValueRowIsRefused) {
  for (const Case c : {Case::BOnRing, Case::Q2}) {
    std::mt19937 random(5);
    SessionRecord record = run(answers_for(make_network(3, c, random), c));
    record.edm = EdmPrecision{1, 5};
    const std::string good = sheet_text(record);
    std::size_t value_rows = 0;
    for (const auto& row : csv::rows_of(good)) {
      static const std::set<std::string> kValues = {"N",  "Xa", "Ya", "Xb", "Yb", "m",
                                                    "T0", "Q1", "Q2", "Q3", "ma", "mb"};
      if (row.fields.size() != 3 || !kValues.contains(row.fields[0])) continue;
      ++value_rows;
      const std::string& label = row.fields[0];
      const std::string value = label + "," + row.fields[1];
      const auto with_row = [&](const std::string& by) {
        std::string sheet = good;
        const auto start = sheet.find("\r\n" + value + ",") + 2;
        return sheet.replace(start, sheet.find("\r\n", start) - start, by);
      };
      const struct {
        const char* name;
        std::string sheet;
        std::string message;
      } cases[] = {
          {"comma", with_row(value + ",399," + row.fields[2]),
           label + " 多出一个数值 399，小数点是否写成了逗号？"},
          {"comma_without_note", with_row(value + ",5"),
           label + " 多出一个数值 5，小数点是否写成了逗号？"},
          {"extra_cell", with_row(value + ",说明,另一栏"),
           label + " 一行多出一栏 另一栏，小数点是否写成了逗号？"},
      };
      for (const auto& shifted : cases) {
        try {
          read_polygon_sheet(shifted.sheet);
          ADD_FAILURE() << label << " " << shifted.name << ": read";
        } catch (const SheetError& error) {
          EXPECT_EQ(error.message, shifted.message) << label << " " << shifted.name;
          EXPECT_EQ(error.row, row.line) << label << " " << shifted.name;
        }
      }
    }
    EXPECT_EQ(value_rows, c == Case::BOnRing ? 8u : 11u);
  }
}

// The blank sheet of each configuration has every row: filled in with a calculation's
// values, it gives that calculation again.
TEST(PolygonSheet, ABlankSheetFilledInComputesAsTyped) {
  for (const Case c : {Case::BOnRing, Case::BAtCentre, Case::Q1, Case::Q2, Case::Q3}) {
    std::mt19937 random(8);
    const TrueNetwork net = make_network(5, c, random);
    const SessionRecord full = run(answers_for(net, c));
    const Configuration m = c == Case::BOnRing     ? Configuration::BOnRing
                            : c == Case::BAtCentre ? Configuration::BAtCentre
                                                   : Configuration::OutsideAzimuth;
    // The values of the run's own sheet, by label (and point number), into the blank one.
    std::map<std::string, std::string> values;
    for (const auto& row : csv::rows_of(sheet_text(full))) {
      if (row.fields.size() < 3) continue;
      const bool point = row.fields[0] == "点";
      values[point ? "点" + row.fields[1] : row.fields[0]] = row.fields[point ? 2 : 1];
    }
    std::string filled;
    for (auto row : csv::rows_of(sheet_template(5, m))) {
      if (row.fields.size() >= 3 && row.fields[0] != "标签") {
        const bool point = row.fields[0] == "点";
        std::string& cell = row.fields[point ? 2 : 1];
        EXPECT_TRUE(cell.empty() || row.fields[0] == "N" || row.fields[0] == "m" ||
                    row.fields[0] == "Xb" || row.fields[0] == "Yb")
            << case_name(c) << " " << row.fields[0];
        if (const auto found = values.find(point ? "点" + row.fields[1] : row.fields[0]);
            found != values.end())
          cell = found->second;
        if (point) {
          EXPECT_FALSE(row.fields[3].empty()) << "role of point " << row.fields[1];
        }
      }
      filled += csv::row_text(row.fields);
    }
    EXPECT_EQ(record_dump(run(texts_of(read_polygon_sheet(filled).answers))), record_dump(full))
        << case_name(c);
  }
}

// A point file name that would shift the CAD columns, or that GBK cannot write, is said.
TEST(Exports, APointFileNameThatCannotBeWrittenIsSaid) {
  std::mt19937 random(9);
  const TrueNetwork net = make_network(3, Case::BOnRing, random);
  auto answers = answers_for(net, Case::BOnRing);
  answers[11] = "a,b";
  SessionRecord record = run(answers);
  ASSERT_TRUE(record.complete);
  EXPECT_THROW(export_bytes(ExportKind::PointFile, record), ExchangeError);
  record.names[1] = "\xF0\x9F\x98\x80";  // an emoji: no GBK form
  try {
    export_bytes(ExportKind::PointFile, record);
    ADD_FAILURE() << "no error";
  } catch (const ExchangeError& error) {
    EXPECT_NE(error.message.find("GBK"), std::string::npos);
  }
  record.names[1] = "青龙山";
  EXPECT_NE(gbk_to_utf8(export_bytes(ExportKind::PointFile, record))->find("青龙山,,"),
            std::string::npos);
}

// The save commands: nothing to save before a run, no results before a complete one,
// and a file that cannot be written is said with its path.
TEST(Exports, SaveCommandsSayWhatCannotBeSaved) {
  struct Chooser : FileChooser {
    std::optional<std::string> path;
    int asked = 0;
    std::optional<std::string> open_path(std::string_view) override { return path; }
    std::optional<std::string> save_path(std::string_view, std::string_view) override {
      ++asked;
      return path;
    }
  } chooser;
  ScriptedUser user({});
  Session session;
  save_export(ExportKind::Sheet, session, chooser, user, {});
  save_export(ExportKind::Dxf, session, chooser, user, {});
  EXPECT_EQ(chooser.asked, 0);
  EXPECT_EQ(user.messages,
            (std::vector<std::string>{"还没有输入任何数据，没有数据表可以保存",
                                      "没有完整的计算结果可以输出，请先完成一次计算"}));
  std::mt19937 random(4);
  const TrueNetwork net = make_network(3, Case::Q1, random);
  ScriptedUser typist(answers_for(net, Case::Q1));
  calculate(typist.ports(), session);
  user.messages.clear();
  chooser.path = "/nonexistent/folder/n.dxf";
  save_export(ExportKind::Dxf, session, chooser, user, {});
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_TRUE(user.messages[0].starts_with("无法写入 /nonexistent/folder/n.dxf："))
      << user.messages[0];
}

}  // namespace
}  // namespace cp
