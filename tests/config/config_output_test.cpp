// Output files, the about banner and towers, large and deeply nested texts,
// and the one-argument parse.
#include "config_test_support.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace Jotwell;
using config_test::run_text;

namespace {

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// A file the language wrote, read as text: its output files are text files,
// whose line ends are the host's ("\r\n" on Windows).
std::string read_text(const std::filesystem::path& p)
{
    std::ifstream in(p);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A text literal holding a path in the language's (backslash) form.
std::string quoted(const std::filesystem::path& p) { return "\"" + test_support::library_path(p) + "\""; }

TEST(ConfigOutput, OutputFileSwitchesTheDestination)
{
    test_support::TempDir dir;
    const auto out = dir / "out.txt";
    Config c;
    const auto r = run_text(c, "output_file = " + quoted(out) + ";\necho(\"a\");\noutput_file = stdout;\necho(\"b\");");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(read_text(out), "a\n");
    EXPECT_EQ(r.out, "b\n");
}

TEST(ConfigOutput, ReassigningReopensAndAnotherNameKeepsTheFirst)
{
    test_support::TempDir dir;
    const auto one = dir / "one.txt";
    const auto two = dir / "two.txt";
    Config c;
    auto r = run_text(c, "output_file = " + quoted(one) + "; echo(\"first\"); output_file = " + quoted(one) +
                             "; echo(\"second\"); output_file = " + quoted(two) + "; echo(output_file);");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(read_text(one), "second\n");
    EXPECT_EQ(read_text(two), test_support::library_path(two) + "\n");
    EXPECT_EQ(r.out, "");
}

TEST(ConfigOutput, BothNamesOnOneFileAndAnErrorThatStaysWritten)
{
    test_support::TempDir dir;
    const auto log = dir / "log.txt";
    Config c;
    const auto r = run_text(c, "error_file = " + quoted(log) + "; warn(\"w\"); size = 20; die(\"end\");");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(c.size, 10000u);
    EXPECT_EQ(read_text(log), "warning: w\nerror: end: at line 1." +
                                                std::to_string(std::string("error_file = ").size() +
                                                               test_support::library_path(log).size() + 2 +
                                                               std::string("; warn(\"w\"); size = 20; die(\"end\")").size() + 1) +
                                                "\n");
    EXPECT_EQ(r.err, "");
}

TEST(ConfigOutput, AFileThatCannotBeOpenedIsNoError)
{
    test_support::TempDir dir;
    Config c;
    const auto r = run_text(c, "output_file = " + quoted(dir / "missing" / "x.txt") + "; echo(output_file); echo(\"a\");");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.out, "-\na\n");
}

TEST(ConfigOutput, EachRunStartsOnTheStandardStreams)
{
    test_support::TempDir dir;
    Config c;
    EXPECT_TRUE(run_text(c, "output_file = " + quoted(dir / "x.txt") + "; error_file = stdout;").ok);
    const auto r = run_text(c, "echo(output_file + error_file); warn(\"w\");");
    EXPECT_EQ(r.out, "---\n");
    EXPECT_EQ(r.err, "warning: w\n");
}

TEST(ConfigOutput, Hanoi)
{
    Config c;
    const auto r = run_text(c, "about = \"hanoi\";");
    ASSERT_TRUE(r.ok);
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 97u);
    EXPECT_EQ(lines[0], "Jotwell tracing library, configuration language");
    const std::vector<std::string> first = {"   X       |       |   ", "  XXX      |       |   ",
                                            " XXXXX     |       |   ", "XXXXXXX    |       |   ",
                                            "------- ------- -------", ""};
    const std::vector<std::string> second = {"   |       |       |   ", "  XXX      |       |   ",
                                             " XXXXX     |       |   ", "XXXXXXX    X       |   ",
                                             "------- ------- -------", ""};
    const std::vector<std::string> last = {"   |       |       X   ", "   |       |      XXX  ",
                                           "   |       |     XXXXX ", "   |       |    XXXXXXX",
                                           "------- ------- -------", ""};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lines[1 + i], first[i]);
        EXPECT_EQ(lines[7 + i], second[i]);
        EXPECT_EQ(lines[91 + i], last[i]);
    }
    for (int d = 0; d < 16; ++d) {
        for (int k = 0; k < 4; ++k) EXPECT_EQ(lines[1 + 6 * d + k].size(), 23u);
        EXPECT_EQ(lines[1 + 6 * d + 5], "");
    }
}

TEST(ConfigOutput, LargeAndDeepTexts)
{
    Config c;
    // A 1 MB string literal and a 1 MB comment need a growing buffer.
    const std::string big(1 << 20, 'x');
    auto r = run_text(c, "consultant = \"" + big + "\"; # " + big + "\nsize = 20;");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(std::string(c.consultant), std::string(63, 'x'));
    EXPECT_EQ(c.size, 20u);

    // Deep nesting within the parser's limit works; beyond it the parser
    // gives up and the record stays.
    Config d;
    r = run_text(d, "size = " + std::string(4000, '(') + "30" + std::string(4000, ')') + ";");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(d.size, 30u);

    Config e;
    r = run_text(e, "size = " + std::string(10000, '(') + "30" + std::string(10000, ')') + ";");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.err, "error: wrong syntax: at line 1.10004\n");
    EXPECT_EQ(e.size, 10000u);

    // An error thrown while the parser's stacks have grown loses nothing.
    r = run_text(e, "size = " + std::string(300, '(') + "1 / 0" + std::string(300, ')') + ";");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.err, "error: division by zero: at line 1.313\n");

    // An unterminated literal at the end of a large text.
    r = run_text(e, "size = 20;\n\"" + big);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.err, "error: unexpected token '\"': at line 2.2\n");
}

TEST(ConfigOutput, OneArgumentParseUsesTheServiceNames)
{
    test_support::set_env("VX_TRACE_NAME", "billing");
    test_support::set_env("VX_TRACE_LOGDIR", "L");
    test_support::unset_env("VX_TRACE_CONFIGFILE");
    test_support::set_env("VX_TRACE_CONFIGDIR", "C");
    Config c;
    std::istringstream in("echo(name + \"|\" + log_dir + \"|\" + config_file);");
    config_test::CaptureStreams capture;
    EXPECT_TRUE(c.parse(in));
    test_support::set_env("VX_TRACE_CONFIGFILE", "F.ini");
    test_support::unset_env("VX_TRACE_NAME");
    test_support::unset_env("VX_TRACE_LOGDIR");
    std::istringstream again("echo(name + \"|\" + log_dir + \"|\" + config_file);");
    EXPECT_TRUE(c.parse(again));
    test_support::unset_env("VX_TRACE_CONFIGFILE");
    test_support::unset_env("VX_TRACE_CONFIGDIR");
    EXPECT_EQ(capture.out(), "billing|L|C\\billing_trace.ini\n" + Kitbase::Portable::Process().name() + "|.|F.ini\n");
}

} // namespace
