#pragma once

#include <string>
#include <utility>
#include <vector>

#include "display_width.h"
#include "printing.h"

namespace cp {

// Font sizes of the printed pages, points.
inline constexpr int kReportTitlePoints = 12;
inline constexpr int kReportBodyPoints = 10;

// Collects printed rows, placing each item at its tab column.
class Sheet {
 public:
  explicit Sheet(int points) : current_{points, {}} {}

  void font_size(int points) { current_.points = points; }

  Sheet& at(int column, std::string text) {
    if (width_ >= column) break_row();
    width_ = column - 1 + display_width(text);
    current_.items.push_back({column, std::move(text)});
    return *this;
  }

  void end_line() { break_row(); }

  void blank(int lines = 1) {
    for (int i = 0; i < lines; ++i) end_line();
  }

  std::vector<ReportRow> rows() && { return std::move(rows_); }

 private:
  void break_row() {
    rows_.push_back(current_);
    current_.items.clear();
    width_ = 0;
  }

  ReportRow current_;
  std::vector<ReportRow> rows_;
  int width_ = 0;
};

}  // namespace cp
