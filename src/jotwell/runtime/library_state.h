// The process-wide objects created by the library's start and deleted by
// its stop. Start and stop run during static initialisation and
// finalisation, on one thread; afterwards these are only read.
#pragma once

#include <jotwell/kitbase/native.h>

namespace Jotwell {

struct LibraryState {
    // Start step: give the nine importance constants their values.
    static void set_importance_constants();

    // The thread-local slot whose per-thread value is the thread's
    // Context::Data*; null before the start and after the stop.
    static Kitbase::Native::Tls* tls_data();

    static bool started();
};

} // namespace Jotwell
