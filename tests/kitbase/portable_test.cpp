#include <jotwell/kitbase/portable.h>

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace Portable = Kitbase::Portable;
using test_support::TempDir;

namespace {

int format(char* buf, unsigned size, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    int n = Portable::vsnprintf(buf, size, fmt, args);
    va_end(args);
    return n;
}

} // namespace

TEST(PortableFiles, CopyNeverOverwritesAndMkdirRefusesExisting)
{
    TempDir tmp;
    const std::string a = tmp.lib() + "\\a.txt";
    const std::string b = tmp.lib() + "\\b.txt";
    test_support::write_file(tmp / "a.txt", "alpha");

    EXPECT_TRUE(Portable::exists_file(a));
    EXPECT_FALSE(Portable::exists_file(b));
    EXPECT_TRUE(Portable::copy_file(a, b));
    EXPECT_EQ(test_support::read_file(tmp / "b.txt"), "alpha");

    test_support::write_file(tmp / "b.txt", "beta");
    EXPECT_FALSE(Portable::copy_file(a, b));
    EXPECT_EQ(test_support::read_file(tmp / "a.txt"), "alpha");
    EXPECT_EQ(test_support::read_file(tmp / "b.txt"), "beta");
    EXPECT_FALSE(Portable::copy_file(tmp.lib() + "\\missing", tmp.lib() + "\\c.txt"));
    EXPECT_FALSE(Portable::exists_file(tmp.lib() + "\\c.txt"));

    const std::string sub = tmp.lib() + "\\sub";
    EXPECT_TRUE(Portable::mkdir(sub));
    EXPECT_FALSE(Portable::mkdir(sub));
    EXPECT_FALSE(Portable::mkdir(tmp.lib() + "\\no\\parents"));
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "sub"));

    EXPECT_TRUE(Portable::unlink(a));
    EXPECT_FALSE(Portable::unlink(a));
    EXPECT_FALSE(Portable::exists_file(a));
}

TEST(PortableFiles, IfstreamTakesLibraryPaths)
{
    TempDir tmp;
    test_support::write_file(tmp / "conf.ini", "active = true;\n");
    Portable::ifstream in((tmp.lib() + "\\conf.ini").c_str());
    ASSERT_TRUE(in.good());
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "active = true;");
    Portable::ifstream none;
    EXPECT_FALSE(none.is_open());
}

TEST(PortableFormat, AlwaysTerminatesAndReportsOverflow)
{
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(format(buf, sizeof buf, "%d-%s", 42, "ab"), 5);
    EXPECT_STREQ(buf, "42-ab");

    // Exactly filling the buffer leaves no room for the NUL: overflow.
    std::memset(buf, 'x', sizeof buf);
    EXPECT_LT(format(buf, sizeof buf, "%s", "12345678"), 0);
    EXPECT_STREQ(buf, "1234567");

    std::memset(buf, 'x', sizeof buf);
    EXPECT_LT(format(buf, sizeof buf, "%s and much more", "long"), 0);
    EXPECT_EQ(std::strlen(buf), 7u);

    EXPECT_EQ(format(buf, sizeof buf, "%s", "1234567"), 7);
    EXPECT_LT(format(buf, 0, "%s", "a"), 0);
    EXPECT_EQ(buf[0], '1');  // size 0 writes nothing

    std::string big(5000, 'q');
    char large[1024];
    EXPECT_LT(format(large, sizeof large, "%s", big.c_str()), 0);
    EXPECT_EQ(std::strlen(large), 1023u);
}

TEST(PortableEnv, SetEmptyAndUnsetVariables)
{
    test_support::set_env("JOTWELL_TEST_VAR", "value");
    std::string v = "old";
    EXPECT_EQ(Portable::getenv("JOTWELL_TEST_VAR", v), "value");
    EXPECT_EQ(Portable::getenv("JOTWELL_TEST_VAR", std::string("fb")), "value");

    test_support::unset_env("JOTWELL_TEST_VAR");
    v = "old";
    EXPECT_EQ(Portable::getenv("JOTWELL_TEST_VAR", v), "old");
    EXPECT_EQ(Portable::getenv("JOTWELL_TEST_VAR", std::string("fb")), "fb");
}

// CTest starts this program with the variable set to the empty text: a
// program can inherit such a variable on every platform.
TEST(PortableEnv, InheritedEmptyTextIsSet)
{
    const std::string name = "JOTWELL_TEST_INHERITED_EMPTY";
    if (!std::getenv(name.c_str())) GTEST_SKIP() << name << " is not in the environment (CTest sets it)";
    EXPECT_EQ(Portable::getenv(name, std::string("fb")), "");
    std::string v = "old";
    EXPECT_EQ(Portable::getenv(name, v), "");
}

TEST(PortableEnv, EmptyTextIsSet)
{
#if defined(_WIN32)
    GTEST_SKIP() << "the C runtime of Windows removes a variable that the program sets to the empty text";
#endif
    test_support::set_env("JOTWELL_TEST_EMPTY", "");
    EXPECT_EQ(Portable::getenv("JOTWELL_TEST_EMPTY", std::string("fb")), "");
    std::string v = "old";
    EXPECT_EQ(Portable::getenv("JOTWELL_TEST_EMPTY", v), "");
    test_support::unset_env("JOTWELL_TEST_EMPTY");
}

TEST(Process, PictureOfThisProgram)
{
    Portable::Process p;
    ASSERT_GE(p.argc(), 1);
    EXPECT_EQ(p.argc(), static_cast<int>(p.args().size()));
    EXPECT_EQ(p.id(), Portable::getpid());
    EXPECT_EQ(p.name(), "kitbase_test");
    EXPECT_EQ(p.args()[0].find('/'), std::string::npos) << p.args()[0];
    char** argv = p.argv();
    for (int i = 0; i < p.argc(); ++i) EXPECT_EQ(p.args()[i], argv[i]);
    EXPECT_EQ(argv[p.argc()], nullptr);
    ASSERT_NE(p.envp(), nullptr);
}
