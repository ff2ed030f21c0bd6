// The text record, byte for byte.
#include "jotwell/logfile/log_file_log.h"
#include "log_test_support.h"

#include <jotwell/context.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iomanip>
#include <regex>

using namespace Jotwell;
using namespace log_test;
using Context::SubFields;

namespace {

const std::regex time_stamp("^[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{3}");

// Every leading time stamp (without rank digits) becomes "T".
std::string without_times(const std::string& text)
{
    std::string out;
    for (const std::string& line : lines_of(text)) out += std::regex_replace(line, time_stamp, "T") + "\n";
    return out;
}

class TextLogTest : public ::testing::Test {
protected:
    TextLogTest() : info("server", "log", dir.lib()), single("single", "log", dir.lib()), lf(info) {}

    // The whole of the one file written so far.
    std::string contents()
    {
        return lf.stream ? read_library_file(lf.stream->name) : std::string();
    }

    // One record with its text in a fresh log file; returns the file.
    std::string one_record(const Logger& l, unsigned rank, const std::string& text)
    {
        LogFileLog fresh(single);
        write_record(fresh, l, rank, text);
        std::string path = fresh.stream->name;
        fresh.stream->close();
        return read_library_file(path);
    }

    test_support::TempDir dir;
    TestInfo info;
    TestInfo single;   // one_record's files never share a name with lf's
    LogFileLog lf;
};

void fill_example_context(Context::Data& d)
{
    d.major_tick = 2;
    d.minor_tick = 14;
    d.major_depth = 1;
    d.minor_depth = 3;
    d.root = Context::Position(SubFields("Billing"), SubFields("B-17"));
    d.caller = Context::Position(SubFields("Invoice"), SubFields("42"));
    d.callee = Context::Position(SubFields("Ledger"), SubFields("7"));
    d.user = SubFields("alice");
    d.architect = SubFields("core");
}

// Writes a record from a destructor that runs while an exception
// propagates.
struct RecordDuringUnwinding {
    LogFile& lf;
    const Logger& l;
    unsigned rank;
    const char* text;
    ~RecordDuringUnwinding() { write_record(lf, l, rank, text, true); }
};

std::size_t bars_after_time(const std::string& line)
{
    const std::size_t first = line.find('|');
    return first == std::string::npos ? 0 : std::count(line.begin() + first, line.end(), '|');
}

} // namespace

TEST_F(TextLogTest, WorkedExamples)
{
    const Config defaults;
    const Importance m = {2, 0, nullptr, 0};
    write_record(lf, LoggerAccess::make_value(m, Logger::Plain, defaults, nullptr), 1, "connected to database");

    Config full;
    full.display_mask = 0x003FFF82;
    full.major_steps_display_width = 3;
    full.minor_steps_display_width = 3;
    full.workflow_names_display_width = 10;
    full.workflow_ids_display_width = 6;
    full.actors_display_width = 8;
    std::strcpy(full.consultant, "bob");
    const Importance warning = {3, 1, nullptr, 0};
    {
        Context::WithContext scope;
        fill_example_context(*scope.data());
        write_record(lf, LoggerAccess::make_value(warning, Logger::Open, full, scope.data()), 1234,
                     "posting invoice 42");
    }
    write_record(lf, LoggerAccess::make_value(warning, Logger::Open, full, nullptr), 1235, "no context");

    Config debug;
    debug.display_mask = debug_mask;
    const Importance error = {4, 2, "src\\billing.cpp", 118};
    const Logger failing = LoggerAccess::make_value(error, Logger::Plain, debug, nullptr);
    try {
        RecordDuringUnwinding r{lf, failing, 7, "ledger unreachable"};
        throw 1;
    } catch (int) {
    }

    std::string expected =
        "2009/06/15 14:03:27.481|==| | | 4242|3368| |||||||||||||||connected to database\n"
        "2009/06/15 14:03:27.484034|>=|W| | 4242|3368|{|  2| 15|  1|  4|   Billing|  B-17|   Invoice|    42|    "
        "Ledger|     7|   alice|    core|        |     bob|posting invoice 42\n"
        "2009/06/15 14:03:27.484035|>=|W| | 4242|3368|{|   |   |   |   |          |      |          |      |     "
        "     |      |        |        |        |     bob|no context\n"
        "src\\billing.cpp:118: this is Jotwell message 7\n"
        "2009/06/15 14:03:27.490|>>|E|X| 4242|  77| |||||||||||||||ledger unreachable\n"
        "### Jotwell: Incorrect usage: NestedTrace Lost ###\n";
    expected = replace_all(expected, " 4242|3368|", pid_text(5) + "|" + tid_text(4) + "|");
    expected = replace_all(expected, " 4242|  77|", pid_text(5) + "|" + tid_text(4) + "|");

    const std::string actual = contents();
    for (const std::string& line : lines_of(actual))
        if (line.find('|') != std::string::npos) {
            EXPECT_TRUE(std::regex_search(line, time_stamp)) << line;
            EXPECT_EQ(21u, bars_after_time(line)) << line;
        }
    EXPECT_EQ(without_times(expected), without_times(actual));
}

TEST_F(TextLogTest, TwentyOneBarsWhateverTheMask)
{
    const std::uint32_t masks[] = {0, rank_mask, steps_mask, workflow_mask, actors_mask, all_mask, 0xFFFFFFFF,
                                   consultant_mask, root_id_mask | developer_mask};
    const Importance imp = {2, 0, nullptr, 0};
    Context::WithContext scope;
    scope.data()->user = SubFields("u");
    unsigned rank = 0;
    for (std::uint32_t mask : masks) {
        Config c;
        c.display_mask = mask;
        c.actors_display_width = 4;
        write_record(lf, LoggerAccess::make_value(imp, Logger::Plain, c, scope.data()), ++rank, "m");
        write_record(lf, LoggerAccess::make_value(imp, Logger::Plain, c, nullptr), ++rank, "m");
    }
    const std::vector<std::string> lines = lines_of(contents());
    ASSERT_EQ(2 * std::size(masks), lines.size());
    for (const std::string& line : lines) {
        EXPECT_EQ(21u, bars_after_time(line)) << line;
        EXPECT_EQ('m', line.back());
    }
    // Default mask: the scope character, then fifteen bars in a row.
    EXPECT_NE(std::string::npos, lines[0].find("| |||||||||||||||m"));
}

TEST_F(TextLogTest, RankDigits)
{
    Config c;
    c.display_mask = rank_mask;
    const Importance imp = {2, 0, nullptr, 0};
    const struct {
        unsigned rank;
        const char* digits;
    } cases[] = {{100, "000"}, {7, "007"}, {1234, "034"}, {99, "099"}, {4294967295u, "095"}};
    for (const auto& k : cases)
        write_record(lf, LoggerAccess::make_value(imp, Logger::Plain, c, nullptr), k.rank, "x");
    const std::vector<std::string> lines = lines_of(contents());
    ASSERT_EQ(std::size(cases), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(26u, lines[i].find('|')) << lines[i];
        EXPECT_EQ(cases[i].digits, lines[i].substr(23, 3));
    }
}

TEST_F(TextLogTest, OutOfRangeValuesAndWidths)
{
    const struct {
        std::int32_t level, severity;
        const char* glyphs;
    } importances[] = {
        {0, 0, "|<<| |"}, {1, 1, "|<=|W|"}, {4, 3, "|>>|A|"}, {5, 4, "|??|?|"}, {-1, -1, "|??|?|"},
    };
    for (const auto& k : importances) {
        const Importance imp = {k.level, k.severity, nullptr, 0};
        EXPECT_NE(std::string::npos,
                  one_record(LoggerAccess::make_value(imp, Logger::Plain, Config(), nullptr), 1, "x").find(k.glyphs))
            << k.glyphs;
    }

    Config c;
    c.display_mask = all_mask;
    c.major_steps_display_width = -5;       // no padding
    c.workflow_names_display_width = 2;     // shorter than the name: never cut
    c.actors_display_width = 100;           // consultant stops at 63
    std::memset(c.consultant, 'c', sizeof c.consultant);   // no terminator
    const Importance imp = {2, 0, nullptr, 0};
    Context::WithContext scope;
    Context::Data& d = *scope.data();
    d.major_tick = 0x80000000u;             // shown signed
    d.root.name = SubFields("LongerThanTwo");
    d.user = SubFields("u");
    const std::string line = one_record(LoggerAccess::make_value(imp, Logger::Plain, c, &d), 1, "x");
    EXPECT_NE(std::string::npos, line.find("| |-2147483648|0|0|0|LongerThanTwo|"));
    EXPECT_NE(std::string::npos, line.find("|" + std::string(99, ' ') + "u|"));
    EXPECT_NE(std::string::npos, line.find("|" + std::string(63, 'c') + "|x\n"));
    EXPECT_EQ(21u, bars_after_time(line));
}

TEST_F(TextLogTest, MinorCountersMoveOnlyWithWrittenRecords)
{
    Config c;
    c.display_mask = minor_steps_mask;
    const Importance imp = {2, 0, nullptr, 0};
    Context::WithContext scope;
    Context::Data& d = *scope.data();
    const Logger open = LoggerAccess::make_value(imp, Logger::Open, c, &d);
    const Logger close = LoggerAccess::make_value(imp, Logger::Close, c, &d);
    const Logger plain = LoggerAccess::make_value(imp, Logger::Plain, c, &d);
    write_record(lf, open, 1, "a");
    write_record(lf, open, 2, "b");
    write_record(lf, plain, 3, "p");
    write_record(lf, close, 4, "b");
    write_record(lf, close, 5, "a");
    write_record(lf, close, 6, "extra");   // below zero
    EXPECT_EQ(0xFFFFFFFFu, d.minor_depth);
    EXPECT_EQ(5u, d.minor_tick);

    const std::vector<std::string> lines = lines_of(contents());
    ASSERT_EQ(6u, lines.size());
    // Tick | minor depth columns: an Open counts before it is written, a
    // Close after, so pairs show the same depth.
    const char* columns[] = {"|{||1||1|", "|{||2||2|", "| ||2||2|", "|}||2||2|", "|}||3||1|", "|}||4||0|"};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_NE(std::string::npos, lines[i].find(columns[i])) << lines[i];
    write_record(lf, plain, 7, "after");
    EXPECT_NE(std::string::npos, lines_of(contents())[6].find("| ||5||-1|"));
}

TEST_F(TextLogTest, EachRecordStartsFromACleanStreamState)
{
    const Importance imp = {2, 0, nullptr, 0};
    Config c;
    c.display_mask = major_tick_mask;
    c.major_steps_display_width = 4;
    Context::WithContext scope;
    scope.data()->major_tick = 255;
    const Logger l = LoggerAccess::make_value(imp, Logger::Plain, c, scope.data());
    std::ostream* s = lf.begin_message(l, 1);
    ASSERT_NE(nullptr, s);
    *s << std::hex << std::left << std::setfill('*') << std::showpos << 255;
    lf.end_message(l, 1);
    s = lf.begin_message(l, 2);
    ASSERT_NE(nullptr, s);
    *s << 255 << ' ' << 1.0 / 3;
    lf.end_message(l, 2);
    const std::vector<std::string> lines = lines_of(contents());
    ASSERT_EQ(2u, lines.size());
    EXPECT_NE(std::string::npos, lines[0].find("| | 255|"));
    EXPECT_EQ("|ff", lines[0].substr(lines[0].size() - 3));
    EXPECT_NE(std::string::npos, lines[1].find("| | 255|"));
    EXPECT_EQ("|255 0.333333", lines[1].substr(lines[1].rfind('|')));
}

TEST_F(TextLogTest, MessagesAreWrittenUnchanged)
{
    const Importance imp = {2, 0, "a.cpp", 3};
    Config c;   // no source bits: no source line even with a file
    const std::string big(100 * 1024, 'b');
    write_record(lf, LoggerAccess::make_value(imp, Logger::Plain, c, nullptr), 1, "one|two\nthree");
    write_record(lf, LoggerAccess::make_value(imp, Logger::Plain, c, nullptr), 2, big);
    write_record(lf, LoggerAccess::make_value(imp, Logger::Plain, c, nullptr), 3, "");
    const std::vector<std::string> lines = lines_of(contents());
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ("|one|two", lines[0].substr(lines[0].size() - 8));
    EXPECT_EQ("three", lines[1]);
    EXPECT_EQ(big, lines[2].substr(lines[2].size() - big.size()));
    EXPECT_EQ('|', lines[3].back());

    Config src;
    src.display_mask = src_line_mask;
    const Importance no_file = {2, 0, nullptr, 0};
    EXPECT_EQ(1u, lines_of(one_record(LoggerAccess::make_value(no_file, Logger::Plain, src, nullptr), 1, "x")).size());
    EXPECT_EQ("a.cpp:3: this is Jotwell message 9",
              lines_of(one_record(LoggerAccess::make_value(imp, Logger::Plain, src, nullptr), 9, "x"))[0]);
}

TEST_F(TextLogTest, RecordIsOnDiskWhenItEnds)
{
    const Importance imp = {2, 0, nullptr, 0};
    Config c;
    c.active = true;   // the file stays open between records
    write_record(lf, LoggerAccess::make_value(imp, Logger::Plain, c, nullptr), 1, "flushed");
    ASSERT_NE(nullptr, lf.stream);
    EXPECT_TRUE(lf.stream->opened);
    const std::string text = contents();
    EXPECT_EQ("flushed\n", text.substr(text.size() - 8));
}
