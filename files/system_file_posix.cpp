#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "interruption.h"
#include "system_file.h"
#include "texts.h"

namespace cp::os {
namespace {

[[noreturn]] void fail(int error) { throw Failure{std::strerror(error)}; }

int descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

File::~File() {
  if (handle_ >= 0) ::close(descriptor(handle_));
}

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

File& File::operator=(File&& other) noexcept {
  std::swap(handle_, other.handle_);
  return *this;
}

File File::open_for_reading(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail(errno);
  return File(fd);
}

File File::open_special_for_writing(const std::string& path) {
  // No O_CREAT: the file exists and stays what it is; O_TRUNC empties a regular file that
  // took its place meanwhile and means nothing to a device or a pipe.
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) fail(errno);
  return File(fd);
}

std::optional<File> File::create_new(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0 && errno == EEXIST) return std::nullopt;
  if (fd < 0) fail(errno);
  return File(fd);
}

File File::create_beside(const std::string& target, std::string& path) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string pattern = folder + "." + name + ".XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = ::mkstemp(buffer.data());
  if (fd < 0) fail(errno);
  path = buffer.data();
  // The finished file gets the ordinary permissions of a new file, not mkstemp's 0600.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  return File(fd);
}

bool File::is_directory() const {
  struct stat status {};
  return ::fstat(descriptor(handle_), &status) == 0 && S_ISDIR(status.st_mode);
}

std::size_t File::read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(descriptor(handle_), buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) fail(errno);
  }
}

bool File::ready() {
  pollfd ready{.fd = descriptor(handle_), .events = POLLIN, .revents = 0};
  return ::poll(&ready, 1, 0) > 0;
}

void File::write(std::string_view bytes) {
  for (std::size_t written = 0; written < bytes.size();) {
    const ssize_t n = ::write(descriptor(handle_), bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    written += static_cast<std::size_t>(n);
  }
}

void File::sync() {
  if (::fdatasync(descriptor(handle_)) != 0) fail(errno);
}

void File::close() {
  const int closed = ::close(descriptor(std::exchange(handle_, -1)));
  if (closed != 0) fail(errno);
}

std::optional<File> File::open_regular_without_waiting(const std::string& path) {
  // O_NONBLOCK: a pipe with no writer would otherwise hold the program in open().
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return std::nullopt;
  if (fd < 0) fail(errno);
  File file(fd);
  struct stat status {};
  if (::fstat(fd, &status) != 0) fail(errno);
  if (S_ISDIR(status.st_mode)) fail(EISDIR);
  if (!S_ISREG(status.st_mode)) throw Failure{std::string(text::kNotARegularFile)};
  return file;
}

bool is_directory(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

OutputTarget output_target(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) fail(EISDIR);
    if (!S_ISREG(status.st_mode)) return {path, true};
    // A regular file, perhaps through links: the file itself is replaced.
    std::error_code error;
    const auto file = std::filesystem::canonical(path_of(path), error);
    if (error) fail(error.value());
    return {utf8_of(file), false};
  }
  if (errno != ENOENT) fail(errno);
  // Nothing there yet, or a link to a file not there yet: the file is made where the
  // links lead.
  std::filesystem::path at = path_of(path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(at, error)))
      return {utf8_of(at)};
    const std::filesystem::path next = std::filesystem::read_symlink(at, error);
    if (error) fail(error.value());
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  fail(ELOOP);
}

void take_file_size_limit_as_write_failure() noexcept { ::signal(SIGXFSZ, SIG_IGN); }

void hold_closed_standard_streams() noexcept {
  for (int stream = 0; stream <= 2; ++stream) {
    if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free number is the one closed: the streams are taken in order.
    const int held = ::open("/dev/null", O_RDONLY);
    if (held >= 0 && held != stream) ::close(held);
  }
}

std::optional<std::string> close_standard_output() noexcept {
  if (std::fflush(stdout) != 0) return std::strerror(errno);
  // A file system may report a failed write only when the file is closed.
  if (::close(STDOUT_FILENO) != 0 && errno != EBADF) return std::strerror(errno);
  return std::nullopt;
}

namespace {

void remove_interrupted(const char* path) { ::unlink(path); }

// Only async-signal-safe calls: unlink, signal and raise. The signal then ends the
// program as it would have, with its own status.
void on_interruption(int signal) {
  for_each_interrupted_temporary(remove_interrupted);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

}  // namespace

void remove_temporaries_on_interruption() noexcept {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old {};
    if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = on_interruption;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

void replace(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) fail(errno);
}

void remove(const std::string& path) noexcept { ::unlink(path.c_str()); }

long this_process() noexcept { return static_cast<long>(::getpid()); }

bool process_running(long id) noexcept {
  // A process of another user still runs where the signal is only not permitted.
  return id > 0 && (::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM);
}

void sync_folder(const std::string& folder) noexcept {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

std::tm local_time(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return local;
}

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::string(value);
}

}  // namespace cp::os
