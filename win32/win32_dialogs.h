#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ports.h"

// The modal dialogs of the Windows window: the prompt with its edit field and 确定/取消,
// the message with 确定, and the question with 确定/取消. Each stands where the owner's
// placement puts it and disables the owner while it is open.
namespace cp {

// The top left corner of a dialog of the given outer size, in screen pixels.
using DialogPlacement = std::function<POINT(SIZE)>;

// The window was closed, or the program asked to end, while a dialog was open: the
// calculation ends, and the program with it. No answer is given.
struct WindowClosed : std::runtime_error {
  WindowClosed() : std::runtime_error("窗口已关闭") {}
};

// Shows the dialog and waits: the typed text for 确定 (or Enter) where it has an edit
// field, an empty text for a dialog without one; nothing for 取消, Esc or the close box.
// Throws WindowClosed where the program is asked to end meanwhile.
// A child control of the window class `type` at `at`, in the font.
HWND child_control(HWND parent, const wchar_t* type, const std::wstring& text, DWORD style, RECT at,
                   int id, HFONT font);
// A window's or a control's text.
std::wstring window_text(HWND control);

// A dialog's button: IDOK, IDNO or IDCANCEL, and its caption.
struct DialogButton {
  int id;
  std::string_view caption;
};
struct DialogAnswer {
  int pressed;  // the button's id (IDCANCEL for Esc); 0 for the close box or Alt+F4
  std::string typed;
};
// The same with the buttons given, the first the default.
DialogAnswer show_dialog(HWND owner, const std::string& text, bool edit_field,
                         const std::vector<DialogButton>& buttons,
                         const DialogPlacement& placement);

std::optional<std::string> run_dialog(HWND owner, const std::string& text, bool edit_field,
                                      bool cancel_button, const DialogPlacement& placement);

class Win32Prompt : public ModalPrompt {
 public:
  Win32Prompt(HWND* owner, DialogPlacement placement)
      : owner_(owner), placement_(std::move(placement)) {}
  std::string ask(const std::string& text) override {
    return run_dialog(*owner_, text, true, true, placement_).value_or(std::string());
  }

 private:
  HWND* owner_;
  DialogPlacement placement_;
};

class Win32Message : public Message {
 public:
  explicit Win32Message(HWND* owner) : owner_(owner) {}
  void show(const std::string& text) override { run_dialog(*owner_, text, false, false, {}); }

 private:
  HWND* owner_;
};

}  // namespace cp
