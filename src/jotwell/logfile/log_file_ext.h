// LogFileExt<T>: a log file that owns its output stream (T is LogOfstream
// or XmlOfstream) and opens, re-opens, closes, counts and rotates it.
// The record layout is left to the derived classes.
#pragma once

#include "jotwell/logfile/device_info.h"
#include "jotwell/logfile/log_file.h"

#include <jotwell/config.h>
#include <jotwell/simpletime.h>

#include <cstdint>
#include <string>

namespace Jotwell {

// Names the log files of one log file object:
// [process_]name_pid_yyyy_mm_dd_hh_mm_ss_mmm_trace.ext in the log directory.
struct LogFileNamer {
    explicit LogFileNamer(DeviceInfo* info);

    // A new full path; the time in it becomes opened_at.
    std::string make_name();

    DeviceInfo* info;                 // not owned
    SimpleTime::PhysicalTime opened_at;
};

template <class T>
class LogFileExt : public LogFile {
public:
    explicit LogFileExt(DeviceInfo& info);
    // Closes the current output (for XML, after ending its document);
    // deletes no file.
    ~LogFileExt() override;

    T* stream;                        // owned; null while no output is open
    std::uint32_t size;               // records ended on the current output
    bool has_previous;                // previous_name holds a completed file
    std::string previous_name;
    LogFileNamer namer;

protected:
    void do_header_file() override;
    void do_footer_file() override;

private:
    void possibly_reset(const Config& c);
};

} // namespace Jotwell
