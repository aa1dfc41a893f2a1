#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <memory>

#include "desk_session.h"
#include "layout_table.h"
#include "ports.h"
#include "printing.h"
#include "table_desk.h"
#include "win32_dialogs.h"
#include "win32_fonts.h"
#include "win32_table.h"

// The one window of the Windows program, built from the same layout table as the Qt
// window: the sketches, the panel of fields and the three flat buttons, with the file
// commands on its right-click menu and keys. The desk session does the rest.
namespace cp {

// The window's fields. A text set is shown once the window next handles its messages
// (at the latest when a prompt or message waits for the user), each field with the last
// text set: a replay sets tens of thousands of texts, and drawing each one took seconds
// under Wine.
class Win32Fields : public FieldText {
 public:
  // `owner` is posted `show_message` when texts wait to be shown.
  Win32Fields(HWND* owner, UINT show_message) : owner_(owner), show_message_(show_message) {}
  void set(Field field, const std::string& text) override;
  // Hands each text set since the last time to `show`.
  void show_pending(const std::function<void(Field, std::wstring)>& show);
  std::optional<Field> last_written() const { return last_written_; }

 private:
  HWND* owner_;
  UINT show_message_;
  std::map<Field, std::wstring> pending_;
  std::optional<Field> last_written_;
};

// The click that put the editor over a field: when, and where on the screen.
struct FirstClick {
  std::optional<DWORD> time;
  POINT at;
};

class Win32Files : public FileChooser {
 public:
  explicit Win32Files(HWND* owner) : owner_(owner) {}
  std::optional<std::string> open_path(std::string_view filter) override;
  std::optional<std::string> save_path(std::string_view suggested_name,
                                       std::string_view filter) override;

 private:
  HWND* owner_;
};

class Win32Printer : public Printer {
 public:
  Win32Printer(Win32Files& files, Message& message) : files_(files), message_(message) {}
  std::optional<std::string> default_printer() override;
  PrintOutcome print(const ReportDocument& document, const std::string& printer) override;
  std::optional<std::string> choose_pdf_path(std::string_view suggested_name) override;
  PrintOutcome write_pdf(const ReportDocument& document, const std::string& path) override;

 private:
  Win32Files& files_;
  Message& message_;
};

class MainWindow {
 public:
  MainWindow();
  HWND handle() const { return window_; }
  HACCEL accelerators() const { return accelerators_; }
  // Replays the file once the window is shown.
  void replay_later(const std::string& path);
  // Shows the data table once the window is shown, filled from the sheet file where one
  // is given; nothing is calculated.
  void open_table_later(std::optional<std::string> path);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT handle(UINT message, WPARAM w, LPARAM l);
  void build();
  void lay_out();
  SIZE fit_to_caption(HDC measure, const FontPair& fonts, const std::wstring& caption,
                      const ControlSpec& entry) const;
  void command(int id);
  void paint();
  void draw_button(const DRAWITEMSTRUCT& item);
  void context_menu(POINT at);
  void after_run();
  void open_table();
  void close_program();
  POINT prompt_place(SIZE frame) const;
  int px(int twips) const;
  RECT rect_of(const ControlSpec& entry) const;
  void show_field_text(Field field, std::wstring text);
  void place_editor(Field field);
  std::optional<Field> field_at(POINT at) const;

  HWND window_ = nullptr;
  HACCEL accelerators_ = nullptr;
  double scale_ = 1;
  std::map<FaceKey, FontPair> shared_fonts_;  // by face, points, bold
  std::map<HWND, const FontPair*> fonts_;     // each control's, one of the shared ones
  std::vector<std::pair<HWND, const ControlSpec*>> controls_;  // the buttons
  // A field the window draws, white in a thin frame: where it stands, where its text
  // stands in it (as in an edit control of its size and face), its fonts, its text.
  struct FieldBox {
    const ControlSpec* entry;
    RECT place;
    RECT text_box;
    const FontPair* fonts;
    std::wstring text;
  };
  std::map<Field, FieldBox> field_boxes_;
  // The one edit control, over the field clicked, where its text is selected and copied.
  HWND editor_ = nullptr;
  std::optional<Field> edited_;
  FirstClick first_click_;
  // A label the window draws: its caption, where it stands at the present scale, its fonts.
  struct Label {
    const ControlSpec* entry;
    std::wstring caption;
    RECT place;
    const FontPair* fonts;
  };
  std::vector<Label> labels_;
  std::map<HWND, COLORREF> button_colours_;
  HBRUSH background_ = nullptr;
  HBRUSH white_ = nullptr;
  std::vector<std::string> pending_replays_;
  std::optional<std::optional<std::string>> pending_table_;

  Win32Fields fields_;
  Win32Prompt prompt_;
  Win32Message message_;
  Win32Files files_;
  Win32Printer printer_;
  DeskSession desk_;
  TableDesk table_desk_;
  std::unique_ptr<Win32Table> table_;
};

}  // namespace cp
