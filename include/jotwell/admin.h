// Administration of the trace services: the activity filter.
#pragma once

#include <jotwell/config.h>
#include <jotwell/export.h>
#include <jotwell/importance.h>
#include <jotwell/logger.h>

namespace Jotwell {

namespace Context {
class Data;
}

namespace Admin {

// Decides for each statement whether it is written. The default answers
// true for severity 3 or more, else when the configuration is active and
// the level reaches the threshold's level. A program installs its own by
// deriving; an installed filter runs under its service's filter mutex, the
// default one on any number of threads at once.
class JOTWELL_API IsActive {
public:
    IsActive() {}
    IsActive(const IsActive&) {}
    IsActive& operator=(const IsActive&) { return *this; }
    virtual ~IsActive();

    // data is the calling thread's context, null when it has none.
    virtual bool operator()(const Importance& importance, Logger::Tag tag, const Config& config,
                            Context::Data* data) const;
};

} // namespace Admin
} // namespace Jotwell
