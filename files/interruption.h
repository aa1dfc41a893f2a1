#pragma once

#include <string>

// What an interruption of the program (SIGINT, SIGTERM, SIGHUP; Ctrl+C, Ctrl+Break or the
// console closed on Windows) leaves behind: nothing but the targets as they were. Every
// output's temporary file is registered from its creation until it is renamed over its
// target or removed, and the interruption removes those still registered before the
// program ends with the signal's own status.
namespace cp::os {

// Registers the temporary file, or forgets it once it is renamed or removed.
void remove_on_interruption(const std::string& path);
void keep_on_interruption(const std::string& path) noexcept;

// Calls `remove` with each registered path; safe inside a signal handler, where nothing
// may be allocated or locked.
void for_each_interrupted_temporary(void (*remove)(const char* path)) noexcept;

// Installed once in main: the handlers that remove the registered temporaries. A signal
// the program was started ignoring (SIGHUP under nohup) stays ignored.
void remove_temporaries_on_interruption() noexcept;

}  // namespace cp::os
