// The scanner on its own: token kinds, values and positions, and the
// machinery's failures.
#include "config_test_support.h"

#include "jotwell/config/config_lexer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <vector>

using namespace Jotwell;
namespace T = Jotwell::ConfigToken;

namespace {

struct Scanned {
    int kind;
    T::Value value;
    T::Position at;
};

// Every token up to and including the end of input.
std::vector<Scanned> scan(const std::string& text, Config& record)
{
    std::istringstream in(text);
    ConfigLexer lexer(&record, "svc", "dir", "file", in);
    std::vector<Scanned> tokens;
    for (;;) {
        Scanned s{};
        lexer.set_slots(&s.value, &s.at);
        s.kind = lexer.next_token();
        tokens.push_back(s);
        if (s.kind == T::END) return tokens;
    }
}

std::vector<int> kinds(const std::vector<Scanned>& tokens)
{
    std::vector<int> k;
    for (const Scanned& s : tokens) k.push_back(s.kind);
    return k;
}

TEST(ConfigScanner, OperatorsAndSpacing)
{
    Config c;
    EXPECT_EQ(kinds(scan("size=5;", c)), kinds(scan("size = 5 ;", c)));

    auto t = scan("size==5", c);
    ASSERT_EQ(kinds(t), (std::vector<int>{T::VAL_INT_LHS, T::TK_EQUIV, T::VAL_INT, T::END}));
    EXPECT_EQ(t[1].value.op, T::EQ_EQ);
    EXPECT_EQ(t[2].value.i, 5);

    t = scan("size<<=2", c);
    ASSERT_EQ(kinds(t), (std::vector<int>{T::VAL_INT_LHS, T::TK_OPEQ, T::VAL_INT, T::END}));
    EXPECT_EQ(t[1].value.op, 8);
    t = scan("size<< =2", c);
    ASSERT_EQ(kinds(t), (std::vector<int>{T::VAL_INT_LHS, T::TK_SHIFT, T::TK_EQ, T::VAL_INT, T::END}));
    EXPECT_EQ(t[1].value.op, T::SH_LEFT);

    // Each operator text and its code, in the order of the lexical rules.
    const struct {
        const char* text;
        int kind;
        int code;
    } ops[] = {
        {"|=", T::TK_OPEQ, 6},   {"^=", T::TK_OPEQ, 7},    {"&=", T::TK_OPEQ, 5},  {"<<=", T::TK_OPEQ, 8},
        {">>=", T::TK_OPEQ, 9},  {"-=", T::TK_OPEQ, 0},    {"+=", T::TK_OPEQ, 1},  {"*=", T::TK_OPEQ, 2},
        {"/=", T::TK_OPEQ, 3},   {"%=", T::TK_OPEQ, 4},    {"!=", T::TK_EQUIV, 0}, {"==", T::TK_EQUIV, 1},
        {"<", T::TK_ORDER, 0},   {"<=", T::TK_ORDER, 1},   {">=", T::TK_ORDER, 2}, {">", T::TK_ORDER, 3},
        {"<<", T::TK_SHIFT, 0},  {">>", T::TK_SHIFT, 1},   {"*", T::TK_MULT, 0},   {"/", T::TK_MULT, 1},
        {"%", T::TK_MULT, 2},
    };
    for (const auto& o : ops) {
        SCOPED_TRACE(o.text);
        t = scan(o.text, c);
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t[0].kind, o.kind);
        EXPECT_EQ(t[0].value.op, o.code);
    }
    EXPECT_EQ(kinds(scan("= ? : || && | ^ & - + -- ++ ! ~ ( ) { } ; ,", c)),
              (std::vector<int>{T::TK_EQ, T::TK_QUESTION, T::TK_COLON, T::TK_OROR, T::TK_ANDAND, T::TK_OR, T::TK_XOR,
                                T::TK_AND, T::TK_MINUS, T::TK_PLUS, T::TK_MINUSMINUS, T::TK_PLUSPLUS, T::TK_NOT,
                                T::TK_COMPL, T::TK_OPENPAREN, T::TK_CLOSEPAREN, T::TK_OPENBRACE, T::TK_CLOSEBRACE,
                                T::TK_SEMI, T::TK_COMMA, T::END}));
    // No block comments.
    EXPECT_EQ(kinds(scan("/*", c)), (std::vector<int>{T::TK_MULT, T::TK_MULT, T::END}));
}

TEST(ConfigScanner, LiteralsAndNames)
{
    Config c;
    auto t = scan("007 -5 2147483647 99999999999", c);
    ASSERT_EQ(kinds(t), (std::vector<int>{T::VAL_INT, T::VAL_INT, T::VAL_INT, T::TK_MINUS, T::VAL_INT, T::VAL_INT,
                                          T::VAL_INT, T::END}));
    EXPECT_EQ(t[2].value.i, 7);
    EXPECT_EQ(t[5].value.i, 2147483647);
    EXPECT_EQ(t[6].value.i, 2147483647) << "literals beyond 32 bits stand for the largest int";

    t = scan("'<<' '<=' '==' '>=' '>>' xs s m l xl importance", c);
    const Importance* expected[] = {&XS, &S, &M, &L, &XL, &XS, &S, &M, &L, &XL};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(t[i].kind, T::VAL_IMP);
        EXPECT_EQ(t[i].value.imp, expected[i]);
    }
    EXPECT_EQ(t[10].kind, T::VAL_IMP_LHS);
    EXPECT_EQ(t[10].value.imp_lhs, &c.importance);

    t = scan("active keep true false all_mask src_line_mask none_mask", c);
    EXPECT_EQ(t[0].value.bool_lhs, &c.active);
    EXPECT_EQ(t[1].value.bool_lhs, &c.keep);
    EXPECT_TRUE(t[2].value.b);
    EXPECT_FALSE(t[3].value.b);
    EXPECT_EQ(t[4].value.i, 0x1FFFFFF);
    EXPECT_EQ(t[5].value.i, 0x01000000);
    EXPECT_EQ(t[6].kind, T::VAL_INT);
    EXPECT_EQ(t[6].value.i, 0);

    const char* keywords[] = {"if", "else", "echo", "print", "eprint", "warn", "die", "system",
                              "bool", "int", "string", "getenv"};
    int kind = T::KW_IF;
    for (const char* k : keywords) EXPECT_EQ(scan(k, c)[0].kind, kind++) << k;
}

TEST(ConfigScanner, BuildNamesTellTheTruth)
{
    const ConfigBuildNames b = config_build_names();
    EXPECT_NE(b.debug, b.release);
    EXPECT_EQ(b.compile_option, b.debug ? "debug" : "release");
    EXPECT_TRUE(b.cxx);
    EXPECT_FALSE(b.java);
    EXPECT_EQ(b.language, "C++");
    EXPECT_NE(b.win32, b.unix_like);
#if defined(__linux__)
    EXPECT_TRUE(b.linux_kernel);
    EXPECT_EQ(b.oskind, "linux");
#endif
    Config c;
    const auto t = scan("debug release win32 unix linux cxx java", c);
    EXPECT_EQ(t[0].value.b, b.debug);
    EXPECT_EQ(t[1].value.b, b.release);
    EXPECT_EQ(t[2].value.b, b.win32);
    EXPECT_EQ(t[3].value.b, b.unix_like);
    EXPECT_EQ(t[4].value.b, b.linux_kernel);
    EXPECT_TRUE(t[5].value.b);
    EXPECT_FALSE(t[6].value.b);
}

TEST(ConfigScanner, Positions)
{
    Config c;
    // A literal over two lines advances the column by its length only.
    auto t = scan("size = \"a\nbc\" ;\n  keep", c);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[2].at.first_line, 1);
    EXPECT_EQ(t[2].at.first_column, 8);
    EXPECT_EQ(t[2].at.last_column, 14);
    EXPECT_EQ(t[3].at.first_line, 1);
    EXPECT_EQ(t[3].at.first_column, 15);
    EXPECT_EQ(t[4].at.first_line, 2);
    EXPECT_EQ(t[4].at.first_column, 3);
    EXPECT_EQ(t[4].at.last_column, 7);
    // The end of input has zero width.
    EXPECT_EQ(t[5].at.first_line, 2);
    EXPECT_EQ(t[5].at.first_column, 7);
    EXPECT_EQ(t[5].at.last_column, 7);

    t = scan("", c);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].at.first_line, 1);
    EXPECT_EQ(t[0].at.first_column, 1);

    // Comments, blanks and CR count as columns.
    t = scan("\t# c\r\n //x\r\n\r size", c);
    ASSERT_EQ(kinds(t), (std::vector<int>{T::VAL_INT_LHS, T::END}));
    EXPECT_EQ(t[0].at.first_line, 3);
    EXPECT_EQ(t[0].at.first_column, 3);
}

TEST(ConfigScanner, StringsArePooled)
{
    Config c;
    std::istringstream in("\"lit\" name stdout stderr");
    ConfigLexer lexer(&c, "svc", "dir", "file", in);
    T::Value v{};
    T::Position p{};
    lexer.set_slots(&v, &p);
    std::vector<int> handles;
    while (lexer.next_token() == T::VAL_STR) handles.push_back(v.str);
    ASSERT_EQ(handles.size(), 4u);
    for (int h : handles) EXPECT_LT(h, 0) << "literals and names are kept";
    EXPECT_EQ(lexer.get(handles[0]), "lit");
    EXPECT_EQ(lexer.get(handles[1]), "svc");
    EXPECT_EQ(lexer.get(handles[2]), "-");
    EXPECT_EQ(lexer.get(handles[3]), "--");
    lexer.release(handles[0]);
    EXPECT_EQ(lexer.get(handles[0]), "lit") << "a kept string is never released";

    const int temp = lexer.copy(handles[0]);
    EXPECT_GT(temp, 0);
    const std::size_t before = lexer.pool_size();
    lexer.release(temp);
    EXPECT_EQ(lexer.pool_size(), before - 1);
}

TEST(ConfigScanner, FlagStack)
{
    ConfigLexerStack s;
    EXPECT_TRUE(s.executing());
    s.push(true);
    s.push(false);
    EXPECT_FALSE(s.executing());
    s.push(true);
    EXPECT_FALSE(s.executing()) << "a push combines with the enclosing flag";
    s.pop();
    s.pop();
    EXPECT_TRUE(s.executing());
    s.pop();
    s.pop();
    EXPECT_TRUE(s.executing());
    EXPECT_EQ(s.depth(), 0u);
}

// A stream whose characters cannot be read: get() sets the bad bit.
class FailingBuf : public std::streambuf {
protected:
    int_type underflow() override { throw std::runtime_error("device gone"); }
};

TEST(ConfigScannerDeathTest, ReadFailureEndsTheProcess)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            FailingBuf buf;
            std::istream in(&buf);
            Config c;
            c.parse(in, "svc", "dir", "file");
        },
        ::testing::ExitedWithCode(2), "^input in flex scanner failed\n$");
}

TEST(ConfigScanner, ABadStreamIsWrongSyntax)
{
    std::istringstream in("size = 20;");
    in.setstate(std::ios::badbit);
    Config c;
    config_test::CaptureStreams capture;
    EXPECT_FALSE(c.parse(in, "svc", "dir", "file"));
    EXPECT_EQ(capture.err(), "error: wrong syntax: at line 1.1\n");
    EXPECT_EQ(c.size, 10000u);
}

TEST(ConfigScanner, ARunThatEndsEarlyLeavesTheRestUnread)
{
    std::istringstream in("die(\"stop\"); size = 20; # and much more\n");
    Config c;
    config_test::CaptureStreams capture;
    EXPECT_FALSE(c.parse(in, "svc", "dir", "file"));
    std::string rest;
    std::getline(in, rest);
    // The scanner may have looked one character past the last token.
    EXPECT_GE(rest.size(), std::string("size = 20; # and much more").size());
    EXPECT_NE(rest.find("size = 20;"), std::string::npos);
}

} // namespace
