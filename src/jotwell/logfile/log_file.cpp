// The calling protocol shared by every log file.
#include "jotwell/logfile/log_file.h"

namespace Jotwell {

std::ostream* LogFile::begin_message(const Logger& l, unsigned r)
{
    logger = &l;
    rank = r;
    nested_trace_lost = false;
    try {
        do_header_file();
        return do_header_message();
    } catch (...) {
        // A trace statement never fails visibly: the record is dropped.
        return nullptr;
    }
}

void LogFile::end_message(const Logger& l, unsigned r)
{
    logger = &l;
    rank = r;
    try {
        do_footer_message();
        do_footer_file();
    } catch (...) {
    }
}

void LogFile::do_header_file() {}
void LogFile::do_footer_file() {}
LogFile::~LogFile() {}

} // namespace Jotwell
