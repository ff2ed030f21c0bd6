#include <jotwell/jotwell.h>

#include <gtest/gtest.h>

using namespace Jotwell;

TEST(Importance, ConstantsAfterTheStart)
{
    const struct {
        const Importance& value;
        int level;
        int severity;
        const char* level_glyph;
        const char* severity_glyph;
    } cases[] = {
        {XS, 0, 0, "<<", " "},    {S, 1, 0, "<=", " "},     {M, 2, 0, "==", " "},
        {L, 3, 0, ">=", " "},     {XL, 4, 0, ">>", " "},    {Success, 2, 0, "==", " "},
        {Warning, 3, 1, ">=", "W"}, {Error, 4, 2, ">>", "E"}, {Assert, 4, 3, ">>", "A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.level, c.level);
        EXPECT_EQ(c.value.severity, c.severity);
        EXPECT_EQ(c.value.file, nullptr);
        EXPECT_EQ(c.value.line, 0);
        EXPECT_STREQ(c.value.level_glyph(), c.level_glyph);
        EXPECT_STREQ(c.value.severity_glyph(), c.severity_glyph);
    }
}

TEST(Importance, GlyphsOutOfRange)
{
    EXPECT_STREQ((Importance{7, 0, nullptr, 0}).level_glyph(), "??");
    EXPECT_STREQ((Importance{-1, 0, nullptr, 0}).level_glyph(), "??");
    EXPECT_STREQ((Importance{2, -1, nullptr, 0}).severity_glyph(), "?");
    EXPECT_STREQ((Importance{2, 4, nullptr, 0}).severity_glyph(), "?");
}

TEST(Importance, OrderedByLevelAlone)
{
    EXPECT_TRUE(Success == M);
    EXPECT_TRUE(Warning == L);
    EXPECT_NE(Warning.severity, L.severity);
    EXPECT_TRUE(XS < S && S < M && M < L && L < XL);
    EXPECT_TRUE(Error >= Assert && Error <= Assert);
    EXPECT_TRUE(Warning > M);
    const Importance at_line{M.level, M.severity, "main.cpp", 42};
    EXPECT_TRUE(at_line == M);
    EXPECT_TRUE((Importance{-5, 0, nullptr, 0}) < XS);
}
