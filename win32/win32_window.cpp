#include "win32_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

#include "exports.h"
#include "layout_table.h"
#include "output_file.h"
#include "print_command.h"
#include "prompt_placement.h"
#include "report_module.h"
#include "table_texts.h"
#include "text_runs.h"
#include "texts.h"
#include "wide_text.h"
#include "win32_fonts.h"

namespace cp {
namespace {

constexpr wchar_t kClass[] = L"CentralPolygonWindow";
constexpr UINT kReplay = WM_APP + 1;
constexpr UINT kStartNote = WM_APP + 2;  // what the desk says once the window is shown
constexpr UINT kOpenTable = WM_APP + 3;
constexpr UINT kShowFields = WM_APP + 4;  // the field texts set since they were last shown
// The buttons' command ids: 1, 2, 3 as Command1 .. Command3 had them.
constexpr int command_id(Command command) { return static_cast<int>(command) + 1; }
constexpr int kOpenCommand = 40;
constexpr int kFirstExportCommand = 41;  // then one a format, in the table's order
constexpr int kEdmCommand = 60;
constexpr int kNewSheetCommand = 61;
constexpr int kTableCommand = 62;
constexpr int kGradeCommand = 63;
constexpr int kEditorId = 70;  // the edit control over the field clicked

COLORREF colour(Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

COLORREF darker(COLORREF c, int percent) {
  return RGB(GetRValue(c) * 100 / percent, GetGValue(c) * 100 / percent,
             GetBValue(c) * 100 / percent);
}

// The filter text of a file dialog: "name (*.x)" becomes "name (*.x)\0*.x\0".
std::wstring filter_of(std::string_view filter) {
  std::wstring out;
  std::string_view rest = filter;
  while (!rest.empty()) {
    const auto end = rest.find(";;");
    const std::string_view entry = rest.substr(0, end);
    const auto open = entry.rfind('(');
    const auto close = entry.rfind(')');
    std::string pattern(entry.substr(open + 1, close - open - 1));
    std::replace(pattern.begin(), pattern.end(), ' ', ';');
    out += wide_of(entry) + L'\0' + wide_of(pattern) + L'\0';
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
  }
  return out + L'\0';
}

std::optional<std::string> file_dialog(HWND owner, std::string_view filter, std::string suggested,
                                       bool save) {
  std::wstring name = wide_of(suggested);
  name.resize(MAX_PATH * 4, L'\0');
  const std::wstring filters = filter_of(filter);
  const std::wstring title = wide_of(text::kProgramTitle);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog))) return std::nullopt;
  name.resize(std::wcslen(name.c_str()));
  return utf8_of(name);
}

ScreenRect screen_rect(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Where the Chinese face has no Latin letters, the editor over a field paints its text in
// runs of the two faces, as the window draws the fields; the edit control itself would
// set all of it in the one.
LRESULT CALLBACK field_procedure(HWND field, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                 DWORD_PTR fonts) {
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(field, field_procedure, 0);
  if (message != WM_PAINT) return ::DefSubclassProc(field, message, w, l);
  PAINTSTRUCT paint{};
  HDC device = ::BeginPaint(field, &paint);
  RECT client{};
  ::GetClientRect(field, &client);
  ::FillRect(device, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  RECT text_box{};
  ::SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text_box));
  ::SetBkMode(device, TRANSPARENT);
  ::SetTextColor(device, ::GetSysColor(COLOR_WINDOWTEXT));
  draw_text_box(device, *reinterpret_cast<const FontPair*>(fonts), text_box, window_text(field),
                Align::OneLine);
  ::EndPaint(field, &paint);
  return 0;
}

// The editor is put over a field by the click that chose it, which the window had: the
// second click of a double click reaches the editor alone, and would not be one. It is,
// where it comes as soon and as near as a double click's second click does.
LRESULT CALLBACK editor_procedure(HWND editor, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                  DWORD_PTR first) {
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(editor, editor_procedure, 1);
  if (message != WM_LBUTTONDOWN) return ::DefSubclassProc(editor, message, w, l);
  auto& click = *reinterpret_cast<FirstClick*>(first);
  POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
  ::ClientToScreen(editor, &at);
  const bool second =
      click.time.has_value() &&
      static_cast<DWORD>(::GetMessageTime()) - *click.time <= ::GetDoubleClickTime() &&
      std::abs(at.x - click.at.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
      std::abs(at.y - click.at.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  click.time.reset();
  return ::DefSubclassProc(editor, second ? WM_LBUTTONDBLCLK : message, w, l);
}

}  // namespace

void Win32Fields::set(Field field, const std::string& text) {
  if (pending_.empty()) ::PostMessageW(*owner_, show_message_, 0, 0);
  pending_[field] = wide_of(text);
  last_written_ = field;
}

void Win32Fields::show_pending(const std::function<void(Field, std::wstring)>& show) {
  for (auto& [field, text] : std::exchange(pending_, {})) show(field, std::move(text));
}

std::optional<std::string> Win32Files::open_path(std::string_view filter) {
  return file_dialog(*owner_, filter, "", false);
}

std::optional<std::string> Win32Files::save_path(std::string_view suggested_name,
                                                 std::string_view filter) {
  return file_dialog(*owner_, filter, std::string(suggested_name), true);
}

// The printers and the PDF are the report module's, loaded at the first print: the
// window's start loads no print spooler.
std::optional<std::string> Win32Printer::default_printer() { return default_printer_on_demand(); }

PrintOutcome Win32Printer::print(const ReportDocument& document, const std::string& printer) {
  return print_on_demand(document, printer);
}

// Without a printer the report goes to a PDF file through "Microsoft Print to PDF",
// which the user is told first.
std::optional<std::string> Win32Printer::choose_pdf_path(std::string_view suggested_name) {
  message_.show(std::string(text::kNoPrinterPdf));
  return files_.save_path(suggested_name, text::kPdfFilter);
}

PrintOutcome Win32Printer::write_pdf(const ReportDocument& document, const std::string& path) {
  return write_pdf_file(render_pdf_on_demand(document), path);
}

MainWindow::MainWindow()
    : fields_(&window_, kShowFields),
      prompt_(&window_, [this](SIZE frame) { return prompt_place(frame); }),
      message_(&window_),
      files_(&window_),
      printer_(files_, message_),
      desk_(prompt_, fields_, message_,
            [this](const std::string& text) {
              return run_dialog(window_, text, false, true, {}).has_value();
            }),
      table_desk_(desk_, message_) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = procedure;
  type.hInstance = ::GetModuleHandleW(nullptr);
  type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  // The program's icon (resource 1) on the title bar and the taskbar.
  type.hIcon = ::LoadIconW(type.hInstance, MAKEINTRESOURCEW(1));
  type.hIconSm = static_cast<HICON>(::LoadImageW(type.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), 0));
  background_ = ::CreateSolidBrush(colour(kWindowBackground));
  white_ = ::CreateSolidBrush(RGB(255, 255, 255));
  type.hbrBackground = background_;
  type.lpszClassName = kClass;
  ::RegisterClassExW(&type);
  const std::wstring title = wide_of(text::kProgramTitle);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // no maximize
  // Made at its size for the system's DPI, not resized after: a window that opens on a
  // screen of another DPI is told so (WM_DPICHANGED) and lays itself out again.
  const UINT dpi = ::GetDpiForSystem();
  scale_ = dpi / 96.0;
  RECT outer{0, 0, px(kClientWidth), px(kClientHeight)};
  ::AdjustWindowRectExForDpi(&outer, style, FALSE, 0, dpi);
  // Files dropped on it are taken (WS_EX_ACCEPTFILES, which DragAcceptFiles would set).
  window_ = ::CreateWindowExW(WS_EX_ACCEPTFILES, kClass, title.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                              nullptr, nullptr, type.hInstance, this);
  build();
  std::vector<ACCEL> keys{{FCONTROL | FVIRTKEY, 'O', kOpenCommand},
                          {FCONTROL | FVIRTKEY, 'T', kTableCommand}};
  for (std::size_t i = 0; i < export_formats().size(); ++i) {
    const std::string_view shortcut = export_formats()[i].shortcut;
    BYTE flags = FCONTROL | FVIRTKEY;
    if (shortcut.find("Shift") != std::string_view::npos) flags |= FSHIFT;
    keys.push_back({flags, static_cast<WORD>(shortcut.back()),
                    static_cast<WORD>(kFirstExportCommand + static_cast<int>(i))});
  }
  accelerators_ = ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
  ::ShowWindow(window_, SW_SHOW);
  ::PostMessageW(window_, kStartNote, 0, 0);
}

int MainWindow::px(int twips) const {
  return static_cast<int>(twips / static_cast<double>(kTwipsPerPixel) * scale_ + 0.5);
}

// Where a control or label stands at the present scale.
RECT MainWindow::rect_of(const ControlSpec& entry) const {
  return {px(entry.left), px(entry.top), px(entry.left) + px(entry.width),
          px(entry.top) + px(entry.height)};
}

void MainWindow::build() {
  for (const ControlSpec& entry : window_controls()) {
    const std::wstring caption = wide_of(entry.caption);
    // A label or a field is no window of its own: the window draws it, as it draws the
    // lines. A child window each would cost the window's start a good part of its time
    // (under Wine 1-2 ms an edit control).
    if (entry.kind == Kind::Label) {
      labels_.push_back({&entry, caption, {}, nullptr});
      continue;
    }
    if (entry.kind == Kind::Field) {
      field_boxes_[*entry.field] = {&entry, {}, {}, nullptr, {}};
      continue;
    }
    // Made at its place: moving the buttons there afterwards cost the start time under
    // Wine, where every child window is a round of messages to the server.
    const RECT place = rect_of(entry);
    HWND button = ::CreateWindowExW(
        0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP,
        place.left, place.top, place.right - place.left, place.bottom - place.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(command_id(*entry.command))),
        ::GetModuleHandleW(nullptr), nullptr);
    controls_.push_back({button, &entry});
    button_colours_[button] = colour(entry.background);
  }
  editor_ =
      ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, 0, 0,
                        0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)),
                        ::GetModuleHandleW(nullptr), nullptr);
  lay_out();
}

// Every control and field at its place and in its face at the window's present scale:
// when it is built, and again when it moves to a screen of another DPI.
void MainWindow::lay_out() {
  // The controls share one font a face, size and weight: a handful for the whole
  // window. Made anew at a new scale; the old ones go once no control holds them.
  std::map<FaceKey, FontPair> fonts;
  HDC measure = ::CreateCompatibleDC(nullptr);
  const auto font_of = [&](const FontSpec& wanted) -> const FontPair& {
    auto [made, is_new] = fonts.try_emplace(wanted.key());
    if (is_new) made->second = layout_fonts(wanted.face, wanted.points, wanted.bold, scale_);
    return made->second;
  };
  for (const auto& [control, entry] : controls_) {
    const FontPair& pair = font_of(entry->font);
    fonts_[control] = &pair;
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(pair.main()), FALSE);
    // Moved only where the scale has changed: a button is made at its place.
    RECT now{};
    ::GetWindowRect(control, &now);
    ::MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&now), 2);
    const RECT wanted = rect_of(*entry);
    if (!::EqualRect(&now, &wanted))
      ::SetWindowPos(control, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                     wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A field's text stands where the edit control would set it: inside its frame, after
  // the face's margins, and lower where the field is tall enough. The editor, hidden, is
  // asked once for each height and face of field.
  std::map<std::pair<LONG, HFONT>, RECT> insets;
  for (auto& [field, box] : field_boxes_) {
    box.fonts = &font_of(box.entry->font);
    box.place = rect_of(*box.entry);
    const LONG height = box.place.bottom - box.place.top;
    auto [inset, is_new] = insets.try_emplace({height, box.fonts->main()});
    if (is_new) {
      constexpr LONG kWidth = 200;  // any: the insets are the same whatever the width
      ::SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(box.fonts->main()), FALSE);
      ::SetWindowPos(editor_, nullptr, 0, 0, kWidth, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
      RECT text{};
      ::SendMessageW(editor_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
      ::MapWindowPoints(editor_, window_, reinterpret_cast<POINT*>(&text), 2);
      inset->second = {text.left, text.top, kWidth - text.right, height - text.bottom};
    }
    box.text_box = {box.place.left + inset->second.left, box.place.top + inset->second.top,
                    box.place.right - inset->second.right, box.place.bottom - inset->second.bottom};
  }
  if (edited_) place_editor(*edited_);
  for (Label& label : labels_) {
    label.fonts = &font_of(label.entry->font);
    const SIZE size = fit_to_caption(measure, *label.fonts, label.caption, *label.entry);
    const RECT box = rect_of(*label.entry);
    label.place = {box.left, box.top, box.left + size.cx, box.top + size.cy};
  }
  ::DeleteDC(measure);
  shared_fonts_ = std::move(fonts);
  ::InvalidateRect(window_, nullptr, TRUE);
}

// The field the window point falls in, if any.
std::optional<Field> MainWindow::field_at(POINT at) const {
  for (const auto& [field, box] : field_boxes_)
    if (::PtInRect(&box.place, at)) return field;
  return std::nullopt;
}

// The editor over the field, in its face and with its text; it is hidden again when it
// loses the focus. Its subclasses are set here, not when it is made: they load the common
// controls, which the window's start leaves to the first click on a field.
void MainWindow::place_editor(Field field) {
  const FieldBox& box = field_boxes_.at(field);
  edited_ = field;
  ::SetWindowSubclass(editor_, editor_procedure, 1, reinterpret_cast<DWORD_PTR>(&first_click_));
  ::SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(box.fonts->main()), FALSE);
  if (box.fonts->latin())
    ::SetWindowSubclass(editor_, field_procedure, 0, reinterpret_cast<DWORD_PTR>(box.fonts));
  else
    ::RemoveWindowSubclass(editor_, field_procedure, 0);
  ::SetWindowTextW(editor_, box.text.c_str());
  ::SetWindowPos(editor_, HWND_TOP, box.place.left, box.place.top, box.place.right - box.place.left,
                 box.place.bottom - box.place.top, SWP_SHOWWINDOW);
}

void MainWindow::show_field_text(Field field, std::wstring text) {
  FieldBox& box = field_boxes_.at(field);
  box.text = std::move(text);
  ::InvalidateRect(window_, &box.place, FALSE);
  if (edited_ == field) ::SetWindowTextW(editor_, box.text.c_str());
}

// A label shows its whole caption: where the installed face is larger than the stored
// size allows, it grows to the right and down (labels are transparent). A label of more
// than two lines' height holds a caption that wraps, and keeps its width.
SIZE MainWindow::fit_to_caption(HDC measure, const FontPair& fonts, const std::wstring& caption,
                                const ControlSpec& entry) const {
  const SIZE text = text_extent(measure, fonts, caption);
  const bool wraps = caption_wraps(entry);
  const int width = wraps ? px(entry.width) : std::max(px(entry.width), static_cast<int>(text.cx));
  const int height = std::max(px(entry.height), static_cast<int>(text.cy));
  return {width, height};
}

void MainWindow::open_table_later(std::optional<std::string> path) {
  pending_table_ = std::move(path);
  ::PostMessageW(window_, kOpenTable, 0, 0);
}

void MainWindow::open_table() {
  if (!table_) table_ = std::make_unique<Win32Table>(table_desk_, files_, [] {});
  table_->show();
}

// After a calculation from the prompts, an answers file or a sheet: the table follows.
void MainWindow::after_run() {
  table_desk_.follow(desk_.session().record);
  if (table_) table_->refresh();
}

// The program ends, once edits in the table not saved have been asked about.
void MainWindow::close_program() {
  try {
    if (desk_.running()) return;
    const bool may_close = table_ ? table_->may_close()
                                  : table_desk_.may_close(files_, [this](const std::string& text) {
                                      return ask_save(window_, text);
                                    });
    if (!may_close) return;
  } catch (const WindowClosed&) {
  }
  ::DestroyWindow(window_);
}

void MainWindow::replay_later(const std::string& path) {
  pending_replays_.push_back(path);
  ::PostMessageW(window_, kReplay, 0, 0);
}

POINT MainWindow::prompt_place(SIZE frame) const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT frame_rect{};
  ::GetWindowRect(window_, &frame_rect);
  std::vector<ScreenRect> guarded;
  const auto add = [&](Field field) {
    RECT r = field_boxes_.at(field).place;
    ::MapWindowPoints(window_, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    guarded.push_back(screen_rect(r));
  };
  for (const Field field : kHintAndEchoFields) add(field);
  if (const auto last = fields_.last_written()) add(*last);
  const ScreenRect place = place_prompt(screen_rect(monitor.rcWork), screen_rect(frame_rect),
                                        frame.cx, frame.cy, guarded);
  return {place.x, place.y};
}

void MainWindow::paint() {
  PAINTSTRUCT paint{};
  HDC device = ::BeginPaint(window_, &paint);
  for (const LineSpec& line : window_lines()) {
    HPEN pen = ::CreatePen(PS_SOLID, std::max(1, static_cast<int>(line.width * scale_ + 0.5)),
                           colour(line.colour));
    HGDIOBJ previous = ::SelectObject(device, pen);
    ::MoveToEx(device, px(line.x1), px(line.y1), nullptr);
    ::LineTo(device, px(line.x2), px(line.y2));
    ::SelectObject(device, previous);
    ::DeleteObject(pen);
  }
  // The labels over the lines, each its caption on the window's colour.
  ::SetBkMode(device, TRANSPARENT);
  for (const Label& label : labels_) {
    RECT common{};
    if (!::IntersectRect(&common, &label.place, &paint.rcPaint)) continue;
    ::FillRect(device, &label.place, background_);
    draw_text_box(device, *label.fonts, label.place, label.caption, Align::Wrapped);
  }
  // The fields over the labels, white in a thin frame, as read-only edit controls.
  ::SetTextColor(device, ::GetSysColor(COLOR_WINDOWTEXT));
  for (const auto& [field, box] : field_boxes_) {
    RECT common{};
    if (!::IntersectRect(&common, &box.place, &paint.rcPaint)) continue;
    ::FillRect(device, &box.place, white_);
    ::FrameRect(device, &box.place, ::GetSysColorBrush(COLOR_WINDOWFRAME));
    draw_text_box(device, *box.fonts, box.text_box, box.text, Align::OneLine);
  }
  ::EndPaint(window_, &paint);
}

// A flat face in the layout's colour with a thin darker border; pressed, it darkens;
// with the focus, its border thickens.
void MainWindow::draw_button(const DRAWITEMSTRUCT& item) {
  const COLORREF face = button_colours_[item.hwndItem];
  const bool pressed = item.itemState & ODS_SELECTED;
  HBRUSH fill = ::CreateSolidBrush(pressed ? darker(face, 120) : face);
  ::FillRect(item.hDC, &item.rcItem, fill);
  ::DeleteObject(fill);
  HBRUSH border = ::CreateSolidBrush(darker(face, 160));
  RECT edge = item.rcItem;
  for (int i = 0; i < ((item.itemState & ODS_FOCUS) ? 2 : 1); ++i) {
    ::FrameRect(item.hDC, &edge, border);
    ::InflateRect(&edge, -1, -1);
  }
  ::DeleteObject(border);
  ::SetBkMode(item.hDC, TRANSPARENT);
  draw_text_box(item.hDC, *fonts_.at(item.hwndItem), item.rcItem, window_text(item.hwndItem),
                Align::Centred);
}

void MainWindow::context_menu(POINT at) {
  HMENU menu = ::CreatePopupMenu();
  // Each entry shows its keys after a tab, where Windows sets them right-aligned.
  const auto entry = [](std::string_view caption, std::string_view keys) {
    return wide_of(std::string(caption) + "\t" + std::string(keys));
  };
  ::AppendMenuW(menu, MF_STRING, kOpenCommand, entry(text::kMenuOpen, "Ctrl+O").c_str());
  const Session& session = desk_.session();
  for (std::size_t i = 0; i < export_formats().size(); ++i) {
    const ExportFormat& format = export_formats()[i];
    const bool enabled = export_available(format, session);
    ::AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED),
                  static_cast<UINT_PTR>(kFirstExportCommand + static_cast<int>(i)),
                  entry(format.menu_text, format.shortcut).c_str());
  }
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, kTableCommand, entry(table_text::kMenuTable, "Ctrl+T").c_str());
  ::AppendMenuW(menu, MF_STRING, kNewSheetCommand, wide_of(text::kMenuNewSheet).c_str());
  ::AppendMenuW(menu, MF_STRING, kEdmCommand, wide_of(text::kMenuEdm).c_str());
  ::AppendMenuW(menu, MF_STRING, kGradeCommand, wide_of(text::kMenuGrade).c_str());
  ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
  ::DestroyMenu(menu);
}

void MainWindow::command(int id) {
  if (desk_.running()) return;
  try {
    if (id == command_id(Command::Calculate)) {
      desk_.calculate();
      after_run();
    } else if (id == command_id(Command::End)) {
      close_program();
    } else if (id == kTableCommand) {
      open_table();
    } else if (id == command_id(Command::Print)) {
      print_report(desk_.session().last_complete, printer_, message_,
                   [this](const std::string& path) { return desk_.may_replace(path); });
    } else if (id == kNewSheetCommand) {
      desk_.new_sheet(files_);
    } else if (id == kEdmCommand) {
      desk_.ask_edm_precision();
    } else if (id == kGradeCommand) {
      desk_.ask_grade();
    } else if (id == kOpenCommand) {
      if (const auto path = files_.open_path(text::kFilterOpen)) {
        desk_.replay(*path);
        after_run();
      }
    } else if (id >= kFirstExportCommand &&
               id < kFirstExportCommand + static_cast<int>(export_formats().size())) {
      save_export(export_formats()[static_cast<std::size_t>(id - kFirstExportCommand)].kind,
                  desk_.session(), files_, message_,
                  [this](const std::string& path) { return desk_.may_replace(path); });
    }
  } catch (const WindowClosed&) {
    // The window was closed at a prompt: the program ends, as the quit message says.
  }
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->handle(message, w, l) : ::DefWindowProcW(window, message, w, l);
}

LRESULT MainWindow::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(l) == editor_) {
        if (HIWORD(w) == EN_KILLFOCUS) {
          ::ShowWindow(editor_, SW_HIDE);
          edited_.reset();
        }
        return 0;
      }
      command(LOWORD(w));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      // A click in a field puts the editor there: the left button goes on to it, to set
      // the caret or start a selection; the right one is released over it, which opens
      // its menu (copy, select all).
      POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      if (const auto field = field_at(at)) {
        place_editor(*field);
        ::SetFocus(editor_);
        if (message == WM_LBUTTONDOWN) {
          POINT in_editor = at;
          ::MapWindowPoints(window_, editor_, &in_editor, 1);
          ::SendMessageW(editor_, message, w, MAKELPARAM(in_editor.x, in_editor.y));
          first_click_ = {static_cast<DWORD>(::GetMessageTime()), at};
          ::ClientToScreen(window_, &first_click_.at);
        }
      }
      return 0;
    }
    case WM_PAINT: paint(); return 0;
    case WM_DRAWITEM: {
      draw_button(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      // The editor white, as the fields it stands over.
      ::SetBkColor(reinterpret_cast<HDC>(w), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(white_);
    case WM_CONTEXTMENU: {
      // Signed screen coordinates (a monitor left of the first has negative ones); from
      // the keyboard (Shift+F10, the menu key) none: the menu opens at the window's corner.
      POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      if (l == -1) {
        at = {0, 0};
        ::ClientToScreen(window_, &at);
      }
      context_menu(at);
      return 0;
    }
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(w);
      if (!desk_.running() && ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
        wchar_t path[MAX_PATH * 4];
        ::DragQueryFileW(drop, 0, path, MAX_PATH * 4);
        replay_later(utf8_of(path));
      }
      ::DragFinish(drop);
      return 0;
    }
    case kStartNote:
      try {
        if (const auto note = desk_.take_start_note()) message_.show(*note);
        table_desk_.offer_left_table([this](const std::string& text) {
          return run_dialog(window_, text, false, true, {}).has_value();
        });
        if (table_desk_.table().modified()) open_table();
      } catch (const WindowClosed&) {
      }
      return 0;
    case kOpenTable:
      if (pending_table_) {
        if (*pending_table_) table_desk_.open(**pending_table_);
        pending_table_.reset();
        open_table();
      }
      return 0;
    case WM_CLOSE: close_program(); return 0;
    case kShowFields:
      fields_.show_pending(
          [this](Field field, std::wstring text) { show_field_text(field, std::move(text)); });
      return 0;
    case kReplay:
      while (!pending_replays_.empty() && !desk_.running()) {
        const std::string path = pending_replays_.front();
        pending_replays_.erase(pending_replays_.begin());
        try {
          desk_.replay(path);
          after_run();
        } catch (const WindowClosed&) {
        }
      }
      return 0;
    case WM_DPICHANGED: {
      scale_ = LOWORD(w) / 96.0;
      const RECT* suggested = reinterpret_cast<const RECT*>(l);
      ::SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      lay_out();
      return 0;
    }
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: break;
  }
  return ::DefWindowProcW(window_, message, w, l);
}

}  // namespace cp
