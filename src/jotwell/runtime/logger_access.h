// The library's way to make a Logger directly, without a trace service:
// used by the code that starts statements and by the tests of the record
// writers. Not exported.
#pragma once

#include <jotwell/logger.h>

#include <memory>

namespace Jotwell {

struct LoggerAccess {
    // An idle statement: no service held, no stream.
    static std::unique_ptr<Logger> make(const Importance& importance, Logger::Tag tag, const Config& config,
                                        Context::Data* data)
    {
        return std::unique_ptr<Logger>(new Logger(&importance, tag, config, data));
    }
    static Logger make_value(const Importance& importance, Logger::Tag tag, const Config& config,
                             Context::Data* data)
    {
        return Logger(&importance, tag, config, data);
    }
};

} // namespace Jotwell
