// LogFileLog: the text log file. Each record is one line of '|'-separated
// columns chosen by the statement's display mask and widths, followed by
// the message text; no file header or trailer.
#pragma once

#include "jotwell/logfile/log_file_ext.h"
#include "jotwell/logfile/log_ofstream.h"

namespace Jotwell {

class LogFileLog : public LogFileExt<LogOfstream> {
public:
    explicit LogFileLog(DeviceInfo& info) : LogFileExt<LogOfstream>(info) {}

protected:
    std::ostream* do_header_message() override;
    void do_footer_message() override;
};

} // namespace Jotwell
