#include "win32_table.h"

#include <commctrl.h>

#include <algorithm>

#include "table_texts.h"
#include "texts.h"
#include "wide_text.h"
#include "win32_dialogs.h"

namespace cp {
namespace {

namespace t = table_text;

constexpr wchar_t kClass[] = L"CentralPolygonTable";
constexpr int kCalculateId = 1;
constexpr int kListId = 2;
constexpr int kPageRows = 20;
// Column widths at 96 dpi: the row numbers, then the sheet's five, then the results'.
constexpr int kNumberWidth = 44;
constexpr int kDataWidths[] = {90, 110, 280, 90, 90};
constexpr int kResultWidth = 120;

COLORREF background(bool current, bool selected, bool refused, bool result, bool editable) {
  if (current) return RGB(51, 120, 215);
  if (refused) return RGB(255, 205, 205);
  if (selected) return RGB(204, 226, 252);
  if (result) return RGB(236, 243, 252);
  return editable ? RGB(255, 255, 255) : RGB(242, 242, 242);
}

std::wstring clipboard_text(HWND owner) {
  std::wstring text;
  if (!::OpenClipboard(owner)) return text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

void set_clipboard_text(HWND owner, const std::wstring& text) {
  if (!::OpenClipboard(owner)) return;
  ::EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* chars = ::GlobalLock(memory)) {
      std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(chars));
      ::GlobalUnlock(memory);
      if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
    }
  }
  ::CloseClipboard();
}

bool pressed(int key) { return ::GetKeyState(key) < 0; }

}  // namespace

SaveChoice ask_save(HWND owner, const std::string& text) {
  const DialogAnswer answer = show_dialog(
      owner, text, false, {{IDOK, t::kSave}, {IDNO, t::kDontSave}, {IDCANCEL, text::kCancel}}, {});
  if (answer.pressed == IDOK) return SaveChoice::Save;
  if (answer.pressed == IDNO) return SaveChoice::DontSave;
  return SaveChoice::Cancel;
}

Win32Table::Win32Table(TableDesk& desk, FileChooser& files, std::function<void()> calculated)
    : desk_(desk), files_(files), calculated_(std::move(calculated)) {}

Win32Table::~Win32Table() {
  if (window_) ::DestroyWindow(window_);
}

void Win32Table::create() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = procedure;
  type.hInstance = ::GetModuleHandleW(nullptr);
  type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  type.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  type.hIcon = ::LoadIconW(type.hInstance, MAKEINTRESOURCEW(1));
  type.lpszClassName = kClass;
  ::RegisterClassExW(&type);
  window_ =
      ::CreateWindowExW(0, kClass, wide_of(t::kTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 860, 620, nullptr, nullptr, type.hInstance, this);
  scale_ = ::GetDpiForWindow(window_) / 96.0;
  fonts_ = dialog_fonts(scale_);
  // Placed by lay_out.
  const auto child = [&](const wchar_t* kind, const std::wstring& text, DWORD style, int id) {
    return child_control(window_, kind, text, style, {}, id, fonts_.main());
  };
  button_ = child(L"BUTTON", wide_of(t::kCalculate), BS_PUSHBUTTON, kCalculateId);
  list_ = child(WC_LISTVIEWW, L"",
                WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL, kListId);
  ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  ::SetWindowSubclass(list_, list_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
  status_ = child(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0);
  ::SetWindowTextW(list_, wide_of(t::kTitle).c_str());
  lay_out();
}

void Win32Table::lay_out() {
  RECT client{};
  ::GetClientRect(window_, &client);
  const auto px = [this](int at_96) { return static_cast<int>(at_96 * scale_ + 0.5); };
  const int margin = px(8);
  const int button_height = px(26);
  const int status_height = px(22);
  ::MoveWindow(button_, margin, margin, px(80), button_height, TRUE);
  const int top = margin * 2 + button_height;
  ::MoveWindow(list_, margin, top, client.right - 2 * margin,
               std::max(0, static_cast<int>(client.bottom) - top - status_height - 2 * margin),
               TRUE);
  ::MoveWindow(status_, margin, client.bottom - status_height - margin, client.right - 2 * margin,
               status_height, TRUE);
}

// The list view's columns: the row numbers, then one a column of the table, A, B, …
void Win32Table::columns() {
  const int wanted = desk_.table().columns() + 1;
  if (wanted == shown_columns_) return;
  while (shown_columns_ > 0) ::SendMessageW(list_, LVM_DELETECOLUMN, --shown_columns_, 0);
  for (int c = 0; c < wanted; ++c) {
    std::wstring heading = c == 0 ? L"" : std::wstring(1, static_cast<wchar_t>(L'A' + c - 1));
    int width =
        c == 0 ? kNumberWidth : (c - 1 < kTableDataColumns ? kDataWidths[c - 1] : kResultWidth);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = heading.data();
    column.cx = static_cast<int>(width * scale_ + 0.5);
    ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                   reinterpret_cast<LPARAM>(&column));
  }
  shown_columns_ = wanted;
}

void Win32Table::show() {
  if (!window_) create();
  refresh();
  ::ShowWindow(window_, SW_SHOW);
  ::SetForegroundWindow(window_);
  ::SetFocus(list_);
}

void Win32Table::refresh() {
  if (!window_) return;
  columns();
  const PolygonTable& table = desk_.table();
  row_ = std::clamp(row_, 0, std::max(0, table.rows() - 1));
  column_ = std::clamp(column_, 0, kTableDataColumns - 1);
  anchor_row_ = std::clamp(anchor_row_, 0, std::max(0, table.rows() - 1));
  ::SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(table.rows()),
                 LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  ::InvalidateRect(list_, nullptr, FALSE);
  ::SetWindowTextW(status_, wide_of(desk_.status()).c_str());
  ::SetWindowTextW(window_, wide_of(desk_.title()).c_str());
}

void Win32Table::after(bool taken) {
  if (taken) refused_.reset();
  refresh();
}

void Win32Table::move(int down, int right, bool extend) {
  move_to(row_ + down, column_ + right, extend);
}

void Win32Table::move_to(int row, int column, bool extend) {
  const PolygonTable& table = desk_.table();
  row_ = std::clamp(row, 0, std::max(0, table.rows() - 1));
  column_ = std::clamp(column, 0, std::max(0, table.columns() - 1));
  if (!extend) {
    anchor_row_ = row_;
    anchor_column_ = column_;
  }
  ::SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row_), FALSE);
  // And the column: scrolled into view where it is off the list's right or left.
  RECT cell{};
  cell.top = column_ + 1;
  cell.left = LVIR_BOUNDS;
  if (::SendMessageW(list_, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row_),
                     reinterpret_cast<LPARAM>(&cell))) {
    RECT client{};
    ::GetClientRect(list_, &client);
    const int number_width = static_cast<int>(kNumberWidth * scale_ + 0.5);
    if (cell.right > client.right)
      ::SendMessageW(list_, LVM_SCROLL, static_cast<WPARAM>(cell.right - client.right), 0);
    else if (cell.left < number_width)
      ::SendMessageW(list_, LVM_SCROLL, static_cast<WPARAM>(cell.left - number_width), 0);
  }
  ::InvalidateRect(list_, nullptr, FALSE);
}

// The keys of the table, as in a spreadsheet; false for a key it leaves to the list.
bool Win32Table::key(WPARAM key) {
  const bool ctrl = pressed(VK_CONTROL);
  const bool shift = pressed(VK_SHIFT);
  switch (key) {
    case VK_UP: move(-1, 0, shift); return true;
    case VK_DOWN: move(1, 0, shift); return true;
    case VK_LEFT: move(0, -1, shift); return true;
    case VK_RIGHT: move(0, 1, shift); return true;
    case VK_PRIOR: move(-kPageRows, 0, shift); return true;
    case VK_NEXT: move(kPageRows, 0, shift); return true;
    case VK_RETURN: move(1, 0); return true;
    case VK_TAB: move(0, shift ? -1 : 1); return true;
    case VK_HOME: ctrl ? move_to(0, 0, shift) : move_to(row_, 0, shift); return true;
    case VK_F2: begin_edit(std::nullopt); return true;
    case VK_F9: calculate(); return true;
    case VK_DELETE: after(desk_.commit(row_, column_, "")); return true;
    default: break;
  }
  if (!ctrl) return false;
  switch (key) {
    case 'Z':
      desk_.undo();
      after(true);
      return true;
    case 'Y':
      desk_.redo();
      after(true);
      return true;
    case 'C': copy(); return true;
    case 'V': paste(); return true;
    case 'S':
      shift ? desk_.save_as(files_) : desk_.save(files_);
      refresh();
      return true;
    default: return false;
  }
}

void Win32Table::click(LPARAM at, bool twice) {
  if (edit_ && !finish_edit(0, 0)) return;
  LVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  ::SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  ::SetFocus(list_);
  if (hit.iItem < 0 || hit.iSubItem < 1) return;
  move_to(hit.iItem, hit.iSubItem - 1, pressed(VK_SHIFT));
  if (twice) begin_edit(std::nullopt);
}

// An edit field over the cell: holding the key typed, which replaces the value, or the
// value itself (F2, a double click). A cell the user does not fill in says why not.
void Win32Table::begin_edit(const std::optional<std::wstring>& typed) {
  if (!desk_.table().editable(row_, column_)) {
    after(desk_.commit(row_, column_, typed ? utf8_of(*typed) : std::string()));
    return;
  }
  RECT cell{};
  cell.top = column_ + 1;
  cell.left = LVIR_BOUNDS;
  ::SendMessageW(list_, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row_),
                 reinterpret_cast<LPARAM>(&cell));
  const std::wstring text = typed ? *typed : wide_of(desk_.table().cell(row_, column_));
  edit_ = ::CreateWindowExW(0, L"EDIT", text.c_str(),
                            WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, cell.left, cell.top,
                            cell.right - cell.left, cell.bottom - cell.top, list_, nullptr,
                            ::GetModuleHandleW(nullptr), nullptr);
  HFONT typing = fonts_.latin() ? fonts_.latin() : fonts_.main();
  ::SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(typing), TRUE);
  ::SetWindowSubclass(edit_, edit_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
  const auto end = static_cast<LPARAM>(text.size());
  ::SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(end), end);
  ::SetFocus(edit_);
}

// Commits the edit, then moves; refused, the edit stays open with the text typed, the
// cell marked, and the status line says why.
bool Win32Table::finish_edit(int down, int right) {
  if (!edit_) return true;
  if (!desk_.commit(row_, column_, utf8_of(window_text(edit_)))) {
    refused_ = {row_, column_};
    refresh();
    ::SetFocus(edit_);
    return false;
  }
  close_edit();
  after(true);
  move(down, right);
  return true;
}

void Win32Table::cancel_edit() {
  close_edit();
  desk_.edit_cancelled();
  after(true);
}

void Win32Table::close_edit() {
  HWND edit = std::exchange(edit_, nullptr);
  if (!edit) return;
  ::SetFocus(list_);
  ::DestroyWindow(edit);
  refused_.reset();
}

void Win32Table::calculate() {
  // An edit still open is committed first; refused, nothing is computed.
  if (!finish_edit(0, 0)) return;
  try {
    desk_.calculate();
  } catch (const WindowClosed&) {
    return;  // the program is ending
  }
  refresh();
  if (calculated_) calculated_();
}

void Win32Table::copy() const {
  const std::string lines =
      desk_.table().copied(std::min(row_, anchor_row_), std::min(column_, anchor_column_),
                           std::max(row_, anchor_row_), std::max(column_, anchor_column_));
  std::wstring text;
  for (const wchar_t c : wide_of(lines)) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  set_clipboard_text(window_, text);
}

void Win32Table::paste() { after(desk_.paste(row_, column_, utf8_of(clipboard_text(window_)))); }

bool Win32Table::may_close() {
  if (edit_ && !finish_edit(0, 0)) return false;
  const bool closes =
      desk_.may_close(files_, [this](const std::string& text) { return ask_save(window_, text); });
  refresh();
  return closes;
}

LRESULT Win32Table::custom_draw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
      const int column = draw.iSubItem - 1;
      if (column < 0) {
        draw.clrTextBk = RGB(230, 230, 230);
        draw.clrText = RGB(90, 90, 90);
        return CDRF_NEWFONT;
      }
      const PolygonTable& table = desk_.table();
      const bool current = row == row_ && column == column_;
      const bool selected = row >= std::min(row_, anchor_row_) &&
                            row <= std::max(row_, anchor_row_) &&
                            column >= std::min(column_, anchor_column_) &&
                            column <= std::max(column_, anchor_column_);
      const bool result = column >= kTableDataColumns;
      const bool refused = refused_ && refused_->first == row && refused_->second == column;
      draw.clrTextBk = background(current, selected, refused, result, table.editable(row, column));
      draw.clrText = current                      ? RGB(255, 255, 255)
                     : result && table.stale(row) ? RGB(160, 160, 160)
                                                  : RGB(0, 0, 0);
      return CDRF_NEWFONT;
    }
    default: return CDRF_DODEFAULT;
  }
}

LRESULT Win32Table::notified(const NMHDR& header) {
  if (header.hwndFrom != list_) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
      if (!(info.item.mask & LVIF_TEXT)) return 0;
      shown_text_ = info.item.iSubItem == 0
                        ? std::to_wstring(info.item.iItem + 1)
                        : wide_of(desk_.table().cell(info.item.iItem, info.item.iSubItem - 1));
      info.item.pszText = shown_text_.data();
      return 0;
    }
    case NM_CUSTOMDRAW:
      return custom_draw(
          const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
    default: return 0;
  }
}

LRESULT CALLBACK Win32Table::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Table*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<Win32Table*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->handle(message, w, l) : ::DefWindowProcW(window, message, w, l);
}

LRESULT Win32Table::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      if (list_) lay_out();
      return 0;
    case WM_SETFOCUS: ::SetFocus(edit_ ? edit_ : list_); return 0;
    case WM_COMMAND:
      if (LOWORD(w) == kCalculateId) calculate();
      return 0;
    case WM_NOTIFY: return notified(*reinterpret_cast<const NMHDR*>(l));
    case WM_CLOSE:
      try {
        if (may_close()) ::ShowWindow(window_, SW_HIDE);
      } catch (const WindowClosed&) {
      }
      return 0;
    default: break;
  }
  return ::DefWindowProcW(window_, message, w, l);
}

LRESULT CALLBACK Win32Table::list_procedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                            DWORD_PTR self_pointer) {
  auto* self = reinterpret_cast<Win32Table*>(self_pointer);
  switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (self->key(w)) return 0;
      break;
    case WM_CHAR:
      // A character typed on a cell starts its edit with it; the list's own search by
      // the first letter has no place in a table.
      if (w >= 0x20 && w != 0x7F && !pressed(VK_CONTROL))
        self->begin_edit(std::wstring(1, static_cast<wchar_t>(w)));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: self->click(l, message == WM_LBUTTONDBLCLK); return 0;
    default: break;
  }
  return ::DefSubclassProc(list, message, w, l);
}

LRESULT CALLBACK Win32Table::edit_procedure(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                            DWORD_PTR self_pointer) {
  auto* self = reinterpret_cast<Win32Table*>(self_pointer);
  switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      switch (w) {
        case VK_RETURN: self->finish_edit(1, 0); return 0;
        case VK_TAB: self->finish_edit(0, pressed(VK_SHIFT) ? -1 : 1); return 0;
        case VK_ESCAPE: self->cancel_edit(); return 0;
        case VK_F9: self->calculate(); return 0;
        default: break;
      }
      break;
    case WM_CHAR:
      if (w == L'\r' || w == L'\t' || w == 0x1B) return 0;  // no beep for the keys above
      break;
    default: break;
  }
  return ::DefSubclassProc(edit, message, w, l);
}

}  // namespace cp
