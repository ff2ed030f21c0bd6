// Helpers for the log file tests: a service's names, records written
// straight through a log file, and the normalising of varying columns.
#pragma once

#include "jotwell/logfile/device_info.h"
#include "jotwell/logfile/log_file.h"
#include "jotwell/runtime/env_flags.h"
#include "jotwell/runtime/logger_access.h"
#include "kitbase/native/os.h"
#include "test_support.h"

#include <jotwell/kitbase/native.h>
#include <jotwell/kitbase/portable.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace log_test {

struct TestInfo : Jotwell::DeviceInfo {
    TestInfo(const std::string& n, const std::string& e, const std::string& d) : name_(n), ext_(e), dir_(d) {}
    std::string name() const override { return name_; }
    std::string logext() const override { return ext_; }
    std::string logdir() const override { return dir_; }
    std::string configfile() const override { return "unused_trace.ini"; }

    std::string name_, ext_, dir_;
};

// Writes one record of text through lf.
inline void write_record(Jotwell::LogFile& lf, const Jotwell::Logger& l, unsigned rank, const std::string& text,
                         bool nested_lost = false)
{
    std::ostream* s = lf.begin_message(l, rank);
    if (s) *s << text;
    lf.nested_trace_lost = nested_lost;
    lf.end_message(l, rank);
}

// The host's form of a library path.
inline std::filesystem::path host(const std::string& library_path)
{
    return std::filesystem::path(Kitbase::Native::Os::host_path(library_path));
}

// A log file's text with the host's line ends turned into '\n'.
inline std::string read_text(const std::filesystem::path& p)
{
    std::string text = test_support::read_file(p);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

inline std::string read_library_file(const std::string& library_path) { return read_text(host(library_path)); }

// Tools of the build host (xmllint, /dev/full) cannot be reached from a
// Windows build, even one run under Wine on that host.
inline bool windows_build() { return Kitbase::Native::Os::build_facts().win32; }

inline void wait_for_clock() { std::this_thread::sleep_for(std::chrono::milliseconds(3)); }

inline std::set<std::string> files_in(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

inline std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::string pid_text(int width)
{
    std::ostringstream os;
    os.width(width);
    os << Kitbase::Portable::Process().id();
    return os.str();
}

inline std::string tid_text(int width)
{
    std::ostringstream os;
    os.width(width);
    os << Kitbase::Native::current_thread_id();
    return os.str();
}

// Replaces every occurrence of from in s.
inline std::string replace_all(std::string s, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size()) s.replace(at, from.size(), to);
    return s;
}

// Turns the echo flag (and optionally the screen flag) on for a scope.
class Flags {
public:
    Flags(bool echo, bool screen)
    {
        if (echo) test_support::set_env("VX_TRACE_ECHO", "1");
        if (screen) test_support::set_env("VX_TRACE_TO_SCREEN", "1");
        Jotwell::EnvFlags::reload_for_test();
    }
    ~Flags()
    {
        test_support::unset_env("VX_TRACE_ECHO");
        test_support::unset_env("VX_TRACE_TO_SCREEN");
        Jotwell::EnvFlags::reload_for_test();
    }
};

} // namespace log_test
