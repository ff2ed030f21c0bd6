// Reading the four VX_TRACE_ flags, and the echo line's head.
#include "jotwell/runtime/env_flags.h"

#include "jotwell/runtime/echo.h"

#include <jotwell/jotwell_init_exit.h>
#include <jotwell/kitbase/native.h>
#include <jotwell/kitbase/portable.h>

namespace Jotwell {

namespace {

bool flags_read = false;
bool echo_flag = false;
bool debug_flag = false;
bool to_screen_flag = false;
bool xml_flag = false;

// Exactly the one-character text "1" is true; unset, empty and anything
// else is false.
bool read_flag(const char* name)
{
    std::string value;
    Kitbase::Portable::getenv(std::string("VX_TRACE_") + name, value);
    return value == "1";
}

void read_all()
{
    echo_flag = read_flag("ECHO");
    debug_flag = read_flag("DEBUG");
    to_screen_flag = read_flag("TO_SCREEN");
    xml_flag = read_flag("XML");
    flags_read = true;
    JOTWELL_ECHO(145, "Jotwell_load_env_vars ()" << ", ECHO=" << echo_flag << ", DEBUG=" << debug_flag
                                                << ", TO_SCREEN=" << to_screen_flag << ", XML=" << xml_flag);
}

} // namespace

void Jotwell_load_env_vars()
{
    if (flags_read) return;
    read_all();
}

namespace EnvFlags {

bool echo() { return echo_flag; }
bool debug() { return debug_flag; }
bool to_screen() { return to_screen_flag; }
bool xml() { return xml_flag; }
void reload_for_test() { read_all(); }

} // namespace EnvFlags

namespace Echo {

std::ostream& begin_line(std::ostream& os, int line)
{
    return os << "\"../src/.\\Jotwell\", line " << line << ": (Thr-" << Kitbase::Native::current_thread_id()
              << "): ";
}

} // namespace Echo

} // namespace Jotwell
