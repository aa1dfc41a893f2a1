#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The operating system's files, as the program needs them: paths are UTF-8 on every
// system, and every failure carries the system's own reason. POSIX and Win32 each have
// an implementation of their own.
namespace cp::os {

// Why the system could not do what was asked, in its own words.
struct Failure : std::runtime_error {
  explicit Failure(std::string reason_) : std::runtime_error(reason_), reason(std::move(reason_)) {}
  std::string reason;
};

class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  static File open_for_reading(const std::string& path);
  // A regular file to read, opened without waiting (a pipe with no writer would hold the
  // program in open()); nothing where there is none, a Failure for anything else there.
  static std::optional<File> open_regular_without_waiting(const std::string& path);
  // An existing file that is not a regular one (a device, a pipe), to write straight
  // into: it is neither created nor replaced.
  static File open_special_for_writing(const std::string& path);
  // A new file that must not exist yet; nothing where one does.
  static std::optional<File> create_new(const std::string& path);
  // A new file beside the target, its path in `path`, with the ordinary permissions.
  static File create_beside(const std::string& target, std::string& path);

  bool is_directory() const;
  // Up to `size` bytes; 0 at the end of the file.
  std::size_t read(char* buffer, std::size_t size);
  // Whether bytes can be read at once: a pipe whose writer has sent nothing yet waits.
  bool ready();
  void write(std::string_view bytes);  // every byte, or a Failure
  void sync();                         // the contents on the disk
  void close();                        // a failure to close is a failure to write

 private:
  explicit File(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_ = -1;  // the descriptor, or the Win32 handle; -1 for none
};

bool is_directory(const std::string& path);

// A setting's file, read whole without ever waiting: nothing where there is none; its
// contents where it is a regular file of at most `largest` bytes; a Failure saying why
// for anything else (a pipe, a device, a folder, a file too large), which is opened
// without blocking and never read.
std::optional<std::string> read_setting_file(const std::string& path, std::size_t largest);

// Where an output named `path` goes. A regular file, or none yet, is replaced whole:
// `path` is then the file itself, through any symbolic links, so that a link stays a
// link and the file it names is replaced. Anything else that exists (a device, a pipe,
// the terminal) is written straight into, never replaced. A folder is a Failure.
struct OutputTarget {
  std::string path;
  bool special = false;
};
OutputTarget output_target(const std::string& path);

// Called once, first in every main. A file size limit (ulimit -f) then fails a write with
// its reason, as a full disk does, instead of ending the program with SIGXFSZ.
void take_file_size_limit_as_write_failure() noexcept;
// Called once, first in every main. A standard stream the program was started without
// (`>&-`) is held by the null device opened for reading only: no file opened later takes
// its number, and a write to it fails as a write to a closed stream does.
void hold_closed_standard_streams() noexcept;
// Closes standard output at the end of a command-line run: the system's reason where
// what it held could not be written, nothing where all of it was.
std::optional<std::string> close_standard_output() noexcept;
// Renames the file over the target, which may exist; a Failure leaves both as they were.
void replace(const std::string& from, const std::string& to);
void remove(const std::string& path) noexcept;
// Puts the folder's names on the disk, where the system can.
void sync_folder(const std::string& folder) noexcept;
std::tm local_time(std::time_t time);
// This program run's process number, and whether the process of a number is still
// running: what a program run leaves beside the journal says whether it ended.
long this_process() noexcept;
bool process_running(long id) noexcept;

// A UTF-8 path as the standard library's path, and back: on Windows a narrow string
// would go through the ANSI code page, which has no room for Chinese names.
inline std::filesystem::path path_of(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string utf8_of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
// An environment variable as UTF-8, nothing where it is not set or empty.
std::optional<std::string> environment(const char* name);

}  // namespace cp::os
