// The operating-system seam. Every call the library makes to the host goes
// through this interface; nothing outside this folder asks which operating
// system it runs on. os.cpp picks the POSIX or the Win32 back end.
//
// Paths given here are library paths (backslash-separated); each back end
// turns them into the host's form.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace Kitbase {
namespace Native {
namespace Os {

// Locks: re-entrant critical sections in caller-provided storage.
constexpr unsigned lock_storage_size = 64;
void lock_init(void* storage);
void lock_destroy(void* storage);
void lock_enter(void* storage);
void lock_leave(void* storage);

std::uint32_t thread_id();

// Thread-local slots.
bool tls_alloc(std::uint32_t& index);
void tls_free(std::uint32_t index);
void* tls_get(std::uint32_t index);
bool tls_set(std::uint32_t index, void* value);

// Wall-clock time as whole seconds since the epoch plus milliseconds.
void wall_clock(std::int64_t& seconds, int& milliseconds);
// UTC breakdown of seconds since the epoch; false when out of range.
bool utc_breakdown(std::int64_t seconds, std::tm& out);
// Seconds since the epoch of a UTC calendar time, carrying fields over;
// false for a time before the epoch or one the host cannot hold.
bool utc_seconds(const std::tm& in, std::int64_t& seconds);

// Files. Each takes library paths.
std::string host_path(const std::string& path);
bool remove_file(const std::string& path);
bool make_directory(const std::string& path);
bool copy_new_file(const std::string& from, const std::string& to);

int process_id();

// Bounded formatting: always NUL-terminated when size > 0; the text's
// length, or -1 when it did not fit.
int format(char* buf, unsigned size, const char* format, va_list args);

// The C runtime's argument vector, argument 0 in library form. False when
// the runtime keeps none.
bool program_arguments(std::vector<std::string>& args);
// The program file's full path in library form; empty if unknown.
std::string program_path();

char** environment_block();
// False when the variable is unset.
bool get_environment(const std::string& name, std::string& value);

// Facts about the build for the configuration language. os_name is the
// family ("MSWin32", "linux", ...).
struct BuildFacts {
    bool win32;
    bool unix_like;
    bool linux_kernel;
    bool apple;
    bool solaris;
    bool aix;
    bool hpux;
    const char* os_name;
    // The compiler, the macro expression its version comes from, and that
    // version in decimal ("MsDev", "_MSC_VER", 1310).
    const char* compiler;
    const char* compiler_version_macro;
    long compiler_version;
};
BuildFacts build_facts();

} // namespace Os
} // namespace Native
} // namespace Kitbase
