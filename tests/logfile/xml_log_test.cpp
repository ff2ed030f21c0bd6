// The XML log format: the document, the Msg records, and what a real XML
// parser (xmllint) makes of them.
#include "jotwell/logfile/log_file_xml.h"
#include "log_test_support.h"

#include <jotwell/context.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <regex>

using namespace Jotwell;
using namespace log_test;
using Context::SubFields;

namespace {

const char xmllint[] = "/usr/bin/xmllint";

bool have_xmllint() { return !windows_build() && std::filesystem::exists(xmllint); }

const char* xmllint_missing()
{
    return windows_build() ? "the host's xmllint cannot run from a Windows build"
                           : "xmllint is not installed (Debian package libxml2-utils)";
}

// Runs xmllint with args on file; its standard output, and whether it
// accepted the file.
bool run_xmllint(const std::filesystem::path& file, const std::string& args, std::string* out = nullptr)
{
    const std::filesystem::path result = file.string() + ".out";
    const std::string command =
        std::string(xmllint) + " " + args + " '" + file.string() + "' > '" + result.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    if (out) *out = test_support::read_file(result);
    std::filesystem::remove(result);
    return status == 0;
}

bool parses(const std::filesystem::path& file)
{
    std::string errors;
    const bool ok = run_xmllint(file, "--noout", &errors);
    EXPECT_TRUE(ok) << file << ": " << errors;
    return ok;
}

// The string value of the XPath expression in file.
std::string xpath_string(const std::filesystem::path& file, const std::string& expression)
{
    std::string out;
    EXPECT_TRUE(run_xmllint(file, "--xpath \"string(" + expression + ")\"", &out)) << out;
    if (!out.empty() && out.back() == '\n') out.pop_back();   // xmllint's own line end
    return out;
}

// Values that differ from run to run become "*".
std::string normalised(const std::string& xml)
{
    static const std::regex varying("^(LogFile|Process|Pid|Tid|Time|Build)=\"[^\"]*\"");
    std::string out;
    for (const std::string& line : lines_of(xml)) out += std::regex_replace(line, varying, "$1=\"*\"") + "\n";
    return out;
}

struct RecordDuringUnwinding {
    LogFile& lf;
    const Logger& l;
    unsigned rank;
    const char* text;
    ~RecordDuringUnwinding() { write_record(lf, l, rank, text, true); }
};

class XmlLogTest : public ::testing::Test {
protected:
    XmlLogTest() : info("orders", "xml", dir.lib()) {}

    Logger plain(const Importance& imp, Context::Data* d = nullptr, const Config& c = Config())
    {
        return LoggerAccess::make_value(imp, Logger::Plain, c, d);
    }

    // Writes the records that write() makes into a fresh log file, closes
    // it, checks that xmllint accepts it and returns its path.
    template <class F>
    std::filesystem::path document(F write)
    {
        std::string name;
        {
            LogFileXml lf(info);
            write(lf);
            name = lf.stream ? lf.stream->name : std::string();
        }
        EXPECT_FALSE(name.empty());
        const std::filesystem::path path = host(name);
        if (have_xmllint()) parses(path);
        return path;
    }

    test_support::TempDir dir;
    TestInfo info;
    const Importance m = {2, 0, nullptr, 0};
};

} // namespace

TEST_F(XmlLogTest, WorkedExample)
{
    const Importance warning = {3, 1, nullptr, 0};
    const Importance error = {4, 2, "src\\billing.cpp", 118};
    const Config inactive;   // the file is closed and re-opened around every record
    std::string path;
    const std::filesystem::path file = document([&](LogFileXml& lf) {
        write_record(lf, plain(m), 1, "connected to database");
        Context::WithContext scope;
        Context::Data& d = *scope.data();
        d.major_tick = 2;
        d.minor_tick = 14;
        d.major_depth = 1;
        d.minor_depth = 3;
        d.root = Context::Position(SubFields("Billing"), SubFields("B-17"));
        d.callee = Context::Position(SubFields("Ledger"), SubFields("7"));
        d.user = SubFields("alice");
        write_record(lf, LoggerAccess::make_value(warning, Logger::Open, inactive, &d), 2,
                     "posting \"invoice\" 42 & more");
        const Logger close = LoggerAccess::make_value(error, Logger::Close, inactive, &d);
        try {
            RecordDuringUnwinding r{lf, close, 3, "ledger unreachable"};
            throw 1;
        } catch (int) {
        }
        path = lf.stream->name;
    });
    const std::string expected = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<Jotwell
LogFile="D:\logs\server_orders_4242_2009_06_15_14_03_27_480_trace.xml"
Process="server"
Name="TODO: NYI: name"
Pid="4242"
Time="2009/06/15 14:03:27.480"
Build="Build release at Jun 15 2009 09:00:00 on MSWin32 MsDev (_MSC_VER = 1310)">
<Msg
Rank="1"
Time="2009/06/15 14:03:27.481"
Pid="4242"
Tid="3368"
Imp="==">
connected to database
</Msg>
<Msg
Rank="2"
Time="2009/06/15 14:03:27.484"
Pid="4242"
Tid="3368"
Imp="&gt;="
Sev="W">
<Workflow>
<Tick
Major="2"
Minor="15"/>
<Depth
Major="1"
Minor="4"
Scope="Open"/>
<Root
Name="Billing"
Id="B-17"/>
<Callee
Name="Ledger"
Id="7"/>
</Workflow>
<Actors
User="alice"/>
posting "invoice" 42 &amp; more
</Msg>
<Msg
Rank="3"
Time="2009/06/15 14:03:27.490"
Pid="4242"
Tid="3368"
Imp="&gt;&gt;"
Sev="E"
Exc="X">
<Workflow>
<Tick
Major="2"
Minor="15"/>
<Depth
Major="1"
Minor="4"
Scope="Close"/>
<Root
Name="Billing"
Id="B-17"/>
<Callee
Name="Ledger"
Id="7"/>
</Workflow>
<Actors
User="alice"/>
ledger unreachable
<Source
File="src\billing.cpp"
Line="118"/>
<!--Lost Nested Trace-->
</Msg>
</Jotwell>
)xml";
    const std::string actual = read_text(file);
    EXPECT_EQ(74u, lines_of(actual).size());
    EXPECT_EQ(normalised(expected), normalised(actual));

    // The varying values themselves.
    const std::string pid = std::to_string(Kitbase::Portable::Process().id());
    const std::string tid = std::to_string(Kitbase::Native::current_thread_id());
    const std::vector<std::string> lines = lines_of(actual);
    EXPECT_EQ("LogFile=\"" + path + "\"", lines[2]);
    EXPECT_EQ("Process=\"" + Kitbase::Portable::Process().name() + "\"", lines[3]);
    EXPECT_EQ("Pid=\"" + pid + "\"", lines[5]);
    EXPECT_EQ("Tid=\"" + tid + "\"", lines[12]);
    const std::regex time("Time=\"[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{3}\"");
    EXPECT_TRUE(std::regex_match(lines[6], time)) << lines[6];
    EXPECT_TRUE(std::regex_match(lines[10], time)) << lines[10];
    EXPECT_TRUE(std::regex_match(lines[7], std::regex("Build=\"Build release at [A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} "
                                                      "[0-9]{2}:[0-9]{2}:[0-9]{2} on [^ ]+ [^ ]+ \\(.+ = [0-9]+\\)\">")))
        << lines[7];
}

TEST_F(XmlLogTest, BuildNamesTheRealSystemAndCompiler)
{
    const Kitbase::Native::Os::BuildFacts facts = Kitbase::Native::Os::build_facts();
    const std::string text = build_text();
    const std::string tail = std::string(" on ") + facts.os_name + " " + facts.compiler + " (" +
                             facts.compiler_version_macro + " = " + std::to_string(facts.compiler_version) + ")";
    ASSERT_GT(text.size(), tail.size());
    EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
    if (facts.win32) {
        EXPECT_NE(std::string::npos, text.find(" on MSWin32 MsDev (_MSC_VER = "));
    } else {
        EXPECT_EQ(std::string::npos, text.find("MSWin32"));
        EXPECT_EQ(std::string::npos, text.find("MsDev"));
    }
}

TEST_F(XmlLogTest, RecordShapes)
{
    Context::WithContext scope;
    Context::Data& d = *scope.data();
    const std::string xml = read_text(document([&](LogFileXml& lf) {
        const Importance levels[] = {{0, 0, nullptr, 0}, {1, 0, nullptr, 0}, {3, 0, nullptr, 0},
                                     {4, 0, nullptr, 0}, {9, 7, nullptr, 0}};
        unsigned rank = 0;
        for (const Importance& imp : levels) write_record(lf, plain(imp), ++rank, "");
        // A context with nothing in it, then one left one level too often.
        write_record(lf, plain(m, &d), ++rank, "empty context");
        write_record(lf, LoggerAccess::make_value(m, Logger::Close, Config(), &d), ++rank, "close");
        write_record(lf, LoggerAccess::make_value(m, Logger::Open, Config(), nullptr), ++rank, "open, no context");
        d.consultant = SubFields("carol");
        d.architect = SubFields("core");
        write_record(lf, plain(m, &d), ++rank, "actors");
    }));
    // An empty message still has its (empty) line.
    EXPECT_NE(std::string::npos, xml.find("Imp=\"&lt;&lt;\">\n\n</Msg>\n"));
    EXPECT_NE(std::string::npos, xml.find("Imp=\"&lt;=\">\n\n</Msg>\n"));
    EXPECT_NE(std::string::npos, xml.find("Imp=\"&gt;=\">\n\n</Msg>\n"));
    EXPECT_NE(std::string::npos, xml.find("Imp=\"&gt;&gt;\">\n\n</Msg>\n"));
    EXPECT_NE(std::string::npos, xml.find("Imp=\"??\"\nSev=\"?\">\n\n</Msg>\n"));
    EXPECT_EQ(std::string::npos, xml.find("Exc="));
    EXPECT_NE(std::string::npos, xml.find("Imp=\"==\">\n<Workflow>\n<Tick\nMajor=\"0\"\nMinor=\"0\"/>\n<Depth\nMajor=\"0\"\n"
                                          "Minor=\"0\"/>\n</Workflow>\n<Actors/>\nempty context\n</Msg>"));
    EXPECT_NE(std::string::npos, xml.find("<Depth\nMajor=\"0\"\nMinor=\"0\"\nScope=\"Close\"/>"));
    EXPECT_NE(std::string::npos, xml.find("<Tick\nMajor=\"0\"\nMinor=\"1\"/>\n<Depth\nMajor=\"0\"\n"
                                          "Minor=\"4294967295\"/>\n</Workflow>\n<Actors\nArchitect=\"core\"\n"
                                          "Consultant=\"carol\"/>\nactors\n"));
    EXPECT_NE(std::string::npos, xml.find("Imp=\"==\">\n<Workflow\nScope=\"Open\"/>\nopen, no context\n</Msg>"));
}

TEST_F(XmlLogTest, DisplaySettingsHaveNoEffect)
{
    Config shown;
    shown.display_mask = all_mask;
    shown.actors_display_width = 30;
    shown.major_steps_display_width = 9;
    std::strcpy(shown.consultant, "bob");
    std::string texts[2];
    for (int i = 0; i < 2; ++i) {
        Context::WithContext scope;
        scope.data()->user = SubFields("u");
        texts[i] = normalised(read_text(document([&](LogFileXml& lf) {
            write_record(lf, plain(m, scope.data(), i == 0 ? Config() : shown), 1, "same");
        })));
    }
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_EQ(std::string::npos, texts[1].find("bob"));
}

TEST_F(XmlLogTest, MessageStaysOnOneLineAndRoundTrips)
{
    const std::string message = "first\nsecond \"quoted\" 'single' & <tag> \t tab\r\x01\x1f\x7f end";
    const std::filesystem::path file = document([&](LogFileXml& lf) {
        write_record(lf, plain(m), 1, message);
        Config c;
        c.active = true;
        write_record(lf, plain(m, nullptr, c), 2, std::string(100 * 1024, 'k'));
    });
    const std::vector<std::string> lines = lines_of(read_text(file));
    const auto text = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("first", 0) == 0; });
    ASSERT_NE(lines.end(), text);
    EXPECT_EQ("</Msg>", *(text + 1));
    EXPECT_EQ(std::string::npos, text->find_first_of("<>\t\r\x01\x1f\x7f"));
    if (!have_xmllint()) GTEST_SKIP() << xmllint_missing();
    // The text node is the message between the line ends around it.
    // Controls that XML cannot hold come back as their visible symbols;
    // DEL is a character XML holds.
    const std::string expected = "\n" + std::string("first\nsecond \"quoted\" 'single' & <tag> \t tab\r") +
                                 "\xe2\x90\x81\xe2\x90\x9f\x7f end" + "\n";
    const std::string parsed = xpath_string(file, "/Jotwell/Msg[1]");
    // xmllint normalises a CR in text to LF on output.
    EXPECT_EQ(expected.size(), parsed.size());
    std::string without_cr = expected;
    without_cr[without_cr.find('\r')] = '\n';
    EXPECT_TRUE(parsed == expected || parsed == without_cr) << parsed;
    EXPECT_EQ(100u * 1024 + 2, xpath_string(file, "/Jotwell/Msg[2]").size());
}

TEST_F(XmlLogTest, EveryRotatedFileIsAWholeDocument)
{
    Config c;
    c.active = true;
    c.size = 1;
    c.keep = true;
    {
        LogFileXml lf(info);
        for (unsigned rank = 1; rank <= 3; ++rank) {
            const Logger l = plain(m, nullptr, c);
            lf.begin_message(l, rank);
            wait_for_clock();
            lf.end_message(l, rank);
        }
        // A fourth record stays open in an unfinished file until the log
        // file object goes.
        write_record(lf, plain(m), 4, "last");
    }
    const std::set<std::string> files = files_in(dir.path());
    ASSERT_EQ(4u, files.size());
    for (const std::string& f : files) {
        const std::string xml = read_text(dir / f);
        EXPECT_EQ(0u, xml.find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Jotwell\n")) << f;
        EXPECT_EQ("</Jotwell>\n", xml.substr(xml.size() - 11)) << f;
        if (have_xmllint()) parses(dir / f);
    }
}

TEST_F(XmlLogTest, ScreenOutputIsADocumentPerStream)
{
    Flags flags(false, true);
    std::string out;
    {
        test_support::CaptureCout capture;
        {
            LogFileXml lf(info);
            Config c;
            c.active = true;
            c.size = 2;
            for (unsigned rank = 1; rank <= 3; ++rank) {
                const Logger l = plain(m, nullptr, c);
                *lf.begin_message(l, rank) << "screen " << rank;
                if (rank == 2) wait_for_clock();
                lf.end_message(l, rank);
            }
        }
        out = capture.text();
    }
    EXPECT_TRUE(files_in(dir.path()).empty());
    const std::size_t second = out.find("<?xml", 1);
    ASSERT_NE(std::string::npos, second);
    EXPECT_EQ(0u, out.find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Jotwell\nLogFile=\"ToScreen\"\n"));
    const std::string documents[] = {out.substr(0, second), out.substr(second)};
    EXPECT_NE(std::string::npos, documents[0].find("screen 2\n</Msg>\n</Jotwell>\n"));
    EXPECT_NE(std::string::npos, documents[1].find("screen 3\n</Msg>\n</Jotwell>\n"));
    if (!have_xmllint()) GTEST_SKIP() << xmllint_missing();
    for (int i = 0; i < 2; ++i) {
        const std::filesystem::path f = dir / ("screen" + std::to_string(i) + ".xml");
        test_support::write_file(f, documents[i]);
        parses(f);
    }
}

TEST_F(XmlLogTest, FactoryMakesTheXmlKind)
{
    const LogFileExtFactory<LogFileXml> factory;
    std::unique_ptr<LogFile> lf = factory.create(info);
    EXPECT_NE(nullptr, dynamic_cast<LogFileXml*>(lf.get()));
}

TEST_F(XmlLogTest, FileOpenedLateStillHoldsAWholeDocument)
{
    const std::filesystem::path later = dir / "later";
    TestInfo named("orders", "xml", test_support::library_path(later));
    for (bool record_before : {false, true}) {
        SCOPED_TRACE(record_before ? "a record was lost first" : "no record before");
        std::filesystem::remove_all(later);
        std::string name;
        {
            LogFileXml lf(named);
            Config c;
            c.active = true;
            const Logger l = plain(m, nullptr, c);
            if (record_before) {
                std::ostream* s = lf.begin_message(l, 1);
                ASSERT_NE(nullptr, s);
                *s << "lost";
                lf.end_message(l, 1);
                EXPECT_FALSE(lf.stream->opened);
            } else {
                // The document starts while the directory is still missing.
                lf.stream = new XmlOfstream(test_support::library_path(later / "late.xml"));
                EXPECT_FALSE(lf.stream->opened);
            }
            std::filesystem::create_directory(later);
            *lf.begin_message(l, 2) << "kept";
            lf.end_message(l, 2);
            EXPECT_TRUE(lf.stream->opened);
            name = lf.stream->name;
        }
        const std::string xml = read_library_file(name);
        EXPECT_EQ(0u, xml.find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Jotwell\nLogFile=\"" + name + "\"\n"));
        EXPECT_EQ(std::string::npos, xml.find("lost"));
        EXPECT_NE(std::string::npos, xml.find("\">\n<Msg\nRank=\"2\""));
        EXPECT_EQ(">\nkept\n</Msg>\n</Jotwell>\n", xml.substr(xml.size() - 25));
        if (have_xmllint()) parses(host(name));
    }
}

TEST_F(XmlLogTest, FileNeverOpenedLeavesNothing)
{
    TestInfo nowhere("orders", "xml", test_support::library_path(dir / "missing"));
    {
        LogFileXml lf(nowhere);
        const Logger l = plain(m);
        std::ostream* s = lf.begin_message(l, 1);
        ASSERT_NE(nullptr, s);
        *s << "lost";
        lf.end_message(l, 1);
        EXPECT_FALSE(lf.stream->opened);
    }
    EXPECT_TRUE(files_in(dir.path()).empty());
}

TEST_F(XmlLogTest, RecordIsOnDiskWhenItEnds)
{
    Config c;
    c.active = true;   // the file stays open between records
    LogFileXml lf(info);
    write_record(lf, plain(m, nullptr, c), 1, "first");
    ASSERT_TRUE(lf.stream->opened);
    EXPECT_EQ("first\n</Msg>\n", read_library_file(lf.stream->name).substr(
                                     read_library_file(lf.stream->name).size() - 13));
    const Logger l = plain(m, nullptr, c);
    *lf.begin_message(l, 2) << "second";
    lf.end_message(l, 2);
    const std::string text = read_library_file(lf.stream->name);
    EXPECT_EQ("second\n</Msg>\n", text.substr(text.size() - 14));
}
