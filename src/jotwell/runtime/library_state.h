// The process-wide objects created by the library's start and deleted by
// its stop. Start and stop run during static initialisation and
// finalisation, on one thread; afterwards these are only read.
#pragma once

#include <jotwell/kitbase/native.h>

namespace Jotwell {

class Logos;

struct LibraryState {
    // Start step: give the nine importance constants their values.
    static void set_importance_constants();

    // The thread-local slot whose per-thread value is the thread's
    // Context::Data*; null before the start and after the stop.
    static Kitbase::Native::Tls* tls_data();

    static bool started();

    // The process's default trace service; null before the start and
    // after the stop.
    static Logos* default_logos();
    static void set_default_logos(Logos* logos);
};

} // namespace Jotwell
