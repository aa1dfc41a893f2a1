// The Windows program: the window, or a batch run. Its command line is read in UTF-16
// and handed on as UTF-8, so that file names in Chinese work; what it writes to the
// console is UTF-8, byte for byte what the Linux program writes.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "batch_run.h"
#include "command_line.h"
#include "gdi_report.h"
#include "pdf_printer.h"
#include "wide_text.h"
#include "win32_window.h"

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  ::SetConsoleOutputCP(CP_UTF8);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(cp::utf8_of(argv[i]));
  const cp::CommandLine line = cp::read_command_line(arguments);
  const cp::ReportDevices devices{cp::render_through_pdf_printer, cp::print_on_default_printer};
  if (const auto status = cp::run_without_window(line, CP_VERSION, devices, std::cout, std::cerr))
    return *status;
  // Started from the desktop, the console is the program's own: it is not wanted.
  DWORD processes[2];
  if (::GetConsoleProcessList(processes, 2) == 1) ::FreeConsole();
  cp::MainWindow window;
  if (line.answers) window.replay_later(*line.answers);
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (::TranslateAcceleratorW(window.handle(), window.accelerators(), &message)) continue;
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
