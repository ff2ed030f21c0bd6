// A trace statement in flight, as the trace service and the log files see
// it.
#pragma once

#include <jotwell/config.h>
#include <jotwell/export.h>
#include <jotwell/importance.h>

#include <iosfwd>

namespace Jotwell {

class Logos;
struct LoggerAccess;

namespace Context {
class Data;
}

// A hold on a trace service's statement lock: null when nothing is held.
// While it is not null its owner holds that service's statement lock.
struct JOTWELL_API LogosLock {
    LogosLock() : logos(nullptr) {}

    Logos* logos;
};

// One statement in flight. Its constructors are the library's own; the log
// files read its importance, tag, configuration snapshot and thread
// context, and may change that context's minor tick and depth.
class JOTWELL_API Logger {
public:
    enum Tag { Plain = 0, Open = 1, Close = 2 };

    // The importance the caller keeps alive for the statement's lifetime.
    const Importance& importance() const { return *importance_; }
    Tag tag() const { return tag_; }
    // A copy taken when the statement started, never the live record.
    const Config& config() const { return config_; }
    // The calling thread's context, null when it has none.
    Context::Data* data() const { return data_; }
    // The held service, null when the statement is inactive.
    Logos* logos() const { return logos_.logos; }
    // Where the message text goes, null when nothing is to be written.
    std::ostream* stream() const { return stream_; }

    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

private:
    friend struct LoggerAccess;

    Logger(const Importance* importance, Tag tag, const Config& config, Context::Data* data)
        : importance_(importance), tag_(tag), config_(config), data_(data), stream_(nullptr)
    {
    }

    const Importance* importance_;
    Tag tag_;
    Config config_;
    Context::Data* data_;
    LogosLock logos_;
    std::ostream* stream_;
};

} // namespace Jotwell
