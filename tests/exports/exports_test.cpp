// Constants exported as references, exceptions and values crossing the
// boundary between the shared library and a program that imports it.
#include <jotwell/jotwell.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string printed(const Kitbase::Exception& e)
{
    std::ostringstream os;
    e.print(os);
    return os.str();
}

} // namespace

TEST(Exports, ImportanceConstantsHaveTheLibrarysValues)
{
    using namespace Jotwell;
    const struct {
        const Importance& value;
        int level;
        int severity;
    } cases[] = {
        {XS, 0, 0}, {S, 1, 0}, {M, 2, 0}, {L, 3, 0}, {XL, 4, 0},
        {Success, 2, 0}, {Warning, 3, 1}, {Error, 4, 2}, {Assert, 4, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.level, c.level);
        EXPECT_EQ(c.value.severity, c.severity);
    }
    // The library's own default threshold, built inside it, is the
    // constant the program sees.
    EXPECT_EQ(Config().importance, M);
    EXPECT_STREQ(Error.level_glyph(), ">>");
    EXPECT_STREQ(Error.severity_glyph(), "E");
}

TEST(Exports, DurationConstantsAreOneObjectUnderTwoNames)
{
    using namespace SimpleTime;
    const struct {
        const Duration& member;
        const Duration& free;
        double ms;
    } cases[] = {
        {Duration::Zero, Zero, 0.0},           {Duration::Millisecond, Millisecond, 1.0},
        {Duration::Second, Second, 1000.0},    {Duration::Minute, Minute, 60000.0},
        {Duration::Hour, Hour, 3600000.0},     {Duration::Day, Day, 86400000.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(&c.member, &c.free);
        if (c.ms != 0.0) {
            EXPECT_EQ(c.member / Millisecond, c.ms);
        }
    }
    EXPECT_TRUE(Duration() == Zero);

    std::ostringstream os;
    os << Day + Hour + Minute + 1.5 * Second;
    EXPECT_EQ(os.str(), "1::1:1:1.5");
}

TEST(Exports, LibraryExceptionsAreCaughtInTheProgram)
{
    using namespace SimpleTime;
    try {
        Duration d = Second;
        d /= 0.0;
        FAIL() << "no exception";
    } catch (const DivideByZero& e) {
        EXPECT_EQ(printed(e), "cannot DivideByZero a SimpleTime::Duration");
        EXPECT_STREQ(e.what(), "Kitbase::Exception");
    }
    EXPECT_THROW(UtcTime(1969, 12, 31).physicalTime(), IncorrectUtcTime);
    EXPECT_THROW(Second.chop(Zero), Kitbase::Exception);
    EXPECT_THROW((void)(Second / Zero), std::runtime_error);
}

TEST(Exports, ProcessPictureOfTheProgram)
{
    Kitbase::Portable::Process p;
    EXPECT_EQ(p.name(), "exports_test");
    EXPECT_EQ(p.id(), Kitbase::Portable::getpid());
    EXPECT_GE(p.argc(), 1);
}

// The configuration language, run inside the library, sees the build it was
// compiled for and hands the program the library's importance constants.
TEST(Exports, ConfigurationTextsSeeTheBuild)
{
    using namespace Jotwell;
#if defined(_WIN32)
    const std::string os = "MSWin32";
    const std::string platform = "win32 && !unix && !linux";
#else
    const std::string os = "linux";
    const std::string platform = "!win32 && unix && linux";
#endif
#if defined(NDEBUG)
    const std::string option = "release";
    const std::string kind = "release && !debug";
#else
    const std::string option = "debug";
    const std::string kind = "debug && !release";
#endif
    Config c;
    std::istringstream text("consultant = oskind + \"|\" + compile_option + \"|\" + language;\n"
                            "if (" + platform + " && " + kind + " && cxx && !java && !solaris && !aix && !hpux)\n"
                            "    size = 20;\n"
                            "importance = xl;\n");
    ASSERT_TRUE(c.parse(text, "exports", ".", "exports_trace.ini"));
    EXPECT_EQ(std::string(c.consultant), os + "|" + option + "|C++");
    EXPECT_EQ(c.size, 20u);
    EXPECT_EQ(c.importance, XL);
    EXPECT_EQ(c.importance.level, 4);
}
