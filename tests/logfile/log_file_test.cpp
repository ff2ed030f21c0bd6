// Log file life cycle: naming, opening, re-opening, closing, rotation,
// screen output, echo lines and file-system failures, on real files.
#include "jotwell/logfile/log_file_log.h"
#include "log_test_support.h"

#include <jotwell/simpletime.h>

#include <gtest/gtest.h>

#include <regex>

using namespace Jotwell;
using namespace log_test;

namespace {

class LogFileTest : public ::testing::Test {
protected:
    LogFileTest() : info(Kitbase::Portable::Process().name(), "log", dir.lib()) {}

    Logger record(const Config& c) { return LoggerAccess::make_value(imp, Logger::Plain, c, nullptr); }

    test_support::TempDir dir;
    TestInfo info;
    const Importance imp = {2, 0, nullptr, 0};
};

std::string name_time(const SimpleTime::PhysicalTime& t)
{
    SimpleTime::UtcTime::Separator sep;
    sep.date = sep.dateTime = sep.time = sep.fraction = '_';
    std::ostringstream os;
    SimpleTime::UtcTime(t).print(os, sep);
    return os.str();
}

} // namespace

TEST_F(LogFileTest, FileNames)
{
    const std::string process = Kitbase::Portable::Process().name();
    const std::string pid = std::to_string(Kitbase::Portable::Process().id());
    for (const std::string& name : {process, std::string("orders")}) {
        TestInfo named(name, "log", dir.lib());
        LogFileNamer namer(&named);
        const std::string path = namer.make_name();
        const std::string base = name == process ? process : process + "_" + name;
        EXPECT_EQ(dir.lib() + "\\" + base + "_" + pid + "_" + name_time(namer.opened_at) + "_trace.log", path);
        EXPECT_TRUE(std::regex_match(name_time(namer.opened_at),
                                     std::regex("[0-9]{4}_[0-9]{2}_[0-9]{2}_[0-9]{2}_[0-9]{2}_[0-9]{2}_[0-9]{3}")));
    }
    TestInfo xml("orders", "xml", dir.lib());
    EXPECT_EQ("_trace.xml", LogFileNamer(&xml).make_name().substr(dir.lib().size() + 1).substr(
                                process.size() + 8 + pid.size() + 24));
}

TEST_F(LogFileTest, RotationDeletesThePreviousFileUnlessKept)
{
    for (bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "keep" : "delete");
        test_support::TempDir here;
        TestInfo named("orders", "log", here.lib());
        Config c;
        c.active = true;
        c.size = 1;
        c.keep = keep;
        std::vector<std::string> outputs;
        {
            LogFileLog lf(named);
            for (unsigned rank = 1; rank <= 4; ++rank) {
                const Logger l = record(c);
                *lf.begin_message(l, rank) << "record " << rank;
                outputs.push_back(host(lf.stream->name).filename().string());
                // While a record is open: the last completed file and the
                // current one, or every file when they are kept.
                std::set<std::string> during(outputs.begin() + (keep || rank < 2 ? 0 : rank - 2), outputs.end());
                EXPECT_EQ(during, files_in(here.path())) << "during record " << rank;
                wait_for_clock();
                lf.end_message(l, rank);
                EXPECT_EQ(nullptr, lf.stream);
                std::set<std::string> after(outputs.begin() + (keep ? 0 : rank - 1), outputs.end());
                EXPECT_EQ(after, files_in(here.path())) << "after record " << rank;
            }
        }
        // Each file holds its one record; the destructor deleted nothing.
        EXPECT_EQ(keep ? 4u : 1u, files_in(here.path()).size());
        const std::string last = read_text(here / outputs[3]);
        EXPECT_NE(std::string::npos, last.find("|record 4\n"));
        EXPECT_EQ(1u, lines_of(last).size());
    }
}

TEST_F(LogFileTest, DefaultSizeHoldsTenThousandRecords)
{
    Config c;
    c.active = true;
    ASSERT_EQ(10000u, c.size);
    LogFileLog lf(info);
    std::string first;
    for (unsigned rank = 1; rank <= 10001; ++rank) {
        const Logger l = record(c);
        lf.begin_message(l, rank);
        if (rank == 1) first = lf.stream->name;
        if (rank == 10000) wait_for_clock();
        lf.end_message(l, rank);
        if (rank == 9999) {
            EXPECT_EQ(9999u, lf.size);
        }
        if (rank == 10000) {
            EXPECT_EQ(nullptr, lf.stream);
        }
    }
    ASSERT_NE(nullptr, lf.stream);
    EXPECT_NE(first, lf.stream->name);
    EXPECT_EQ(1u, lf.size);
    EXPECT_EQ(10000u, lines_of(read_library_file(first)).size());
    EXPECT_TRUE(lf.has_previous);
    EXPECT_EQ(first, lf.previous_name);
}

TEST_F(LogFileTest, KeepLongWhileTheClockHasNotMoved)
{
    Flags flags(true, false);
    Config c;
    c.active = true;
    c.size = 1;
    LogFileLog lf(info);
    std::string echo;
    {
        test_support::CaptureCout capture;
        const Logger l = record(c);
        lf.begin_message(l, 1);
        // As if the clock still showed the time in the file's name.
        lf.namer.opened_at = SimpleTime::clock().now();
        lf.namer.opened_at += SimpleTime::Duration::Hour;
        lf.end_message(l, 1);
        ASSERT_NE(nullptr, lf.stream);
        lf.begin_message(l, 2);
        lf.namer.opened_at = SimpleTime::clock().now() - SimpleTime::Duration::Second;
        lf.end_message(l, 2);
        echo = capture.text();
    }
    EXPECT_EQ(nullptr, lf.stream);
    EXPECT_EQ(2u, lines_of(read_library_file(lf.previous_name)).size());
    EXPECT_NE(std::string::npos, echo.find("LogFile::possibly_reset (): keep long '" + lf.previous_name + "'"));
    EXPECT_NE(std::string::npos, echo.find("one trace message too many, size=2, max_size=1"));
}

TEST_F(LogFileTest, InactiveConfigurationClosesAfterEveryRecord)
{
    Config c;   // inactive
    LogFileLog lf(info);
    for (unsigned rank = 1; rank <= 3; ++rank) {
        const Logger l = record(c);
        *lf.begin_message(l, rank) << "r" << rank;
        EXPECT_TRUE(lf.stream->opened);
        lf.end_message(l, rank);
        EXPECT_FALSE(lf.stream->opened) << "the file is held open between records";
    }
    EXPECT_EQ(3u, lf.size);
    EXPECT_EQ(1u, files_in(dir.path()).size());
    const std::vector<std::string> lines = lines_of(read_library_file(lf.stream->name));
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("|r3", lines[2].substr(lines[2].size() - 3));
}

TEST_F(LogFileTest, ScreenOutputRotatesWithoutFiles)
{
    Flags flags(false, true);
    Config c;
    c.active = true;
    c.size = 1;
    std::string out;
    {
        test_support::CaptureCout capture;
        LogFileLog lf(info);
        for (unsigned rank = 1; rank <= 3; ++rank) {
            const Logger l = record(c);
            *lf.begin_message(l, rank) << "screen " << rank;
            EXPECT_TRUE(lf.stream->to_screen);
            EXPECT_EQ("ToScreen", lf.stream->name);
            lf.end_message(l, rank);
            EXPECT_EQ(nullptr, lf.stream);
            EXPECT_FALSE(lf.has_previous);
            EXPECT_EQ("", lf.previous_name);
        }
        out = capture.text();
    }
    EXPECT_TRUE(files_in(dir.path()).empty());
    const std::vector<std::string> lines = lines_of(out);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("|screen 3", lines[2].substr(lines[2].size() - 9));
}

TEST_F(LogFileTest, EchoLines)
{
    Flags flags(true, false);
    Config c;   // inactive: closed after each record
    c.size = 2;
    std::string echo, first, second;
    {
        test_support::CaptureCout capture;
        LogFileLog lf(info);
        for (unsigned rank = 1; rank <= 4; ++rank) {
            const Logger l = record(c);
            lf.begin_message(l, rank);
            if (rank == 1) first = lf.stream->name;
            if (rank == 3) second = lf.stream->name;
            if (rank % 2 == 0) wait_for_clock();
            lf.end_message(l, rank);
        }
        echo = capture.text();
    }
    const std::string head = "\"../src/.\\Jotwell\", line ";
    const std::string thr = ": (Thr-" + std::to_string(Kitbase::Native::current_thread_id()) + "): ";
    auto line = [&](int n, const std::string& msg) { return head + std::to_string(n) + thr + msg + "\n"; };
    auto cycle = [&](const std::string& name, bool fresh) {
        std::string s = fresh ? line(1549, "LogOfstream::open '" + name + "'") +
                                    line(1458, "LogFile::do_header_file (): opened '" + name + "'")
                              : line(1583, "LogOfstream::re_open '" + name + "'") +
                                    line(1461, "LogFile::do_header_file (): re-opened '" + name + "'");
        return s + line(1571, "LogOfstream::close '" + name + "'") +
               line(1479, "LogFile::do_footer_file (): close because config is not active");
    };
    const std::string expected =
        cycle(first, true) + cycle(first, false) +
        line(1487, "LogFile::possibly_reset (): one trace message too many, size=2, max_size=2") +
        cycle(second, true) + cycle(second, false) +
        line(1487, "LogFile::possibly_reset (): one trace message too many, size=2, max_size=2") +
        line(1517, "LogFile::possibly_reset (): unlinking '" + first + "'");
    EXPECT_EQ(expected, echo);
    EXPECT_FALSE(std::filesystem::exists(host(first)));
    EXPECT_TRUE(std::filesystem::exists(host(second)));
}

TEST_F(LogFileTest, MissingDirectoryLosesOnlyWhatCannotBeWritten)
{
    const std::filesystem::path missing = dir / "later";
    TestInfo named("orders", "log", test_support::library_path(missing));
    Config c;
    c.active = true;
    LogFileLog lf(named);
    const Logger l = record(c);
    std::ostream* s = lf.begin_message(l, 1);
    ASSERT_NE(nullptr, s);
    *s << "lost";
    lf.end_message(l, 1);
    EXPECT_FALSE(lf.stream->opened);

    // Every record tries again; once the directory exists the file appears.
    std::filesystem::create_directory(missing);
    *lf.begin_message(l, 2) << "kept";
    lf.end_message(l, 2);
    EXPECT_TRUE(lf.stream->opened);
    const std::vector<std::string> lines = lines_of(read_library_file(lf.stream->name));
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("|kept", lines[0].substr(lines[0].size() - 5));
}

TEST_F(LogFileTest, FullDisk)
{
    if (windows_build() || !std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    const std::filesystem::path link = dir / "full.log";
    std::filesystem::create_symlink("/dev/full", link);
    for (bool active : {true, false}) {
        Config c;
        c.active = active;
        LogFileLog lf(info);
        lf.stream = new LogOfstream(test_support::library_path(link));
        ASSERT_TRUE(lf.stream->opened);
        for (unsigned rank = 1; rank <= 3; ++rank) {
            const Logger l = record(c);
            std::ostream* s = lf.begin_message(l, rank);
            ASSERT_NE(nullptr, s);
            *s << std::string(10000, 'x');
            lf.end_message(l, rank);
        }
    }
    // The disk has room again: a closed file's next record reaches it.
    Config c;
    LogFileLog lf(info);
    lf.stream = new LogOfstream(test_support::library_path(link));
    const Logger l = record(c);
    *lf.begin_message(l, 1) << "lost";
    lf.end_message(l, 1);
    std::filesystem::remove(link);
    *lf.begin_message(l, 2) << "kept";
    lf.end_message(l, 2);
    const std::vector<std::string> lines = lines_of(read_text(link));
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("|kept", lines[0].substr(lines[0].size() - 5));
}

TEST_F(LogFileTest, FileDeletedWhileOpen)
{
    for (bool active : {true, false}) {
        test_support::TempDir here;
        TestInfo named("orders", "log", here.lib());
        Config c;
        c.active = active;
        LogFileLog lf(named);
        const Logger l = record(c);
        *lf.begin_message(l, 1) << "first";
        lf.end_message(l, 1);
        // Windows refuses to delete a file that is open; a closed one goes.
        std::error_code ec;
        const bool removed = std::filesystem::remove(host(lf.stream->name), ec);
        EXPECT_TRUE(removed || (active && windows_build())) << ec.message();
        std::ostream* s = lf.begin_message(l, 2);
        ASSERT_NE(nullptr, s);
        *s << "second";
        lf.end_message(l, 2);
        if (!active) {
            // Re-opened for appending: the file comes back with the new record.
            const std::vector<std::string> lines = lines_of(read_library_file(lf.stream->name));
            ASSERT_EQ(1u, lines.size());
            EXPECT_EQ("|second", lines[0].substr(lines[0].size() - 7));
        }
    }
}

TEST_F(LogFileTest, FactoryMakesTheTextKind)
{
    const LogFileExtFactory<LogFileLog> factory;
    std::unique_ptr<LogFile> lf = factory.create(info);
    EXPECT_NE(nullptr, dynamic_cast<LogFileLog*>(lf.get()));
    const Config c;
    const Logger l = record(c);
    *lf->begin_message(l, 1) << "via factory";
    lf->end_message(l, 1);
    lf.reset();
    EXPECT_EQ(1u, files_in(dir.path()).size());
}
