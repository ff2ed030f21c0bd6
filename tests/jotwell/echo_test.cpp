#include <jotwell/jotwell.h>

#include "jotwell/runtime/echo.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

int evaluations = 0;
int counted() { return ++evaluations; }

void reload(const char* echo)
{
    if (echo)
        test_support::set_env("VX_TRACE_ECHO", echo);
    else
        test_support::unset_env("VX_TRACE_ECHO");
    Jotwell::EnvFlags::reload_for_test();
}

} // namespace

TEST(Echo, LineFormAndLazyMessage)
{
    const std::string thr = std::to_string(Kitbase::Native::current_thread_id());

    reload("1");
    {
        test_support::CaptureCout out;
        JOTWELL_ECHO(2915, "Hello Jotwell {");
        JOTWELL_ECHO(2258, "install_data (), is_owner=" << true << ", data=" << static_cast<const void*>(nullptr)
                                                        << " n=" << counted());
        EXPECT_EQ(out.text().substr(0, out.text().find('\n') + 1),
                  "\"../src/.\\Jotwell\", line 2915: (Thr-" + thr + "): Hello Jotwell {\n");
        EXPECT_NE(out.text().find("line 2258: (Thr-" + thr + "): install_data (), is_owner=1, data="),
                  std::string::npos);
    }
    EXPECT_EQ(evaluations, 1);

    reload("yes");
    {
        test_support::CaptureCout out;
        JOTWELL_ECHO(2915, "Hello Jotwell {" << counted());
        EXPECT_EQ(out.text(), "");
    }
    EXPECT_EQ(evaluations, 1) << "the message was evaluated with echo off";
    reload(nullptr);
    EXPECT_FALSE(Jotwell::EnvFlags::echo());
}
