// The library's echo lines: its one form of self-diagnostics, written to
// standard output when VX_TRACE_ECHO is "1".
//
//   JOTWELL_ECHO(2915, "Hello Jotwell {");
//   JOTWELL_ECHO(2962, "JotwellInitExit::init, logos_ptr is logos=" << ptr);
//
// The message is a stream expression; nothing in it is evaluated unless the
// flag is on. Lines from several threads may interleave: no lock is taken.
#pragma once

#include "jotwell/runtime/env_flags.h"

#include <iostream>

namespace Jotwell {
namespace Echo {

// Writes the line's head ("../src/.\Jotwell", line N: (Thr-T): ) and
// returns the stream for the message.
std::ostream& begin_line(std::ostream& os, int line);

} // namespace Echo
} // namespace Jotwell

#define JOTWELL_ECHO(line, message)                                              \
    do {                                                                         \
        if (::Jotwell::EnvFlags::echo()) {                                       \
            ::Jotwell::Echo::begin_line(std::cout, (line)) << message << std::endl; \
        }                                                                        \
    } while (false)
