// central-polygon.exe, the window program: started from the Start menu, a double click
// on an answers file or the .com beside it, it has no console of its own. A command line
// that needs no window is still run (its files written, its status returned) for a
// caller that gave it standard handles; in a console, central-polygon.com is the one
// typed.
#include <windows.h>

#include <string>

#include "command_line.h"
#include "guarded_main.h"
#include "program.h"
#include "texts.h"
#include "wide_text.h"
#include "win32_window.h"

namespace {

int run_window_program() {
  const std::vector<std::string> arguments = cp::program_arguments();
  if (const auto status = cp::run_in_console(arguments)) return *status;
  const cp::CommandLine line = cp::read_command_line(arguments);
  cp::MainWindow window;
  if (line.table) {
    window.open_table_later(line.answers);
  } else if (line.answers) {
    window.replay_later(*line.answers);
  }
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The main window's keys in the main window only: the table has its own Ctrl+S.
    const bool in_main = ::GetAncestor(message.hwnd, GA_ROOT) == window.handle();
    if (in_main && ::TranslateAcceleratorW(window.handle(), window.accelerators(), &message))
      continue;
    // Return and Enter press the focused button, as Space does.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
        ::GetParent(message.hwnd) == window.handle()) {
      wchar_t type[16] = L"";
      ::GetClassNameW(message.hwnd, type, 16);
      if (std::wstring(type) == L"Button") {
        ::SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        continue;
      }
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // No console to say it on: a message box, which a caller with handles never waits for
  // in vain, since the program has ended its run by then.
  return cp::guarded_main(run_window_program, [](const std::string& text) {
    ::MessageBoxW(nullptr, cp::wide_of(text).c_str(), cp::wide_of(cp::text::kProgramTitle).c_str(),
                  MB_OK | MB_ICONERROR);
  });
}
