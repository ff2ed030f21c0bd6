// Helpers shared by the tests: a temporary directory, environment edits,
// captured standard output, and library-form paths.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

namespace test_support {

// A library path (backslash-separated) for a host path.
inline std::string library_path(const std::filesystem::path& p)
{
    std::string s = p.string();
    for (char& c : s)
        if (c == '/') c = '\\';
    return s;
}

inline void set_env(const std::string& name, const std::string& value)
{
#if defined(_WIN32)
    _putenv_s(name.c_str(), value.c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void unset_env(const std::string& name)
{
#if defined(_WIN32)
    // An empty value removes the variable from the C runtime's block.
    _putenv_s(name.c_str(), "");
#else
    ::unsetenv(name.c_str());
#endif
}

// A fresh directory, removed with everything in it at the end.
class TempDir {
public:
    TempDir()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("jotwell-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string lib() const { return library_path(path_); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string read_file(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void write_file(const std::filesystem::path& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary);
    out << text;
}

// Redirects std::cout into a string for its lifetime.
class CaptureCout {
public:
    CaptureCout() : old_(std::cout.rdbuf(buffer_.rdbuf())) {}
    ~CaptureCout() { std::cout.rdbuf(old_); }
    std::string text() const { return buffer_.str(); }

private:
    std::ostringstream buffer_;
    std::streambuf* old_;
};

} // namespace test_support
