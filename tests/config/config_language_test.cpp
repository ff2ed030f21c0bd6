// The configuration language end to end: each case runs one text against a
// record and compares what it wrote, its result and the record afterwards.
#include "config_test_support.h"

#include "jotwell/config/config_lexer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Jotwell;
using config_test::printed;
using config_test::run_text;

namespace {

const std::string D = "active       = false;\nimportance   = '==';";

std::string with_size(const char* n) { return D + "\nsize         = " + n + ";"; }

void consultant_old(Config& c) { std::strcpy(c.consultant, "Old"); }
void active_on(Config& c) { c.active = true; }

struct Case {
    const char* label;
    std::string text;
    std::string out;
    std::string err;
    bool ok;
    std::string record;
    void (*prepare)(Config&);
    const char* name;
};

const std::string sample1 =
    "# tracing for the order service\n"
    "active = true;\n"
    "importance = l;\n"
    "size = 5000;\n"
    "display_mask |= root_mask | caller_mask;\n"
    "actors_display_width = 12;\n"
    "consultant = \"Rud\";\n"
    "if (name == \"orders\" && !debug)\n"
    "    echo(\"tracing \" + name + \" at \" + importance);\n";

const std::string sample1_record =
    "active       = true;\n"
    "importance   = '>=';\n"
    "size         = 5000;\n"
    "\n"
    "consultant   = 'Rud';\n"
    "\n"
    "display_mask = 4255997;\n"
    "\n"
    "actors_display_width         = 12;";

const std::string c63(63, 'c');

std::string sample1_output()
{
    // The sample's line is written by release builds only (its condition
    // asks for !debug).
    return config_build_names().debug ? "" : "tracing orders at >=\n";
}

std::vector<Case> cases()
{
    return {
        // The samples.
        {"sample 1, orders", sample1, sample1_output(), "", true, sample1_record, nullptr, "orders"},
        {"sample 1, billing", sample1, "", "", true, sample1_record, nullptr, "billing"},
        {"sample 2", "size = 20\nkeep = true;\n", "", "error: syntax error: between line 2.1 and line 2.5\n", false, D,
         nullptr, nullptr},
        {"sample 3", "error_file = stdout;\nif (!active) die(\"tracing is off\");\n",
         "error: tracing is off: at line 2.35\n", "", false, D, nullptr, nullptr},

        // Further cases of the grammar.
        {"empty text", "", "", "", true, D, nullptr, nullptr},
        {"comments and semicolons", "# a\n// b\n;;\n  ;\n# end", "", "", true, D, nullptr, nullptr},
        {"size below the limit", "size = 3;", "", "", true, with_size("10"), nullptr, nullptr},
        {"size above the limit", "size = 2000000;", "", "", true, with_size("1000000"), nullptr, nullptr},
        {"size -= below the limit", "size -= 20000;", "", "", true, with_size("10"), nullptr, nullptr},
        {"width below 0", "actors_display_width = 7; actors_display_width = -1;", "", "", true, D, nullptr, nullptr},
        {"width above 128", "actors_display_width = 500;", "", "", true,
         D + "\n\nactors_display_width         = 128;", nullptr, nullptr},
        {"display_mask 0 reads the effective mask", "display_mask = 0; echo(string(display_mask));", "4194557\n", "",
         true, D, nullptr, nullptr},
        {"display_mask &= ~rank_mask", "display_mask = all_mask;\ndisplay_mask &= ~rank_mask;", "", "", true,
         D + "\n\ndisplay_mask = 33554429;", nullptr, nullptr},
        {"importance = xs", "importance = xs; echo(string(importance < m));", "true\n", "", true,
         "active       = false;\nimportance   = '<<';", nullptr, nullptr},
        {"importance = '<<'", "importance = '<<'; echo(string(importance < m));", "true\n", "", true,
         "active       = false;\nimportance   = '<<';", nullptr, nullptr},
        {"consultant reads empty before assignment", "echo(consultant);", "\n", "", true,
         D + "\n\nconsultant   = 'Old';", consultant_old, nullptr},
        {"division by zero", "size = 1 / 0;", "", "error: division by zero: at line 1.13\n", false, D, nullptr,
         nullptr},
        {"division by zero not executed", "if (false) size = 1 / 0;", "", "", true, D, nullptr, nullptr},
        {"output_file = stderr, then stdout",
         "output_file = stderr; echo(\"e\"); output_file = stdout; echo(\"o\");", "o\n", "e\n", true, D, nullptr,
         nullptr},
        {"last statement without ;", "active = true", "", "error: syntax error: at line 1.14\n", false, D, nullptr,
         nullptr},
        {"comma in a statement", "size = 1, 2;", "", "error: syntax error: between line 1.9 and line 1.10\n", false, D,
         nullptr, nullptr},
        {"comma in echo", "echo(\"a\", \"b\");", "", "error: after '(': between line 1.9 and line 1.10\n", false, D,
         nullptr, nullptr},
        {"echo of an int", "echo(int(\"12\") + 1);", "", "error: after '(': between line 1.19 and line 1.20\n", false,
         D, nullptr, nullptr},
        {"echo of string(int)", "echo(string(int(\"12\") + 1));", "13\n", "", true, D, nullptr, nullptr},
        {"bool(\"0\") is false", "if (bool(\"0\")) echo(\"yes\"); else echo(\"no\");", "no\n", "", true, D, nullptr,
         nullptr},
        {"conversions",
         "echo(\"\" + bool(\"false\") + bool(\"\") + bool(\" 0\") + bool(\"x\") + int(\" -7 \") + \"|\" + int(\"7x\")"
         " + int(\"\") + int(\"+5\") + \"|\" + int(true) + bool(0) + bool(-3));",
         "falsefalsetruetrue-7|005|1falsetrue\n", "", true, D, nullptr, nullptr},
        {"about", "about = \"x\";", "Jotwell tracing library, configuration language\n", "", true, D, nullptr,
         nullptr},
        {"about Hanoi is not hanoi", "about = \"Hanoi\"; echo(about);",
         "Jotwell tracing library, configuration language\nJotwell tracing library, configuration language\n", "",
         true, D, nullptr, nullptr},
        {"name cannot be assigned", "name = \"x\";", "", "error: syntax error: between line 1.6 and line 1.7\n", false,
         D, nullptr, nullptr},
        {"an early failure keeps size", "size = 5; die(\"stop\");", "", "error: stop: at line 1.22\n", false, D,
         nullptr, nullptr},
        {"without the failure size is stored", "size = 5;", "", "", true, with_size("10"), nullptr, nullptr},

        // The limits of the assignable names.
        {"size 9 and 1000001", "size = 9; echo(string(size)); size = 1000001;", "10\n", "", true,
         with_size("1000000"), nullptr, nullptr},
        {"size 10 and 1000000 as they are", "size = 1000000; echo(string(size)); size = 10;", "1000000\n", "", true,
         with_size("10"), nullptr, nullptr},
        {"widths -5, 129, 128",
         "major_steps_display_width = -5; minor_steps_display_width = 129; workflow_ids_display_width = 128;", "", "",
         true, D + "\n\nminor_steps_display_width    = 128;\nworkflow_ids_display_width   = 128;", nullptr, nullptr},
        {"display_mask -1", "display_mask = -1; echo(string(display_mask));", "33554431\n", "", true,
         D + "\n\ndisplay_mask = 33554431;", nullptr, nullptr},
        {"consultant of 63", "consultant = \"" + c63 + "\";", "", "", true, D + "\n\nconsultant   = '" + c63 + "';",
         nullptr, nullptr},
        {"consultant of 64", "consultant = \"" + c63 + "d\"; echo(consultant);", c63 + "d\n", "", true,
         D + "\n\nconsultant   = '" + c63 + "';", nullptr, nullptr},
        {"output_file = stdout on a fresh run", "output_file = stdout; echo(\"a\"); echo(output_file);", "a\n-\n", "",
         true, D, nullptr, nullptr},
        {"output_file = stderr twice", "output_file = stderr; output_file = stderr; echo(\"a\"); echo(output_file);",
         "", "a\n--\n", true, D, nullptr, nullptr},
        {"error_file = stdout takes the final report", "error_file = stdout; warn(\"w\"); size = ;",
         "warning: w\nerror: after int lhs =: between line 1.40 and line 1.41\n", "", false, D, nullptr, nullptr},

        // Precedence, places and types.
        {"-size++", "size = 100; echo(string(-size++) + \" \" + size);", "-100 101\n", "", true, with_size("101"),
         nullptr, nullptr},
        {"++size = 500", "++size = 500; echo(string(size));", "500\n", "", true, with_size("500"), nullptr, nullptr},
        {"++ ++size", "size = 50; ++ ++size; echo(string(size));", "52\n", "", true, with_size("52"), nullptr,
         nullptr},
        {"size++ ++", "size++ ++;", "", "error: syntax error: between line 1.8 and line 1.10\n", false, D, nullptr,
         nullptr},
        {"1 + size = 20", "echo(string(1 + size = 20)); echo(string(size));", "21\n20\n", "", true, with_size("20"),
         nullptr, nullptr},
        {"(size) = 20", "(size) = 20;", "", "", true, with_size("20"), nullptr, nullptr},
        {"size == x & 11 compares with the and", "size = 10; echo(string(size == 26 & 11));", "true\n", "", true,
         with_size("10"), nullptr, nullptr},
        {"size & 7 == pid", "size & 7 == pid;", "", "error: syntax error: between line 1.16 and line 1.17\n", false, D,
         nullptr, nullptr},
        {"size < pid < 7", "size < pid < 7;", "", "error: syntax error: between line 1.15 and line 1.16\n", false, D,
         nullptr, nullptr},
        {"two comparisons compared", "echo(string(1 < 2 == 3 < 4) + (1 < 2 == 4 < 3));", "truefalse\n", "", true, D,
         nullptr, nullptr},
        {"concatenation with + and -", "echo(name + 1 + 2); echo(name + 1 - 2); echo(name + 2 * 3 | 1);",
         "orders12\norders-1\norders7\n", "", true, D, nullptr, nullptr},
        {"concatenated || needs parentheses", "name + active || keep;", "",
         "error: syntax error: between line 1.15 and line 1.17\n", false, D, nullptr, nullptr},
        {"concatenated || in parentheses", "echo(name + (active || keep));", "ordersfalse\n", "", true, D, nullptr,
         nullptr},
        {"finished concatenation compared", "echo(string(name + 1 == \"orders1\"));", "true\n", "", true, D, nullptr,
         nullptr},
        {"assignments chain", "active = keep = true; (size) = display_mask = 0;", "", "", true,
         "active       = true;\nimportance   = '==';\nsize         = 1000000;\nkeep         = true;", nullptr,
         nullptr},
        {"conditional operator", "echo(true ? \"a\" : \"b\"); echo(false ? \"a\" : \"b\"); size = active ? 20 : 30;",
         "a\nb\n", "", true, with_size("30"), nullptr, nullptr},
        {"nested conditional", "echo(string(false ? 1 : true ? 2 : 3));", "2\n", "", true, D, nullptr, nullptr},
        {"importance comparisons and glyphs",
         "importance = l; echo(\"\" + (importance == l) + (xs < xl) + importance + '<=' + (active ? s : xl));",
         "truetrue>=<=>>\n", "", true, "active       = false;\nimportance   = '>=';", nullptr, nullptr},
        {"string comparisons are unsigned",
         "echo(\"\" + (\"a\" < \"b\") + (\"\xff\" > \"a\") + (\"ab\" == \"ab\") + (\"a\" != \"a\"));",
         "truetruetruefalse\n", "", true, D, nullptr, nullptr},
        {"the caller's texts and the build", "echo(name + \" \" + log_dir + \" \" + config_file + \" \" + language);",
         "orders logs orders_trace.ini C++\n", "", true, D, nullptr, nullptr},

        // Conditional execution.
        {"a branch not taken has no effects",
         "if (false) { size = 20; echo(\"x\"); consultant = \"y\"; die(\"no\"); warn(\"w\"); print(\"p\"); "
         "if (true) active = true; about = \"hanoi\"; output_file = stderr; }",
         "", "", true, D, nullptr, nullptr},
        {"else belongs to the nearest if", "if (true) if (false) echo(\"a\"); else echo(\"b\");", "b\n", "", true, D,
         nullptr, nullptr},
        {"short circuits and ?:",
         "false && bool(size = 20); true || bool(size = 30); echo(string(false ? size = 40 : size));"
         " echo(string(true ? size : size++)); echo(string(false ? size-- : 7));",
         "10000\n10000\n7\n", "", true, D, nullptr, nullptr},
        {"else branch runs", "if (active) size = 20; else { size = 30; keep = true; }", "", "", true,
         "active       = false;\nimportance   = '==';\nsize         = 30;\nkeep         = true;", nullptr, nullptr},
        {"then branch runs", "if (active) size = 20; else size = 30;", "", "", true,
         "active       = true;\nimportance   = '==';\nsize         = 20;", active_on, nullptr},
        {"a syntax error in a branch not taken", "if (false) size = ;", "",
         "error: after int lhs =: between line 1.19 and line 1.20\n", false, D, nullptr, nullptr},
        {"a scanner error in a branch not taken", "if (false) x;", "", "error: unexpected keyword 'x': at line 1.13\n",
         false, D, nullptr, nullptr},

        // Integer arithmetic.
        {"most negative by -1", "echo(\"\" + (-2147483647 - 1) / -1 + \" \" + (-2147483647 - 1) % -1);",
         "-2147483648 0\n", "", true, D, nullptr, nullptr},
        {"wrapping, shifts, signs",
         "echo(\"\" + 2147483648 + \" \" + (2147483647 + 1) + \" \" + (1 << 33) + \" \" + (-8 >> 1) + \" \" + -7 % 2"
         " + \" \" + 7 / -2 + \" \" + ~0 + \" \" + (6 ^ 3) + \" \" + 99999 * 99999);",
         "2147483647 -2147483648 2 -4 -1 -3 -1 5 1409865409\n", "", true, D, nullptr, nullptr},
        {"compound assignments",
         "size = 100; size *= 3; size /= 7; size %= 40; size <<= 4; size >>= 1; size |= 1; size ^= 3; size &= ~0;"
         " size += 8;",
         "", "", true, with_size("90"), nullptr, nullptr},
        {"/= 0", "size = 100; size /= 0;", "", "error: division by zero: at line 1.23\n", false, D, nullptr, nullptr},
        {"%= 0 not executed", "if (false) size %= 0;", "", "", true, D, nullptr, nullptr},

        // Output statements.
        {"warn does not end the run", "warn(\"careful\"); size = 20;", "", "warning: careful\n", true,
         with_size("20"), nullptr, nullptr},
        {"print and eprint", "print(\"a\"); eprint(\"b\"); print(\"c\");", "ac", "b", true, D, nullptr, nullptr},
        {"getenv", "echo(getenv(\"JOTWELL_CONFIG_TEST_SET\") + \"|\" + getenv(\"JOTWELL_CONFIG_TEST_UNSET\"));",
         "hello|\n", "", true, D, nullptr, nullptr},

        // The error productions.
        {"echo without (", "echo 5;", "", "error: after 'echo': between line 1.6 and line 1.7\n", false, D, nullptr,
         nullptr},
        {"print without (", "print 5;", "", "error: after 'print' or 'eprint': between line 1.7 and line 1.8\n", false,
         D, nullptr, nullptr},
        {"warn without (", "warn 5;", "", "error: after 'warn': between line 1.6 and line 1.7\n", false, D, nullptr,
         nullptr},
        {"die without (", "die 5;", "", "error: after 'die': between line 1.5 and line 1.6\n", false, D, nullptr,
         nullptr},
        {"system without (", "system 5;", "", "error: after 'system': between line 1.8 and line 1.9\n", false, D,
         nullptr, nullptr},
        {"getenv without (", "getenv 5;", "", "error: after 'getenv': between line 1.8 and line 1.9\n", false, D,
         nullptr, nullptr},
        {"bool without (", "bool 5;", "", "error: missing '(' after 'bool': between line 1.6 and line 1.7\n", false, D,
         nullptr, nullptr},
        {"bool ( faulty", "bool(;", "", "error: after 'bool (': between line 1.6 and line 1.7\n", false, D, nullptr,
         nullptr},
        {"int without (", "int 5;", "", "error: missing '(' after 'int': between line 1.5 and line 1.6\n", false, D,
         nullptr, nullptr},
        {"int ( faulty", "int(;", "", "error: after 'int (': between line 1.5 and line 1.6\n", false, D, nullptr,
         nullptr},
        {"string without (", "string 5;", "", "error: missing '(' after 'string': between line 1.8 and line 1.9\n",
         false, D, nullptr, nullptr},
        {"string ( faulty", "string(;", "", "error: after 'string (': between line 1.8 and line 1.9\n", false, D,
         nullptr, nullptr},
        {"bool lhs = int", "active = 5;", "", "error: after bool lhs =: between line 1.11 and line 1.12\n", false, D,
         nullptr, nullptr},
        {"int lhs = string", "size = \"x\";", "", "error: after int lhs =: between line 1.11 and line 1.12\n", false,
         D, nullptr, nullptr},
        {"int lhs op= string", "size += \"x\";", "", "error: after int lhs op=: between line 1.12 and line 1.13\n",
         false, D, nullptr, nullptr},
        {"str lhs = int", "consultant = 5;", "", "error: after str lhs =: between line 1.15 and line 1.16\n", false, D,
         nullptr, nullptr},
        {"imp lhs = int", "importance = 5;", "", "error: after imp lhs =: between line 1.15 and line 1.16\n", false, D,
         nullptr, nullptr},
        // Recovery shifts the error symbol again for each token it discards, so
        // the position is that of the last token before the ")".
        {"parenthesised int, reported at )", "size = (1, 2);", "",
         "error: after '(': between line 1.12 and line 1.13\n", false, D, nullptr, nullptr},
        {"parenthesised int never closed", "size = (1, 2;", "", "error: wrong syntax: at line 1.14\n", false, D,
         nullptr, nullptr},

        // The scanner.
        {"size=5; and size = 5 ;", "size=5; keep = size == 10 ;", "", "", true,
         "active       = false;\nimportance   = '==';\nsize         = 10;\nkeep         = true;", nullptr, nullptr},
        {"<<= and << =", "size = 3; size<<=2; echo(string(size)); size = size<< =2;", "40\n",
         "error: after int lhs =: between line 1.55 and line 1.56\n", false, D, nullptr, nullptr},
        {"'== followed by another character", "importance = '==x;", "",
         "error: unexpected token ''': at line 1.15\n", false, D, nullptr, nullptr},
        {"comments at the end without newline", "size = 20; # the end", "", "", true, with_size("20"), nullptr,
         nullptr},
        {"// comment at the end", "size = 20; // the end", "", "", true, with_size("20"), nullptr, nullptr},
        {"string over two lines", "consultant = \"a\nb\"; x", "", "error: unexpected keyword 'x': at line 1.22\n",
         false, D, nullptr, nullptr},
        {"Active", "size = 20;\nActive = true;", "", "error: unexpected keyword 'Active': at line 2.7\n", false, D,
         nullptr, nullptr},
        {"TRUE and If are no names", "If (TRUE) size = 20;", "", "error: unexpected keyword 'If': at line 1.3\n", false,
         D, nullptr, nullptr},
        {"x$", "x$", "", "error: unexpected keyword 'x': at line 1.2\n", false, D, nullptr, nullptr},
        {"$ alone", "size = 20; $", "", "error: unexpected token '$': at line 1.13\n", false, D, nullptr, nullptr},
        {"_x", "_x = 1;", "", "error: unexpected token '_': at line 1.2\n", false, D, nullptr, nullptr},
        {"01", "size = 01;", "", "error: syntax error: between line 1.9 and line 1.10\n", false, D, nullptr, nullptr},
        {"no negative literal", "size = -5 + 50;", "", "", true, with_size("45"), nullptr, nullptr},
        {"CR LF line ends", "active = true;\r\nsize = 20;\r\nif (size == 20) echo(\"yes\");\r\n", "yes\n", "", true,
         "active       = true;\nimportance   = '==';\nsize         = 20;", nullptr, nullptr},
        {"CR LF positions", "size = 20;\r\nx", "", "error: unexpected keyword 'x': at line 2.2\n", false, D, nullptr,
         nullptr},
        {"byte-order mark", "\xEF\xBB\xBF" "active = true;", "", "error: unexpected token '\xEF': at line 1.2\n",
         false, D, nullptr, nullptr},
        {"# and // inside a string", "echo(\"a # b // c\");", "a # b // c\n", "", true, D, nullptr, nullptr},
        {"/* is no comment", "/* x */", "", "error: syntax error: between line 1.1 and line 1.2\n", false, D, nullptr,
         nullptr},
        {"NUL byte", std::string("size\0 = 1;", 10), "", "error: unexpected token '': at line 1.6\n", false, D, nullptr,
         nullptr},
        {"NUL byte inside a string", std::string("echo(\"a\0b\");", 12), std::string("a\0b\n", 4), "", true, D,
         nullptr, nullptr},
        {"unterminated string", "echo(\"abc);\nsize = 20;", "", "error: unexpected token '\"': at line 1.7\n", false,
         D, nullptr, nullptr},
        {"binary garbage", "\x01\x02\xff", "", "error: unexpected token '\x01': at line 1.2\n", false, D, nullptr,
         nullptr},
        {"text cut in the middle", "if (active", "", "error: syntax error: at line 1.11\n", false, D, nullptr, nullptr},
        {"form feed", "size = 20;\f", "", "error: unexpected token '\f': at line 1.12\n", false, D, nullptr, nullptr},
        {"words with digits and _", "major_steps_display_width = 3 ;", "", "", true,
         D + "\n\nmajor_steps_display_width    = 3;", nullptr, nullptr},
    };
}

class ConfigLanguage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test_support::set_env("JOTWELL_CONFIG_TEST_SET", "hello");
        test_support::unset_env("JOTWELL_CONFIG_TEST_UNSET");
    }
};

TEST_F(ConfigLanguage, Table)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.label);
        Config record;
        if (c.prepare) c.prepare(record);
        const Config before = record;
        const auto r = run_text(record, c.text, c.name ? c.name : "orders");
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(printed(record), c.record);
        if (!c.ok) {
            EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << "a failed run changed the record";
        }
    }
}

} // namespace
