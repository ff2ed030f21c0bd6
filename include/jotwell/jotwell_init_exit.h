// Library start and stop.
//
// The library starts itself when the first unit that includes its headers
// is initialised and stops when the last one is finalised, so statements
// made from other static objects' constructors and destructors find it
// ready. Every including unit holds one JotwellInitExit.
#pragma once

#include <jotwell/export.h>
#include <jotwell/kitbase/portable.h>
#include <jotwell/simpletime.h>

namespace Jotwell {

// Reads VX_TRACE_ECHO, VX_TRACE_DEBUG, VX_TRACE_TO_SCREEN and VX_TRACE_XML
// once per process; a flag is on exactly when its variable is "1". Later
// calls return at once.
JOTWELL_API void Jotwell_load_env_vars();

class JOTWELL_API JotwellInitExit {
public:
    JotwellInitExit();
    ~JotwellInitExit();
    JotwellInitExit(const JotwellInitExit&) = delete;
    JotwellInitExit& operator=(const JotwellInitExit&) { return *this; }

private:
    static void init();
    static void exit();
};

namespace {
JotwellInitExit jotwell_init_exit_instance;
} // namespace

} // namespace Jotwell
