// The data table's model: its cells are the saved sheet's, each value is checked by the
// dialogue's rules as it is committed, N reshapes it, every change can be undone, a
// pasted column goes in whole or not at all, and the answers it gives run every golden
// to the same record.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "calculate.h"
#include "csv.h"
#include "network.h"
#include "polygon_table.h"
#include "record_dump.h"
#include "scripted_user.h"
#include "utf8.h"

namespace cp {
namespace {

using namespace testing_support;

SessionRecord run(const std::vector<std::string>& answers) {
  ScriptedUser user(answers);
  SessionRecord record;
  try {
    calculate(user.ports(), record);
  } catch (const ScriptedUser::RanOut&) {
  }
  return record;
}

std::vector<std::string> texts_of(const PolygonSheet& sheet) {
  std::vector<std::string> texts;
  for (const SheetAnswer& answer : sheet.answers) texts.push_back(answer.text);
  return texts;
}

PolygonTable table_of(int n, Case c, unsigned seed = 7) {
  std::mt19937 random(seed);
  PolygonTable table;
  table.follow(run(answers_for(make_network(n, c, random), c)));
  return table;
}

// A commit the table takes.
void set(PolygonTable& table, const std::string& label, const std::string& text) {
  const int row = table.row_of(label);
  ASSERT_GE(row, 0) << label;
  const auto refused = table.commit(row, 1 + (label.starts_with("点") ? 1 : 0), text);
  ASSERT_FALSE(refused) << label << ": " << *refused;
}

// Row r, column c of the table is row r, column c of the file it saves.
TEST(DataTable, ItsCellsAreTheSavedSheetsCells) {
  for (const Case c : {Case::BOnRing, Case::BAtCentre, Case::Q2}) {
    const PolygonTable table = table_of(6, c);
    std::string sheet = table.sheet();
    ASSERT_TRUE(sheet.starts_with(kUtf8ByteOrderMark));
    sheet.erase(0, kUtf8ByteOrderMark.size());
    const auto rows = csv::rows_of(sheet);
    ASSERT_EQ(static_cast<int>(rows.size()), table.rows()) << case_name(c);
    for (int r = 0; r < table.rows(); ++r) {
      for (int col = 0; col < kTableDataColumns; ++col) {
        const auto& fields = rows[static_cast<std::size_t>(r)].fields;
        const std::string field = col < static_cast<int>(fields.size())
                                      ? csv::cell_text(fields[static_cast<std::size_t>(col)])
                                      : "";
        EXPECT_EQ(table.cell(r, col), field) << case_name(c) << " row " << r << " column " << col;
      }
    }
    // The values and names are editable, the labels, notes and kinds are not.
    EXPECT_TRUE(table.editable(table.row_of("Xa"), 1));
    EXPECT_FALSE(table.editable(table.row_of("Xa"), 0));
    EXPECT_FALSE(table.editable(table.row_of("Xa"), 2));
    EXPECT_TRUE(table.editable(table.row_of("S(3)"), 1));
    EXPECT_FALSE(table.editable(table.row_of("S(3)"), 2));
    EXPECT_TRUE(table.editable(table.row_of("点 2"), 2));
    EXPECT_FALSE(table.editable(0, 0));
    EXPECT_TRUE(table.editable(table.row_of("ma"), 1)) << "the EDM rows are there to fill in";
  }
}

// Every golden run, followed by the table, is run again by the table's answers to the
// same record; a run whose known data the dialogue refused leaves a table that says why
// it cannot be calculated.
TEST(DataTable, EveryGoldenRunsAgainFromItsTable) {
  int complete = 0;
  for (const auto& file : std::filesystem::directory_iterator(GOLDEN_DIR)) {
    if (file.path().extension() != ".answers") continue;
    const std::string name = file.path().stem().string();
    const SessionRecord record = run(answers_in_file(file.path().string()));
    PolygonTable table;
    table.follow(record);
    if (const auto why = table.why_not_computable()) {
      EXPECT_FALSE(record.complete) << name << ": " << *why;
      continue;
    }
    const SessionRecord again = run(texts_of(table.answers()));
    EXPECT_EQ(record_dump(again), record_dump(record)) << name;
    EXPECT_EQ(texts_of(table.answers()), texts_of(read_polygon_sheet(sheet_text(record)))) << name;
    complete += record.complete ? 1 : 0;
  }
  EXPECT_GE(complete, 10);
}

// A value the dialogue refuses is refused with its message, naming the row; the table
// is as it was. Labels, notes and headings are not for typing on.
TEST(DataTable, EachCellIsCheckedAsItIsCommitted) {
  PolygonTable table = table_of(6, Case::BOnRing);
  const std::string before = table.sheet();
  const struct {
    std::string label;
    int column;
    std::string text;
    std::string says;
  } refusals[] = {
      {"N", 1, "2", "N："},
      {"N", 1, "6.5", "N："},
      {"S(5)", 1, "abc", "S(5)："},
      {"S(5)", 1, "1e999", "S(5)："},
      {"ma", 1, "2,5", "ma："},
      {"ma", 1, "5000", "ma："},
      {"S(5)", 2, "周边", "S(5) 的“类型”"},
      {"Xa", 0, "Xb", "Xa 的“标签”"},
  };
  for (const auto& r : refusals) {
    const auto refused = table.commit(table.row_of(r.label), r.column, r.text);
    ASSERT_TRUE(refused) << r.label << " " << r.text;
    EXPECT_TRUE(refused->starts_with(r.says)) << *refused;
    EXPECT_EQ(refused->find('\n'), std::string::npos) << *refused;
  }
  EXPECT_TRUE(table.commit(0, 0, "x").has_value()) << "the title";
  EXPECT_TRUE(table.commit(-1, 1, "x").has_value()) << "no row";
  EXPECT_TRUE(table.commit(table.rows(), 1, "x").has_value()) << "no row";
  EXPECT_TRUE(table.paste(-1, 1, "x").has_value()) << "no row";
  EXPECT_EQ(table.sheet(), before);
  table.undo();
  EXPECT_FALSE(table.can_undo())
      << "no refusal is a step: the calculation followed is the only one";
}

// Changing N adds or removes rows and keeps every value whose row remains; each change
// is one step to undo and redo.
TEST(DataTable, NReshapesTheTableAndEveryStepUndoes) {
  PolygonTable table = table_of(6, Case::Q1);
  table.mark_saved();
  const std::string six = table.sheet();
  const std::string s3 = table.cell(table.row_of("S(3)"), 1);
  const std::string name2 = table.cell(table.row_of("点 2"), 2);
  set(table, "N", "4");
  EXPECT_TRUE(table.modified());
  EXPECT_EQ(table.row_of("S(9)"), -1);
  EXPECT_EQ(table.row_of("点 6"), -1);
  EXPECT_EQ(table.cell(table.row_of("S(3)"), 1), s3);
  EXPECT_EQ(table.cell(table.row_of("点 2"), 2), name2);
  set(table, "N", "7");
  EXPECT_EQ(table.cell(table.row_of("S(14)"), 1), "") << "new rows come empty";
  EXPECT_EQ(table.cell(table.row_of("S(3)"), 1), s3);
  table.undo();
  table.undo();
  EXPECT_EQ(table.sheet(), six) << "the removed rows come back with their values";
  EXPECT_FALSE(table.modified());
  table.redo();
  EXPECT_EQ(table.row_of("S(9)"), -1);
  table.undo();
  set(table, "S(3)", "1234.5");
  EXPECT_FALSE(table.can_redo()) << "a new change ends the redo";
  EXPECT_EQ(table.cell(table.row_of("S(3)"), 1), "1234.5");
  // The configuration's rows follow the known data: B given makes T0 … Q3 go.
  set(table, "Xb", "1000");
  set(table, "Yb", "2000");
  set(table, "m", "1");
  EXPECT_EQ(table.row_of("T0"), -1);
  EXPECT_EQ(table.row_of("S(12)"), -1) << "B on the ring: the last perimeter side is known";
}

// A column of sides pasted from a spreadsheet goes in at once; a bad value in it, or a
// column that runs past the table's end or onto a label, takes nothing.
TEST(DataTable, APastedColumnGoesInWholeOrNotAtAll) {
  PolygonTable table = table_of(3, Case::BAtCentre);
  const int first = table.row_of("S(2)");
  ASSERT_FALSE(table.paste(first, 1, "101.5\r\n102.5\r\n103.5\r\n"));
  EXPECT_EQ(table.cell(first, 1), "101.5");
  EXPECT_EQ(table.cell(first + 2, 1), "103.5");
  table.undo();
  EXPECT_NE(table.cell(first, 1), "101.5") << "the paste is one step";
  const std::string before = table.sheet();
  const auto bad = table.paste(first, 1, "101.5\nx\n103.5");
  ASSERT_TRUE(bad);
  EXPECT_TRUE(bad->starts_with("S(3)：")) << *bad;
  EXPECT_TRUE(table.paste(table.rows() - 1, 1, "1\n2").has_value());
  EXPECT_TRUE(table.paste(first, 1, "1\t径向边").has_value());
  EXPECT_EQ(table.sheet(), before);
  EXPECT_EQ(table.copied(first, 0, first + 1, 1),
            "S(2)\t" + table.cell(first, 1) + "\nS(3)\t" + table.cell(first + 1, 1) + "\n");
}

// A cleared cell stops the calculation, naming it; so does a value the dialogue refuses
// with the values around it.
TEST(DataTable, NothingIsCalculatedWithAValueMissing) {
  PolygonTable table = table_of(6, Case::BOnRing);
  EXPECT_FALSE(table.why_not_computable());
  ASSERT_FALSE(table.commit(table.row_of("S(5)"), 1, ""));
  const auto why = table.why_not_computable();
  ASSERT_TRUE(why);
  EXPECT_TRUE(why->starts_with("S(5)")) << *why;
  PolygonTable empty;
  EXPECT_TRUE(empty.why_not_computable()->starts_with("N")) << *empty.why_not_computable();
}

// The results stand beside the data after a calculation; an edit greys its row's.
TEST(DataTable, ResultsStandBesideTheDataUntilAnEdit) {
  std::mt19937 random(3);
  SessionRecord record = run(answers_for(make_network(6, Case::BOnRing, random), Case::BOnRing));
  ASSERT_TRUE(record.complete);
  PolygonTable table;
  table.follow(record);
  EXPECT_EQ(table.columns(), kTableDataColumns);
  table.show_results(record);
  EXPECT_GT(table.columns(), kTableDataColumns);
  const int s5 = table.row_of("S(5)");
  EXPECT_FALSE(table.cell(s5, kTableDataColumns).empty()) << "its correction";
  EXPECT_FALSE(table.cell(table.row_of("点 3"), kTableDataColumns).empty()) << "X of point 3";
  EXPECT_FALSE(table.stale(s5));
  set(table, "S(5)", "999.999");
  EXPECT_TRUE(table.stale(s5));
  EXPECT_FALSE(table.stale(table.row_of("S(7)")));
}

}  // namespace
}  // namespace cp
