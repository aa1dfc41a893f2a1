// The printed pages, laid out once for the PDF and the printer alike: where each row
// stands and where the pages break.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calculate.h"
#include "document.h"
#include "printed_pages.h"
#include "scripted_user.h"

namespace cp {
namespace {

using testing_support::answers_in_file;
using testing_support::ScriptedUser;

SessionRecord golden_run(const std::string& name) {
  ScriptedUser user(answers_in_file(std::string(GOLDEN_DIR) + "/" + name + ".answers"));
  SessionRecord record;
  record.edm = EdmPrecision{2, 2};
  calculate(user.ports(), record);
  return record;
}

// A thousand triangles with the grade check: the report runs over pages, the appendix
// starts a page with its drawing, the table's headings stand at the top of every page it
// runs on to, and every row of the document is placed once, within the page.
TEST(PrintedPages, RowsStayWithinThePageAndHeadingsRepeat) {
  const SessionRecord record = golden_run("grade_n1000_outside_q2");
  ASSERT_TRUE(record.complete);
  const auto document = report_document(record);
  ASSERT_TRUE(document);
  const std::vector<PrintedPage> pages = printed_pages(*document);
  ASSERT_GT(pages.size(), 10u);

  std::map<const ReportRow*, int> placed;
  std::size_t appendix_page = 0;
  std::size_t drawings = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    ASSERT_FALSE(pages[i].rows.empty()) << "page " << i + 1;
    EXPECT_EQ(pages[i].rows.front().top, page::kTopMargin) << "page " << i + 1;
    for (const PlacedRow& row : pages[i].rows) {
      const double pitch = page::em(row.row->points) * page::kRowPitch;
      EXPECT_LE(row.top + pitch, page::kBottom + 1e-9) << "page " << i + 1;
      ++placed[row.row];
    }
    if (pages[i].rows.front().row == &document->appendix_heading.front()) appendix_page = i;
    if (pages[i].drawing) {
      ++drawings;
      EXPECT_EQ(i, appendix_page);
      EXPECT_LE(pages[i].drawing->y + document->drawing.height, page::kBottom);
    }
  }
  EXPECT_EQ(drawings, 1u);
  ASSERT_GT(appendix_page, 0u);
  EXPECT_EQ(pages[appendix_page - 1].rows.back().row, &document->rows.back());

  // The grade check of two thousand sides runs on from the appendix's page; once the
  // point table has begun, every later page starts with its column headings.
  const ReportRow* table_heading = &document->appendix_table_heading.front();
  std::size_t table_start = 0;
  for (std::size_t i = appendix_page; i < pages.size() && !table_start; ++i) {
    for (const PlacedRow& row : pages[i].rows)
      if (row.row == table_heading) table_start = i;
  }
  ASSERT_GT(table_start, appendix_page);
  std::size_t table_pages = 0;
  for (std::size_t i = table_start + 1; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].rows.front().row, table_heading) << "page " << i + 1;
    ++table_pages;
  }
  for (const ReportRow& row : document->grade_check) EXPECT_EQ(placed[&row], 1);
  EXPECT_GT(table_pages, 5u);
  for (const ReportRow& row : document->appendix_table) EXPECT_EQ(placed[&row], 1);
  for (const ReportRow& row : document->rows) EXPECT_EQ(placed[&row], 1);
  EXPECT_EQ(placed[table_heading], static_cast<int>(table_pages) + 1);
}

}  // namespace
}  // namespace cp
