// central-polygon.com, the console program beside the window program: typed in cmd or
// PowerShell as `central-polygon`, it is found before the .exe and runs batch runs,
// --template, --help and --version in that console, returning their exit status. Asked
// for the window, it starts central-polygon.exe beside it with the same arguments and
// returns at once, as a window program started from a console does.
#include <windows.h>

#include <iostream>
#include <string>

#include "guarded_main.h"
#include "program.h"

namespace {

int start_or_run() {
  if (const auto status = cp::run_in_console(cp::program_arguments())) return *status;
  wchar_t path[MAX_PATH * 4] = L"";
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring window(path, length);
  window.replace(window.size() - 4, 4, L".exe");  // central-polygon.com -> .exe
  // The command line as given, after the program's own name.
  const wchar_t* rest = ::GetCommandLineW();
  const bool quoted = *rest == L'"';
  for (++rest; *rest && (quoted ? *rest != L'"' : *rest != L' '); ++rest) {
  }
  if (*rest == L'"') ++rest;
  std::wstring command = L"\"" + window + L"\"" + rest;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(window.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
    return 2;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return 0;
}

}  // namespace

int wmain() {
  return cp::guarded_main(start_or_run, [](const std::string& text) { std::cerr << text << '\n'; });
}
