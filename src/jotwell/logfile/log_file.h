// LogFile: a trace service's only view of its output. The service hands
// each active statement to it as one record, begin_message then
// end_message with the same record number.
//
// Not thread-safe: the service calls it only under its statement lock.
#pragma once

#include "jotwell/logfile/device_info.h"

#include <jotwell/logger.h>

#include <cstdint>
#include <iosfwd>
#include <memory>

namespace Jotwell {

class LogFile {
public:
    LogFile() : logger(nullptr), rank(0), nested_trace_lost(false) {}
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Writes the record's leading part and returns the stream for the
    // message text. Null when the record cannot be started at all; a file
    // that cannot be written still gives a stream, whose text is lost.
    // Never throws.
    std::ostream* begin_message(const Logger& logger, unsigned rank);
    // Ends the record begun with the same rank. Never throws.
    void end_message(const Logger& logger, unsigned rank);

    // The statement whose record is being written; valid only between the
    // two calls above.
    const Logger* logger;
    std::uint32_t rank;
    // Set by the service before end_message when a nested statement of the
    // same thread was dropped while this record was open.
    bool nested_trace_lost;

protected:
    virtual void do_header_file();
    virtual std::ostream* do_header_message() = 0;
    virtual void do_footer_message() = 0;
    virtual void do_footer_file();

public:
    virtual ~LogFile();
};

class LogFileFactory {
public:
    virtual ~LogFileFactory() {}
    // A new log file of the factory's kind for info, which must outlive it.
    virtual std::unique_ptr<LogFile> create(DeviceInfo& info) const = 0;
};

template <class T>
class LogFileExtFactory : public LogFileFactory {
public:
    std::unique_ptr<LogFile> create(DeviceInfo& info) const override { return std::unique_ptr<LogFile>(new T(info)); }
};

} // namespace Jotwell
