#pragma once

#include <optional>
#include <string>
#include <vector>

#include "network_drawing.h"
#include "printing.h"

// Where a point's name goes in the drawing: beside its point, outward from the centre
// where that is free, never over another name, and away from the sides, the marks and
// the ellipses wherever the drawing leaves room.
namespace cp {

class LabelPlacer {
 public:
  // Everything already drawn stands in the way: lines, ellipses, marks and labels.
  explicit LabelPlacer(const Drawing& drawing);

  // The baseline start of the name of the point at `point`, tried first in the direction
  // `outward` (a unit vector on paper); nothing where every place inside the box would
  // cover another name. A place found is taken: later names keep off it.
  std::optional<PaperPoint> place(const std::string& text, PaperPoint point, PaperPoint outward);

 private:
  enum class Kind { Line, Ellipse, Mark };
  struct Item {
    Kind kind;
    DrawnLine line;       // a Line
    PaperBox box;         // what the item covers at most
    int first_piece = 0;  // an Ellipse: its outline's straight pieces in pieces_
  };

  // The cells of the grid a box meets, row by row: what may stand in the box is listed
  // in one of them.
  struct Cells {
    int first_column, last_column, first_row, last_row, columns;
    struct Iterator {
      const Cells* cells;
      int row, column;
      int operator*() const { return row * cells->columns + column; }
      Iterator& operator++() {
        if (++column > cells->last_column) {
          column = cells->first_column;
          ++row;
        }
        return *this;
      }
      bool operator!=(const Iterator& other) const { return row != other.row; }
    };
    Iterator begin() const { return {this, first_row, first_column}; }
    Iterator end() const { return {this, last_row + 1, first_column}; }
  };

  void add(Item item);
  void add_label(const PaperBox& box);
  int column_of(double x) const;
  int row_of(double y) const;
  Cells cells_of(const PaperBox& box) const;
  // Lists the line in the cells it passes through: a long side lies across only a few of
  // the cells its box covers.
  void enter_line(const DrawnLine& line, int index);
  // Whether the box comes near a name already placed.
  bool meets_label(const PaperBox& box) const;
  // What the box would cover, negative where it may not stand; counted only until it
  // reaches `enough`, where the box has lost to a place already found or is hopeless.
  double cost(const PaperBox& box, double enough);
  std::vector<double> angles_of_lines_at(PaperPoint point);  // of the lines that end there

  double width_;
  double height_;
  double label_height_;
  int columns_;
  int rows_;
  std::vector<Item> items_;
  std::vector<DrawnLine> pieces_;             // the ellipses' outlines
  std::vector<std::vector<int>> grid_;        // items by cell
  std::vector<PaperBox> labels_;              // the names placed, and those drawn before
  std::vector<std::vector<int>> label_grid_;  // labels by cell
  std::vector<int> seen_;                     // the last query that met each item
  int query_ = 0;
};

}  // namespace cp
