#pragma once

#include <windows.h>
// commctrl.h after windows.h: it needs its declarations.
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "ports.h"
#include "table_desk.h"
#include "win32_fonts.h"

// The data table's window on Windows, one per main window: the table desk's cells in a
// list view, a cell cursor the keys move as in a spreadsheet, an edit field laid over the
// cell being edited, the 计算 button and the status line.
namespace cp {

class Win32Table {
 public:
  // `calculated` runs after each calculation from the table, for the main window.
  Win32Table(TableDesk& desk, FileChooser& files, std::function<void()> calculated);
  ~Win32Table();
  Win32Table(const Win32Table&) = delete;
  Win32Table& operator=(const Win32Table&) = delete;

  // Shows the window, made the first time, with the table drawn again.
  void show();
  // Draws the table, its title and its status line again after the desk changed it.
  void refresh();
  // Whether the table may close with the program: edits not saved are asked about.
  bool may_close();

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK list_procedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                         DWORD_PTR self);
  static LRESULT CALLBACK edit_procedure(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                         DWORD_PTR self);
  LRESULT handle(UINT message, WPARAM w, LPARAM l);
  LRESULT notified(const NMHDR& header);
  LRESULT custom_draw(NMLVCUSTOMDRAW& draw) const;
  void create();
  void lay_out();
  void columns();
  bool key(WPARAM key);
  void click(LPARAM at, bool twice);
  void move(int down, int right, bool extend = false);
  void move_to(int row, int column, bool extend = false);
  void begin_edit(const std::optional<std::wstring>& typed);
  bool finish_edit(int down, int right);
  void cancel_edit();
  void close_edit();
  void calculate();
  void copy() const;
  void paste();
  void after(bool taken);

  TableDesk& desk_;
  FileChooser& files_;
  std::function<void()> calculated_;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  HWND edit_ = nullptr;
  HWND button_ = nullptr;
  HWND status_ = nullptr;
  FontPair fonts_;
  double scale_ = 1;
  int row_ = 0, column_ = 0;                // the cell cursor
  int anchor_row_ = 0, anchor_column_ = 0;  // the other corner of the selection
  std::optional<std::pair<int, int>> refused_;
  int shown_columns_ = 0;
  std::wstring shown_text_;  // the text the list view shows last asked for
};

// Asks 保存 / 不保存 / 取消 about a table with edits not saved.
SaveChoice ask_save(HWND owner, const std::string& text);

}  // namespace cp
