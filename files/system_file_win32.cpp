#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <utility>

#include "fill.h"
#include "interruption.h"
#include "system_file.h"
#include "texts.h"
#include "wide_text.h"

namespace cp::os {
namespace {

[[noreturn]] void fail(DWORD error) { throw Failure{system_message(error)}; }

HANDLE handle_of(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t stored(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

HANDLE open(const std::string& path, DWORD access, DWORD disposition) {
  // FILE_SHARE_DELETE: an interruption can remove a temporary file while it is open.
  return ::CreateFileW(wide_of(path).c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// CON, PRN, AUX, NUL, COM1–9 and LPT1–9 name devices in every folder, with any
// extension: "aux.txt" is the AUX device, never a file.
bool reserved_device_name(const std::filesystem::path& path) {
  std::wstring stem = path.filename().wstring();
  stem = stem.substr(0, stem.find(L'.'));
  while (!stem.empty() && (stem.back() == L' ')) stem.pop_back();
  std::transform(stem.begin(), stem.end(), stem.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  for (const wchar_t* name : {L"CON", L"PRN", L"AUX", L"NUL"})
    if (stem == name) return true;
  return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
         stem[3] >= L'1' && stem[3] <= L'9';
}

}  // namespace

File::~File() {
  if (handle_ != -1) ::CloseHandle(handle_of(handle_));
}

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

File& File::operator=(File&& other) noexcept {
  std::swap(handle_, other.handle_);
  return *this;
}

File File::open_for_reading(const std::string& path) {
  const HANDLE handle = open(path, GENERIC_READ, OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) fail(::GetLastError());
  return File(stored(handle));
}

std::optional<File> File::create_new(const std::string& path) {
  const HANDLE handle = open(path, GENERIC_WRITE, CREATE_NEW);
  if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS) return std::nullopt;
  if (handle == INVALID_HANDLE_VALUE) fail(::GetLastError());
  return File(stored(handle));
}

File File::open_special_for_writing(const std::string& path) {
  const HANDLE handle = open(path, GENERIC_WRITE, OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) fail(::GetLastError());
  return File(stored(handle));
}

File File::create_beside(const std::string& target, std::string& path) {
  // A few names are tried, each new; one taken after another means something else is
  // wrong, and the last attempt's reason is said.
  constexpr unsigned kAttempts = 100;
  for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
    path = target + "." + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(::GetTickCount64() + attempt) + ".tmp";
    if (auto file = create_new(path)) return std::move(*file);
  }
  fail(ERROR_FILE_EXISTS);
}

bool File::is_directory() const {
  BY_HANDLE_FILE_INFORMATION information{};
  return ::GetFileInformationByHandle(handle_of(handle_), &information) &&
         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::size_t File::read(char* buffer, std::size_t size) {
  DWORD got = 0;
  const DWORD wanted = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
  if (!::ReadFile(handle_of(handle_), buffer, wanted, &got, nullptr)) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
    fail(error);
  }
  return got;
}

bool File::ready() {
  if (::GetFileType(handle_of(handle_)) != FILE_TYPE_PIPE) return true;
  DWORD waiting = 0;
  return ::PeekNamedPipe(handle_of(handle_), nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0;
}

void File::write(std::string_view bytes) {
  for (std::size_t written = 0; written < bytes.size();) {
    const std::size_t left = bytes.size() - written;
    const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
    DWORD done = 0;
    if (!::WriteFile(handle_of(handle_), bytes.data() + written, chunk, &done, nullptr))
      fail(::GetLastError());
    written += done;
  }
}

void File::sync() {
  if (!::FlushFileBuffers(handle_of(handle_))) fail(::GetLastError());
}

void File::close() {
  if (!::CloseHandle(handle_of(std::exchange(handle_, -1)))) fail(::GetLastError());
}

bool is_directory(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(wide_of(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<File> File::open_regular_without_waiting(const std::string& path) {
  const HANDLE handle = open(path, GENERIC_READ, OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    fail(error);
  }
  File file(stored(handle));
  if (file.is_directory()) fail(ERROR_DIRECTORY);
  if (::GetFileType(handle) != FILE_TYPE_DISK) throw Failure{std::string(text::kNotARegularFile)};
  return file;
}

OutputTarget output_target(const std::string& path) {
  const std::filesystem::path at = path_of(path);
  if (reserved_device_name(at))
    throw Failure{text::fill_in(text::kReservedDeviceName, "{name}", utf8_of(at.filename()))};
  const DWORD attributes = ::GetFileAttributesW(wide_of(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) fail(ERROR_DIRECTORY);
    if (attributes & FILE_ATTRIBUTE_READONLY) throw Failure{std::string(text::kReadOnlyTarget)};
  }
  return {path, false};
}

void take_file_size_limit_as_write_failure() noexcept {}  // Windows has no such limit or signal
void hold_closed_standard_streams() noexcept {}           // a missing handle is no number to take

std::optional<std::string> close_standard_output() noexcept {
  // A window program started without handles has no standard output to fail.
  if (std::fflush(stdout) != 0) return std::string(std::strerror(errno));
  return std::nullopt;
}

namespace {

void remove_interrupted(const char* path) { ::DeleteFileW(wide_of(path).c_str()); }

// Runs on a thread of its own; FALSE lets the system's handler end the program.
BOOL WINAPI on_interruption(DWORD) {
  for_each_interrupted_temporary(remove_interrupted);
  return FALSE;
}

}  // namespace

void remove_temporaries_on_interruption() noexcept {
  ::SetConsoleCtrlHandler(on_interruption, TRUE);
}

void replace(const std::string& from, const std::string& to) {
  if (!::MoveFileExW(wide_of(from).c_str(), wide_of(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    fail(::GetLastError());
}

void remove(const std::string& path) noexcept { ::DeleteFileW(wide_of(path).c_str()); }

long this_process() noexcept { return static_cast<long>(::GetCurrentProcessId()); }

bool process_running(long id) noexcept {
  if (id <= 0) return false;
  const HANDLE process =
      ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
  if (!process) return ::GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  ::CloseHandle(process);
  return running;
}

void sync_folder(const std::string&) noexcept {}  // NTFS keeps a folder's names itself

std::tm local_time(std::time_t time) {
  std::tm local{};
  ::localtime_s(&local, &time);
  return local;
}

std::optional<std::string> environment(const char* name) {
  const std::wstring wide_name = wide_of(name);
  const DWORD size = ::GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
  if (size <= 1) return std::nullopt;
  std::wstring value(size, L'\0');
  value.resize(::GetEnvironmentVariableW(wide_name.c_str(), value.data(), size));
  return utf8_of(value);
}

}  // namespace cp::os
