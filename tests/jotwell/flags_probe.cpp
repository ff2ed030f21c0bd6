// Prints the four flags as the library read them, then shows that a later
// change of the environment has no effect on them.
#include <jotwell/jotwell.h>

#include "jotwell/runtime/env_flags.h"
#include "test_support.h"

#include <iostream>

namespace {
void show()
{
    using namespace Jotwell::EnvFlags;
    std::cout << "ECHO=" << echo() << " DEBUG=" << debug() << " TO_SCREEN=" << to_screen() << " XML=" << xml()
              << std::endl;
}
} // namespace

int main()
{
    show();
    test_support::set_env("VX_TRACE_DEBUG", "1");
    test_support::set_env("VX_TRACE_XML", "1");
    Jotwell::Jotwell_load_env_vars();
    show();
    return 0;
}
