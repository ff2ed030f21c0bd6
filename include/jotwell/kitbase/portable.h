// Kitbase::Portable: the few operating-system services the tracing library
// needs, behind names that do not depend on the platform.
//
// Paths use the backslash as their only separator, on every platform; the
// slash is an ordinary character. The native layer turns a path into the
// host's form when it hands it to the system.
//
// File operations report failure only through their false result.
#pragma once

#include <jotwell/export.h>

#include <cstdarg>
#include <fstream>
#include <string>
#include <vector>

namespace Kitbase {
namespace Portable {

JOTWELL_API bool unlink(const std::string& path);
// Creates one directory; parents are not created, an existing one gives false.
JOTWELL_API bool mkdir(const std::string& path);
// Copies a file; an existing target is never overwritten and gives false.
JOTWELL_API bool copy_file(const std::string& from, const std::string& to);
// True when the path can be opened for reading.
JOTWELL_API bool exists_file(const std::string& path);
JOTWELL_API int getpid();

// Formats into buf, writing at most size characters including the final
// NUL. The buffer is NUL-terminated whenever size > 0. Returns the length
// of the text, or a negative value when it did not fit (then the text is
// cut at size - 1 characters).
JOTWELL_API int vsnprintf(char* buf, unsigned size, const char* format, va_list args);

// If the variable is set (even to the empty text), assigns it to value;
// otherwise leaves value alone. Returns value.
JOTWELL_API std::string& getenv(const std::string& name, std::string& value);
// The variable's text if it is set (the empty text included), else fallback.
JOTWELL_API std::string getenv(const std::string& name, const std::string& fallback);

// An input file stream that takes a library path.
class JOTWELL_API ifstream : public std::ifstream {
public:
    ifstream();
    explicit ifstream(const char* file);
    virtual ~ifstream();
};

class JOTWELL_API Pathname {
public:
    // A fixed underlying type, so that any other value is valid and reads as dot.
    enum Dot_type : int { dot = 0, dot_dot = 1 };

    Pathname(const Dot_type& d = dot);
    Pathname(const std::string& s);   // drops one trailing separator
    Pathname(const Pathname& dir, const std::string& name);
    Pathname(const Pathname& dir, const Dot_type& d);

    Pathname& operator/=(const std::string& name);
    Pathname& operator/=(const Dot_type& d);

    std::string as_dir() const;            // with one separator at the end
    const std::string& as_file() const;    // the text as it is
    // The text before the last separator. For a text without one, the
    // empty path.
    Pathname dirname() const;
    std::string basename() const;          // the text after the last separator
    // basename() with suffix cut off when it ends with it (case-sensitive).
    std::string basename(const std::string& suffix) const;

private:
    std::string text_;
};

// A picture of the running process, captured once at the library's start.
// Every instance reads the same process-wide record; all operations may
// be called from any thread while the library is started.
struct JOTWELL_API Process {
    Process() {}
    Process& operator=(const Process&) { return *this; }

    int argc() const;
    const std::vector<std::string>& args() const;   // never empty
    // args() as C strings, in order, followed by a null entry.
    char** argv() const;
    char** envp() const;                            // the current environment
    int id() const;
    // The last component of argument 0 without a trailing ".exe".
    std::string name() const;
};

// Creates the process record with its first instance, deletes it with the
// last. Every unit that includes this header holds one.
class JOTWELL_API ProcessInitExit {
public:
    ProcessInitExit();
    ~ProcessInitExit();
    ProcessInitExit(const ProcessInitExit&) = delete;
    ProcessInitExit& operator=(const ProcessInitExit&) { return *this; }

private:
    static void init();
    static void exit();
};

namespace {
ProcessInitExit process_init_exit_instance;
} // namespace

} // namespace Portable
} // namespace Kitbase
