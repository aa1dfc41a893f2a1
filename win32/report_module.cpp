// The module of the PDF writer and the printers, central-polygon-report.dll beside the
// programs, loaded at the first PDF or print: the console program's text runs load
// neither GDI nor the print spooler.
#include "report_module.h"

#include <windows.h>

#include <string>

#include "fill.h"
#include "texts.h"
#include "wide_text.h"

namespace cp {

const LoadedModule& report_module() {
  static const LoadedModule loaded = [] {
    const std::string name = CP_REPORT_MODULE;
    wchar_t self[MAX_PATH * 4] = L"";
    const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    std::wstring path(self, length);
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + wide_of(name);
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
      return LoadedModule{nullptr, text::fill_in(text::kModuleMissing, "{module}", name)};
    HMODULE handle = ::LoadLibraryW(path.c_str());
    if (!handle) return LoadedModule{nullptr, system_message(::GetLastError())};
    using Entry = const ReportModule* (*)();
    const auto entry = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(::GetProcAddress(handle, kReportModuleEntry)));
    if (!entry) return LoadedModule{nullptr, system_message(::GetLastError())};
    return LoadedModule{entry(), {}};
  }();
  return loaded;
}

}  // namespace cp
