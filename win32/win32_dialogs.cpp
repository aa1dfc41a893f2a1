#include "win32_dialogs.h"

#include <algorithm>

#include "text_runs.h"
#include "texts.h"
#include "wide_text.h"
#include "win32_fonts.h"

namespace cp {
namespace {

constexpr int kEditId = 100;
constexpr int kWidth = 460;  // the dialog's client width at 96 dpi
constexpr int kMargin = 12;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kEditHeight = 24;
constexpr wchar_t kClass[] = L"CentralPolygonDialog";

struct DialogState {
  bool done = false;
  int pressed = 0;      // the id of the button pressed; 0 for the close box
  bool ending = false;  // the program was asked to end while the dialog was open
  std::wstring typed;
  const FontPair* fonts = nullptr;
  std::wstring text;
};

LRESULT CALLBACK dialog_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* state = reinterpret_cast<DialogState*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (!state) break;
      if (LOWORD(w) == IDOK || LOWORD(w) == IDNO || LOWORD(w) == IDCANCEL) {
        state->pressed = LOWORD(w);
        if (HWND edit = ::GetDlgItem(window, kEditId)) state->typed = window_text(edit);
        state->done = true;
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      // The close box, Alt+F4 or the window menu's close: the user's 取消.
      if (state && (w & 0xFFF0) == SC_CLOSE) {
        state->done = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      // Sent on its own, not through the close box: the program is asked to end (taskkill,
      // the task manager, the session ending). That is no answer: a confirmation closed
      // so must not be taken, nor journalled, as an acceptance.
      if (state) state->done = state->ending = true;
      return 0;
    case WM_DRAWITEM: {  // the text, the dialog's one owner-drawn control
      if (!state) break;
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
      ::SetBkMode(item.hDC, TRANSPARENT);
      ::SetTextColor(item.hDC, ::GetSysColor(COLOR_BTNTEXT));
      draw_text_box(item.hDC, *state->fonts, item.rcItem, state->text, Align::Wrapped);
      return TRUE;
    }
    default: break;
  }
  return ::DefWindowProcW(window, message, w, l);
}

void register_class() {
  static const bool registered = [] {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = dialog_procedure;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    type.lpszClassName = kClass;
    return ::RegisterClassExW(&type) != 0;
  }();
  (void)registered;
}

// Where a dialog of the given outer size stands: where the placement puts it, else
// centred on its owner, else where the system chooses.
POINT dialog_corner(HWND owner, const DialogPlacement& placement, SIZE size) {
  if (placement) return placement(size);
  if (!owner) return {CW_USEDEFAULT, CW_USEDEFAULT};
  RECT frame{};
  ::GetWindowRect(owner, &frame);
  return {(frame.left + frame.right - size.cx) / 2, (frame.top + frame.bottom - size.cy) / 2};
}

// The buttons in a row at the bottom right of a dialog `width` wide, their top at `y`;
// the first is the default.
void add_buttons(HWND dialog, int width, int y, const std::vector<DialogButton>& buttons,
                 double scale, HFONT font) {
  const auto px = [scale](int at_96) { return static_cast<int>(at_96 * scale + 0.5); };
  const auto count = static_cast<int>(buttons.size());
  int x = width - px(kMargin) - count * px(kButtonWidth) - (count - 1) * px(kMargin / 2);
  for (const DialogButton& button : buttons) {
    const DWORD style = WS_TABSTOP | (&button == &buttons.front() ? BS_DEFPUSHBUTTON : 0);
    child_control(dialog, L"BUTTON", wide_of(button.caption), style,
                  {x, y, x + px(kButtonWidth), y + px(kButtonHeight)}, button.id, font);
    x += px(kButtonWidth + kMargin / 2);
  }
}

// The dialog's own message loop, until it is answered; the program's exit code where
// the program is ending instead (its window was closed, WM_QUIT came).
std::optional<int> wait_for_answer(HWND dialog, const DialogState& state) {
  MSG message{};
  while (!state.done) {
    if (::GetMessageW(&message, nullptr, 0, 0) <= 0) return static_cast<int>(message.wParam);
    if (!::IsDialogMessageW(dialog, &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> run_dialog(HWND owner, const std::string& text, bool edit_field,
                                      bool cancel_button, const DialogPlacement& placement) {
  std::vector<DialogButton> buttons{{IDOK, text::kOk}};
  if (cancel_button) buttons.push_back({IDCANCEL, text::kCancel});
  const DialogAnswer answer = show_dialog(owner, text, edit_field, buttons, placement);
  if (answer.pressed != IDOK) return std::nullopt;
  return answer.typed;
}

DialogAnswer show_dialog(HWND owner, const std::string& text, bool edit_field,
                         const std::vector<DialogButton>& buttons,
                         const DialogPlacement& placement) {
  register_class();
  const double scale = owner ? ::GetDpiForWindow(owner) / 96.0 : 1.0;
  const auto px = [scale](int at_96) { return static_cast<int>(at_96 * scale + 0.5); };
  const FontPair fonts = dialog_fonts(scale);
  // Where the Chinese face has no Latin letters, what is typed (numbers, mostly) is shown
  // in the Latin face.
  HFONT typing = fonts.latin() ? fonts.latin() : fonts.main();

  // The text's height, wrapped at the dialog's width.
  DialogState state;
  state.fonts = &fonts;
  state.text = wide_of(text);
  HDC screen = ::GetDC(nullptr);
  const int text_height = draw_text_box(screen, fonts, {0, 0, px(kWidth - 2 * kMargin), 0},
                                        state.text, Align::Wrapped, true);
  ::ReleaseDC(nullptr, screen);

  int y = px(kMargin);
  const int width = px(kWidth);
  const int height = y + text_height + px(kMargin) + (edit_field ? px(kEditHeight + kMargin) : 0) +
                     px(kButtonHeight + kMargin);
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT outer{0, 0, width, height};
  ::AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
  const POINT corner = dialog_corner(owner, placement, size);
  const std::wstring title = wide_of(text::kProgramTitle);
  HWND dialog =
      ::CreateWindowExW(ex_style, kClass, title.c_str(), style, corner.x, corner.y, size.cx,
                        size.cy, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  child_control(dialog, L"STATIC", state.text, SS_OWNERDRAW,
                {px(kMargin), y, width - px(kMargin), y + text_height}, 0, fonts.main());
  y += text_height + px(kMargin);
  HWND edit = nullptr;
  if (edit_field) {
    edit =
        child_control(dialog, L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                      {px(kMargin), y, width - px(kMargin), y + px(kEditHeight)}, kEditId, typing);
    y += px(kEditHeight + kMargin);
  }
  add_buttons(dialog, width, y, buttons, scale, fonts.main());

  if (owner) ::EnableWindow(owner, FALSE);
  ::ShowWindow(dialog, SW_SHOW);
  ::SetFocus(edit ? edit : ::GetDlgItem(dialog, buttons.front().id));
  const std::optional<int> quit = wait_for_answer(dialog, state);
  if (owner) ::EnableWindow(owner, TRUE);
  ::DestroyWindow(dialog);
  if (quit || state.ending) {
    ::PostQuitMessage(quit.value_or(0));
    throw WindowClosed{};
  }
  if (owner) ::SetForegroundWindow(owner);
  return {state.pressed, utf8_of(state.typed)};
}

HWND child_control(HWND parent, const wchar_t* type, const std::wstring& text, DWORD style, RECT at,
                   int id, HFONT font) {
  HWND control = ::CreateWindowExW(0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, at.left,
                                   at.top, at.right - at.left, at.bottom - at.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return control;
}

std::wstring window_text(HWND control) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace cp
