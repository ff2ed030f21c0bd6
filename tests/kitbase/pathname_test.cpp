#include <jotwell/kitbase/portable.h>

#include <gtest/gtest.h>

using Kitbase::Portable::Pathname;

TEST(Pathname, ConstructionDropsOneTrailingSeparator)
{
    const struct {
        const char* input;
        const char* file;
        const char* dir;
    } cases[] = {
        {"C:\\logs\\", "C:\\logs", "C:\\logs\\"},
        {"C:\\logs", "C:\\logs", "C:\\logs\\"},
        {"C:\\", "C:", "C:\\"},
        {"", "", "\\"},
        {"C:\\logs\\\\", "C:\\logs\\", "C:\\logs\\"},
        {"\\", "", "\\"},
        {"a/b/", "a/b/", "a/b/\\"},
    };
    for (const auto& c : cases) {
        Pathname p{std::string(c.input)};
        EXPECT_EQ(p.as_file(), c.file) << c.input;
        EXPECT_EQ(p.as_dir(), c.dir) << c.input;
    }
}

TEST(Pathname, AppendingNamesAndDots)
{
    Pathname logs(std::string("C:\\logs"));
    EXPECT_EQ(Pathname(logs, "sub\\").as_file(), "C:\\logs\\sub");
    EXPECT_EQ(Pathname(logs, "").as_file(), "C:\\logs");
    EXPECT_EQ(Pathname(logs, Pathname::dot_dot).as_file(), "C:\\logs\\..");
    EXPECT_EQ(Pathname(logs, Pathname::dot).as_file(), "C:\\logs\\.");
    EXPECT_EQ(Pathname().as_file(), ".");
    EXPECT_EQ(Pathname(Pathname::dot_dot).as_file(), "..");
    // Any other value of the enumeration reads as dot.
    EXPECT_EQ(Pathname(static_cast<Pathname::Dot_type>(7)).as_file(), ".");

    Pathname p(logs);
    p /= "a";
    p /= "b\\";
    EXPECT_EQ(p.as_file(), "C:\\logs\\a\\b");
}

TEST(Pathname, DirnameAndBasename)
{
    Pathname p(std::string("C:\\logs\\trace.log"));
    EXPECT_EQ(p.dirname().as_file(), "C:\\logs");
    EXPECT_EQ(p.basename(), "trace.log");

    const struct {
        const char* suffix;
        const char* base;
    } suffixes[] = {
        {".log", "trace"},
        {"trace.log", ""},
        {"x.trace.log", "trace.log"},
        {".LOG", "trace.log"},
        {"", "trace.log"},
    };
    for (const auto& c : suffixes) EXPECT_EQ(p.basename(c.suffix), c.base) << c.suffix;

    // The slash is no separator.
    EXPECT_EQ(Pathname(std::string("a/b")).basename(), "a/b");
    // dirname of "C:\x" leaves "C:"; a bare name has the empty directory.
    EXPECT_EQ(Pathname(std::string("C:\\x")).dirname().as_file(), "C:");
    EXPECT_EQ(Pathname(std::string("name")).dirname().as_file(), "");
    // A separator left at the end of the directory part goes too.
    EXPECT_EQ(Pathname(std::string("a\\\\b")).dirname().as_file(), "a");
}

TEST(Pathname, ProgramNameRule)
{
    const struct {
        const char* arg0;
        const char* name;
    } cases[] = {
        {"C:\\tools\\Reader.exe", "Reader"},
        {"READER.EXE", "READER.EXE"},
        {"reader", "reader"},
        {"\\usr\\bin\\server", "server"},
        {".exe", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Pathname(std::string(c.arg0)).basename(".exe"), c.name) << c.arg0;
}
