// Opening, re-opening and closing a log file's output.
#include "jotwell/logfile/log_ofstream.h"

#include "jotwell/runtime/echo.h"
#include "kitbase/native/os.h"

#include <iostream>

namespace Jotwell {

LogOfstream::LogOfstream(const std::string& path) : opened(false), to_screen(false), name(path) { open(); }

LogOfstream::LogOfstream() : opened(false), to_screen(true), name("ToScreen") { open(); }

LogOfstream::~LogOfstream() {}

void LogOfstream::open()
{
    JOTWELL_ECHO(1549, "LogOfstream::open '" << name << "'");
    if (to_screen) return;
    std::ofstream::open(Kitbase::Native::Os::host_path(name).c_str(), std::ios_base::out | std::ios_base::trunc);
    opened = is_open();
}

void LogOfstream::re_open()
{
    JOTWELL_ECHO(1583, "LogOfstream::re_open '" << name << "'");
    if (to_screen) return;
    if (opened) {
        if (!good()) clear();
        return;
    }
    // A stream that never opened is in the failed state; a successful open
    // clears it.
    std::ofstream::open(Kitbase::Native::Os::host_path(name).c_str(), std::ios_base::out | std::ios_base::app);
    opened = is_open();
}

void LogOfstream::close()
{
    JOTWELL_ECHO(1571, "LogOfstream::close '" << name << "'");
    if (to_screen || !opened) return;
    std::ofstream::close();
    opened = is_open();
}

std::ostream& LogOfstream::out()
{
    if (to_screen) return std::cout;
    return *this;
}

} // namespace Jotwell
