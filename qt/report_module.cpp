#include "report_module.h"

#include "private_file.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "fill.h"
#include "texts.h"

namespace cp {

std::optional<std::string> private_file(const std::string& name) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  for (const std::filesystem::path& folder :
       {self.parent_path(), self.parent_path() / CP_PRIVATE_DIR}) {
    const std::filesystem::path file = folder / name;
    if (std::filesystem::exists(file, error)) return file.lexically_normal().string();
  }
  return std::nullopt;
}

const LoadedModule& report_module() {
  static const LoadedModule loaded = [] {
    const auto path = private_file(CP_REPORT_MODULE);
    if (!path) {
      return LoadedModule{
          nullptr, text::fill_in(text::kModuleMissing, "{module}", std::string(CP_REPORT_MODULE))};
    }
    void* handle = ::dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return LoadedModule{nullptr, ::dlerror()};
    using Entry = const ReportModule* (*)();
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, kReportModuleEntry));
    if (!entry) return LoadedModule{nullptr, ::dlerror()};
    return LoadedModule{entry(), {}};
  }();
  return loaded;
}

}  // namespace cp
