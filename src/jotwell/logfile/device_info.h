// The four names of a trace service, as its log files and its
// configuration holder read them.
#pragma once

#include <string>

namespace Jotwell {

struct DeviceInfo {
    virtual ~DeviceInfo() {}
    virtual std::string name() const = 0;
    virtual std::string logext() const = 0;      // "log" or "xml"
    virtual std::string logdir() const = 0;
    virtual std::string configfile() const = 0;
};

} // namespace Jotwell
