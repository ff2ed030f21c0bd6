// The library's start and stop.
#include <jotwell/jotwell_init_exit.h>

#include "jotwell/runtime/echo.h"
#include "jotwell/runtime/library_state.h"

namespace Jotwell {

namespace {

// The multi-threading placeholder: kept for the start's shape, no behaviour.
struct MtInitExit {};

int live_instances = 0;
MtInitExit* mt_init_exit_ptr = nullptr;
Kitbase::Portable::ProcessInitExit* process_init_exit_ptr = nullptr;
Kitbase::Native::Tls* data_ptr = nullptr;
bool is_started = false;

} // namespace

Kitbase::Native::Tls* LibraryState::tls_data() { return data_ptr; }
bool LibraryState::started() { return is_started; }

void JotwellInitExit::init()
{
    JOTWELL_ECHO(2915, "Hello Jotwell {");

    JOTWELL_ECHO(2921, "JotwellInitExit::init, before new Mt::InitExit");
    mt_init_exit_ptr = new MtInitExit;
    JOTWELL_ECHO(2923, "JotwellInitExit::init, after  new Mt::InitExit");

    JOTWELL_ECHO(2930, "JotwellInitExit::init, before new XxxInitExit");
    process_init_exit_ptr = new Kitbase::Portable::ProcessInitExit;
    JOTWELL_ECHO(2932, "JotwellInitExit::init, after  new XxxInitExit");

    JOTWELL_ECHO(2941, "JotwellInitExit::init, Importance constants");
    LibraryState::set_importance_constants();

    JOTWELL_ECHO(2968, "JotwellInitExit::init, before new TlsData");
    data_ptr = new Kitbase::Native::Tls;
    JOTWELL_ECHO(2970, "JotwellInitExit::init, after  new TlsData");

    is_started = true;
    JOTWELL_ECHO(2985, "} Hello Jotwell");
}

void JotwellInitExit::exit()
{
    JOTWELL_ECHO(2993, "Goodbye Jotwell {");
    is_started = false;

    // Threads that still hold a Context::Data keep it: it is theirs.
    JOTWELL_ECHO(3005, "JotwellInitExit::exit, before delete data_ptr");
    delete data_ptr;
    data_ptr = nullptr;
    JOTWELL_ECHO(3007, "JotwellInitExit::exit, after  delete data_ptr");

    JOTWELL_ECHO(3018, "JotwellInitExit::exit, before delete ProcessInitExit_ptr");
    delete process_init_exit_ptr;
    process_init_exit_ptr = nullptr;
    JOTWELL_ECHO(3020, "JotwellInitExit::exit, after  delete ProcessInitExit_ptr");

    JOTWELL_ECHO(3025, "JotwellInitExit::exit, before delete MtInitExit_ptr");
    delete mt_init_exit_ptr;
    mt_init_exit_ptr = nullptr;
    JOTWELL_ECHO(3027, "JotwellInitExit::exit, after  delete MtInitExit_ptr");

    JOTWELL_ECHO(3031, "} Goodbye Jotwell");
}

JotwellInitExit::JotwellInitExit()
{
    Jotwell_load_env_vars();
    if (live_instances++ == 0) init();
}

JotwellInitExit::~JotwellInitExit()
{
    if (--live_instances == 0) exit();
}

} // namespace Jotwell
