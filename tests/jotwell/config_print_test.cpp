#include <jotwell/jotwell.h>

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

using namespace Jotwell;

namespace {

std::string printed(const Config& c)
{
    std::ostringstream ss;
    c.print(ss);
    return ss.str();
}

void set_consultant(Config& c, const char* text)
{
    std::strncpy(c.consultant, text, sizeof c.consultant - 1);
    c.consultant[sizeof c.consultant - 1] = '\0';
}

} // namespace

TEST(Config, Defaults)
{
    const Config c;
    EXPECT_FALSE(c.active);
    EXPECT_EQ(c.importance.level, 2);
    EXPECT_EQ(c.importance.severity, 0);
    EXPECT_EQ(c.importance.file, nullptr);
    EXPECT_EQ(c.size, 10000u);
    EXPECT_FALSE(c.keep);
    EXPECT_EQ(c.display_mask, 0u);
    EXPECT_EQ(c.effective_display_mask(), 0x004000FDu);
    EXPECT_EQ(c.effective_display_mask(), 4194557u);
    EXPECT_STREQ(c.consultant, "");
    EXPECT_EQ(printed(c), "active       = false;\nimportance   = '==';");
}

TEST(Config, EffectiveMask)
{
    const struct {
        std::uint32_t raw;
        std::uint32_t effective;
    } cases[] = {
        {0, 0x004000FD},
        {0xFFFFFFFF, 0x01FFFFFF},
        {0x004000FD, 0x004000FD},
        {rank_mask, 4194559},
        {0xFE000000, 0x004000FD},
        {all_mask, all_mask},
    };
    for (const auto& c : cases) {
        Config cfg;
        cfg.display_mask = c.raw;
        EXPECT_EQ(cfg.effective_display_mask(), c.effective) << std::hex << c.raw;
    }
}

TEST(Config, PrintsOnlyWhatDiffers)
{
    const struct {
        const char* what;
        void (*edit)(Config&);
        const char* text;
    } cases[] = {
        {"the worked example",
         [](Config& c) {
             c.active = true;
             c.importance = L;
             c.size = 500;
             c.keep = true;
             set_consultant(c, "Rud");
             c.display_mask = root_name_mask | caller_name_mask | callee_name_mask;
             c.workflow_names_display_width = 12;
             c.actors_display_width = 8;
         },
         "active       = true;\n"
         "importance   = '>=';\n"
         "size         = 500;\n"
         "keep         = true;\n"
         "\n"
         "consultant   = 'Rud';\n"
         "\n"
         "display_mask = 4280573;\n"
         "\n"
         "workflow_names_display_width = 12;\n"
         "actors_display_width         = 8;"},
        {"raw mask with dropped bits only", [](Config& c) { c.display_mask = 0x004000FD; },
         "active       = false;\nimportance   = '==';"},
        {"full raw mask", [](Config& c) { c.display_mask = 0xFFFFFFFF; },
         "active       = false;\nimportance   = '==';\n\ndisplay_mask = 33554431;"},
        {"rank only", [](Config& c) { c.display_mask = rank_mask; },
         "active       = false;\nimportance   = '==';\n\ndisplay_mask = 4194559;"},
        {"all widths, one zero among them",
         [](Config& c) {
             c.major_steps_display_width = 3;
             c.minor_steps_display_width = 0;
             c.workflow_names_display_width = -2;
             c.workflow_ids_display_width = 128;
             c.actors_display_width = 1;
         },
         "active       = false;\nimportance   = '==';\n\n"
         "major_steps_display_width    = 3;\n"
         "workflow_names_display_width = -2;\n"
         "workflow_ids_display_width   = 128;\n"
         "actors_display_width         = 1;"},
        {"severity, file and line are not printed; odd levels are",
         [](Config& c) { c.importance = Importance{7, 3, "x.cpp", 9}; },
         "active       = false;\nimportance   = '?\?';"},
        {"size and keep", [](Config& c) { c.size = 4294967295u; c.keep = true; },
         "active       = false;\nimportance   = '==';\nsize         = 4294967295;\nkeep         = true;"},
    };
    for (const auto& c : cases) {
        Config cfg;
        c.edit(cfg);
        EXPECT_EQ(printed(cfg), c.text) << c.what;
    }
}

TEST(Config, CopiesAreIndependent)
{
    Config a;
    set_consultant(a, "Ann");
    a.size = 42;
    Config b = a;
    b.consultant[0] = 'X';
    b.size = 7;
    EXPECT_STREQ(a.consultant, "Ann");
    EXPECT_EQ(a.size, 42u);
    a = b;
    EXPECT_STREQ(a.consultant, "Xnn");
}

TEST(Config, UnterminatedConsultantPrintsAtMost64Characters)
{
    Config c;
    std::memset(c.consultant, 'k', sizeof c.consultant);
    const std::string text = printed(c);
    EXPECT_NE(text.find("consultant   = '" + std::string(64, 'k') + "';"), std::string::npos);
}
