// Helpers for the configuration-language tests: one run with both standard
// streams captured, and the printed form of a record.
#pragma once

#include <jotwell/jotwell.h>

#include <iostream>
#include <sstream>
#include <string>

namespace config_test {

// Redirects std::cout and std::cerr into strings for its lifetime.
class CaptureStreams {
public:
    CaptureStreams() : old_out_(std::cout.rdbuf(out_.rdbuf())), old_err_(std::cerr.rdbuf(err_.rdbuf())) {}
    ~CaptureStreams()
    {
        std::cout.rdbuf(old_out_);
        std::cerr.rdbuf(old_err_);
    }
    CaptureStreams(const CaptureStreams&) = delete;
    CaptureStreams& operator=(const CaptureStreams&) = delete;

    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }

private:
    std::ostringstream out_;
    std::ostringstream err_;
    std::streambuf* old_out_;
    std::streambuf* old_err_;
};

inline std::string printed(const Jotwell::Config& c)
{
    std::ostringstream os;
    c.print(os);
    return os.str();
}

struct RunResult {
    bool ok;
    std::string out;
    std::string err;
};

// Runs text against the record with the given service name; the log
// directory and the configuration file are fixed test texts.
inline RunResult run_text(Jotwell::Config& c, const std::string& text, const std::string& name = "orders")
{
    std::istringstream in(text);
    CaptureStreams capture;
    const bool ok = c.parse(in, name, "logs", "orders_trace.ini");
    return {ok, capture.out(), capture.err()};
}

} // namespace config_test
