// The XML writer: layout in the three styles, element shapes, refusals,
// the exception family and closing.
#include <jotwell/kitbase/xml.h>

#include "xmllint.h"

#include <gtest/gtest.h>

#include <functional>
#include <iomanip>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace Kitbase::Xml;
using xml_test::well_formed;

namespace {

const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

// Everything a writer of the given style writes for calls, up to and
// including its destruction.
std::string written(int style, const std::function<void(XmlOstream&)>& calls)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(style));
        calls(xml);
    }
    return out.str();
}

// A root a with x = "1 & 2", a child b with the text "hello<", then a
// comment "note".
void write_example(Ostream& xml)
{
    Tag a(xml, "a");
    xml.current_tag().attribute("x");
    xml << 1 << " & " << 2;
    {
        Tag b(xml, "b");
        xml.current_tag().text();
        xml << "hello<";
    }
    Section note(xml, false);
    xml << "note";
}

std::string printed(const Kitbase::Exception& e)
{
    std::ostringstream ss;
    e.print(ss);
    return ss.str();
}

// op must be refused with message, and write nothing.
void expect_refused(const std::function<void()>& op, const std::string& message, const std::ostringstream& out)
{
    SCOPED_TRACE(message);
    const std::string before = out.str();
    try {
        op();
        ADD_FAILURE() << "not refused";
    } catch (const Error& e) {
        EXPECT_EQ(printed(e), "Kitbase::Xml::Error: " + message);
    }
    EXPECT_EQ(out.str(), before);
}

const char* const no_data = "Must be in Attribute, Text, Comment or CData to insert data";
const char* const no_current = "Ostream state must be in Tag and tags stack non-empty to use current tag";
const char* const no_attribute = "Tag must be in Start or in Attribute to insert Attribute";
const char* const no_section = "Ostream tags stack should not be empty to open a Comment or CData section";
const char* const multi_root = "multi root tree";

} // namespace

TEST(XmlFormat, StylesAndIndentation)
{
    const struct {
        int style;
        unsigned indent;
        bool newline;
    } styles[] = {{0, 0, false}, {1, 0, true}, {2, 2, true}, {3, 0, false}, {-1, 0, false}};
    for (const auto& s : styles) {
        const Format f(s.style);
        EXPECT_EQ(f.depth, 0u) << s.style;
        EXPECT_EQ(f.indent, s.indent) << s.style;
        EXPECT_EQ(f.newline, s.newline) << s.style;
    }

    const struct {
        std::uint32_t depth;
        std::uint32_t indent;
        std::uint32_t blanks;
    } cases[] = {
        {0, 2, 0}, {1, 2, 2}, {19, 2, 38}, {20, 2, 40}, {21, 2, 40}, {7, 0, 0},
        {0x80000000u, 2, 40},  // a product that wraps to 0 in 32 bits
        {0xFFFFFFFFu, 0xFFFFFFFFu, 40},
    };
    for (const auto& c : cases) {
        Format f(0);
        f.depth = c.depth;
        f.indent = c.indent;
        EXPECT_EQ(f.indentation(), c.blanks) << c.depth << " x " << c.indent;
    }
    EXPECT_EQ(Format(2).deeper().deeper().indentation(), 4u);
}

TEST(XmlOstream, WorkedExampleInEachStyle)
{
    const struct {
        int style;
        std::string expected;
    } cases[] = {
        {1, decl + "\n<a\nx=\"1 &amp; 2\">\n<b>\nhello&lt;\n</b>\n<!--note-->\n</a>\n"},
        {2, decl + "\n<a\n  x=\"1 &amp; 2\">\n  <b>\n    hello&lt;\n  </b>\n  <!--note-->\n</a>\n"},
        {0, decl + "<a x=\"1 &amp; 2\"><b>hello&lt;</b><!--note--></a>"},
        {9, decl + "<a x=\"1 &amp; 2\"><b>hello&lt;</b><!--note--></a>"},
    };
    for (const auto& c : cases) {
        const std::string doc = written(c.style, write_example);
        EXPECT_EQ(doc, c.expected) << "style " << c.style;
        EXPECT_TRUE(well_formed(doc));
    }
}

TEST(XmlOstream, ElementShapes)
{
    const struct {
        const char* what;
        std::function<void(XmlOstream&)> calls;
        std::string body;  // style 1, after the declaration line
    } cases[] = {
        {"attributes only close with /> after the last quote",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             a.attribute("x");
             xml << 1;
             a.attribute("y");
             xml << "two";
         },
         "<a\nx=\"1\"\ny=\"two\"/>\n"},
        {"an element with nothing is <name/>", [](XmlOstream& xml) { Tag a(xml, "a"); }, "<a/>\n"},
        {"an empty child",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             Tag b(xml, "b");
         },
         "<a>\n<b/>\n</a>\n"},
        {"two texts are separated by a line end",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             a.text();
             xml << "one";
             a.text();
             xml << "two";
         },
         "<a>\none\ntwo\n</a>\n"},
        {"texts and children mixed",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             a.text();
             xml << "t";
             { Tag b(xml, "b"); }
             a.text();
             xml << "u";
         },
         "<a>\nt\n<b/>\nu\n</a>\n"},
        {"an empty text still has its line",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             a.attribute("k");
             xml << "v";
             a.text();
         },
         "<a\nk=\"v\">\n\n</a>\n"},
        {"attributes, then a child with attributes only",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             a.attribute("x");
             xml << 1;
             Tag b(xml, "b");
             b.attribute("y");
             xml << 2;
         },
         "<a\nx=\"1\">\n<b\ny=\"2\"/>\n</a>\n"},
        {"a CDATA section",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             Section s(xml, true);
             xml << "x<&y";
         },
         "<a>\n<![CDATA[x<&y]]>\n</a>\n"},
        {"a text ended by a comment",
         [](XmlOstream& xml) {
             Tag a(xml, "a");
             a.text();
             xml << "t";
             Section s(xml, false);
             xml << "c";
         },
         "<a>\nt\n<!--c-->\n</a>\n"},
    };
    for (const auto& c : cases) {
        const std::string doc = written(1, c.calls);
        EXPECT_EQ(doc, decl + "\n" + c.body) << c.what;
        EXPECT_TRUE(well_formed(doc)) << c.what;
    }
}

namespace {

void nest(Ostream& xml, int level, int levels)
{
    Tag t(xml, "t" + std::to_string(level));
    if (level + 1 < levels) nest(xml, level + 1, levels);
}

} // namespace

TEST(XmlOstream, IndentationStopsGrowingAtFortyBlanks)
{
    const int levels = 25;
    const std::string doc = written(2, [&](XmlOstream& xml) { nest(xml, 0, levels); });
    std::istringstream lines(doc);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, decl);
    for (int level = 0; level < levels; ++level) {
        ASSERT_TRUE(std::getline(lines, line));
        const std::string name = "t" + std::to_string(level);
        const std::string tag = level + 1 < levels ? "<" + name + ">" : "<" + name + "/>";
        EXPECT_EQ(line, std::string(std::min(2 * level, 40), ' ') + tag);
    }
    for (int level = levels - 2; level >= 0; --level) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line, std::string(std::min(2 * level, 40), ' ') + "</t" + std::to_string(level) + ">");
    }
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_TRUE(well_formed(doc));
}

TEST(XmlOstream, EachValueStartsFreshAndTargetStateStaysOut)
{
    std::ostringstream out;
    out.width(12);
    out.fill('*');
    out.setf(std::ios::left, std::ios::adjustfield);
    {
        XmlOstream xml(&out, Format(1));
        Tag a(xml, "a");
        a.attribute("hex");
        xml << std::hex << 255;
        a.attribute("dec");
        xml << 255;
        a.attribute("wide");
        xml << std::setw(4) << std::setfill('0') << 7;
        a.attribute("pi");
        xml << 3.14159265358979;
        a.text();
        xml << true << ' ' << -12 << ' ' << std::string("s");
    }
    const std::string doc = out.str();
    EXPECT_EQ(doc, decl + "\n<a\nhex=\"ff\"\ndec=\"255\"\nwide=\"0007\"\npi=\"3.14159\">\n1 -12 s\n</a>\n");
}

TEST(XmlOstream, PlainOstreamWritesValuesOnly)
{
    std::ostringstream out;
    {
        Ostream plain(&out, Format(1));
        Tag a(plain, "a");
        a.attribute("x");
        plain << "1 & 2";
        Tag b(plain, "b");
        b.text();
        plain << "<t>";
        Section s(plain, false);
        plain << "--";
    }
    EXPECT_EQ(out.str(), "1 & 2<t>--");
}

TEST(XmlOstream, NullTargetWritesNothing)
{
    XmlOstream xml(nullptr, Format(1));
    Tag a(xml, "a");
    a.attribute("x");
    xml << "value";
    a.text();
    xml << "text";
    Section s(xml, true);
    xml << "cdata";
    EXPECT_TRUE(xml.in_section());
}

// The element layout the XML log writes, with literal values.
TEST(XmlOstream, LogDocumentLayout)
{
    const std::string doc = written(1, [](XmlOstream& xml) {
        Tag root(xml, "Jotwell");
        const char* root_attributes[][2] = {
            {"LogFile", "D:\\logs\\server_orders_4242_2009_06_15_14_03_27_480_trace.xml"},
            {"Process", "server"},
            {"Name", "TODO: NYI: name"},
            {"Pid", "4242"},
        };
        for (auto& a : root_attributes) {
            root.attribute(a[0]);
            xml << a[1];
        }
        {
            Tag msg(xml, "Msg");
            msg.attribute("Rank");
            xml << 1u;
            msg.attribute("Imp");
            xml << "==";
            msg.text();
            xml << "connected to database";
        }
        Tag msg(xml, "Msg");
        msg.attribute("Rank");
        xml << 2u;
        msg.attribute("Imp");
        xml << ">=";
        msg.attribute("Sev");
        xml << "W";
        {
            Tag workflow(xml, "Workflow");
            {
                Tag tick(xml, "Tick");
                tick.attribute("Major");
                xml << 2u;
                tick.attribute("Minor");
                xml << 4294967295u;
            }
            Tag depth(xml, "Depth");
            depth.attribute("Scope");
            xml << "Open";
        }
        { Tag actors(xml, "Actors"); }
        msg.text();
        xml << "posting \"invoice\" 42 & more\nsecond line";
        {
            Tag source(xml, "Source");
            source.attribute("File");
            xml << "src\\billing.cpp";
            source.attribute("Line");
            xml << 118;
        }
        Section lost(xml, false);
        xml << "Lost Nested Trace";
    });
    EXPECT_EQ(doc, decl + "\n"
                          "<Jotwell\n"
                          "LogFile=\"D:\\logs\\server_orders_4242_2009_06_15_14_03_27_480_trace.xml\"\n"
                          "Process=\"server\"\n"
                          "Name=\"TODO: NYI: name\"\n"
                          "Pid=\"4242\">\n"
                          "<Msg\n"
                          "Rank=\"1\"\n"
                          "Imp=\"==\">\n"
                          "connected to database\n"
                          "</Msg>\n"
                          "<Msg\n"
                          "Rank=\"2\"\n"
                          "Imp=\"&gt;=\"\n"
                          "Sev=\"W\">\n"
                          "<Workflow>\n"
                          "<Tick\n"
                          "Major=\"2\"\n"
                          "Minor=\"4294967295\"/>\n"
                          "<Depth\n"
                          "Scope=\"Open\"/>\n"
                          "</Workflow>\n"
                          "<Actors/>\n"
                          "posting \"invoice\" 42 &amp; more&#10;second line\n"
                          "<Source\n"
                          "File=\"src\\billing.cpp\"\n"
                          "Line=\"118\"/>\n"
                          "<!--Lost Nested Trace-->\n"
                          "</Msg>\n"
                          "</Jotwell>\n");
    EXPECT_TRUE(well_formed(doc));
}

TEST(XmlRefusals, DataWithNothingOpenToTakeIt)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(1));
        expect_refused([&] { xml << 1; }, no_data, out);
        Tag a(xml, "a");
        expect_refused([&] { xml << "x"; }, no_data, out);
        expect_refused([&] { xml.data(); }, no_data, out);
        a.attribute("k");
        xml << "v";
        {
            Tag b(xml, "b");
            expect_refused([&] { xml << "y"; }, no_data, out);
        }
        expect_refused([&] { xml << "z"; }, no_data, out);
        a.text();
        xml << "t";
    }
    EXPECT_EQ(out.str(), decl + "\n<a\nk=\"v\">\n<b/>\nt\n</a>\n");
    EXPECT_TRUE(well_formed(out.str()));
}

TEST(XmlRefusals, CurrentTagOutsideATagOrInsideASection)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(1));
        expect_refused([&] { xml.current_tag(); }, no_current, out);
        Tag a(xml, "a");
        EXPECT_EQ(&xml.current_tag(), &a);
        {
            Section note(xml, false);
            xml << "n";
            expect_refused([&] { xml.current_tag(); }, no_current, out);
            expect_refused([&] { Tag b(xml, "b"); }, no_current, out);
            expect_refused([&] { Section inner(xml, true); }, no_current, out);
            expect_refused([&] { a.text(); }, no_current, out);
            expect_refused([&] { a.attribute("late"); }, no_attribute, out);
            EXPECT_EQ(xml.open_tags(), 1u);
            EXPECT_TRUE(xml.in_section());
            xml << "e";
        }
        EXPECT_FALSE(xml.in_section());
        Tag b(xml, "b");
        // Text for an outer element would land inside the inner one.
        expect_refused([&] { a.text(); }, no_current, out);
        b.text();
        xml << "t";
    }
    EXPECT_EQ(out.str(), decl + "\n<a>\n<!--ne-->\n<b>\nt\n</b>\n</a>\n");
    EXPECT_TRUE(well_formed(out.str()));
}

TEST(XmlRefusals, AttributeAfterTextOrChild)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(1));
        Tag a(xml, "a");
        a.attribute("x");
        xml << 1;
        a.text();
        xml << "t";
        expect_refused([&] { a.attribute("y"); }, no_attribute, out);
        xml << "u";  // the text goes on
        Tag b(xml, "b");
        {
            Tag c(xml, "c");
        }
        expect_refused([&] { b.attribute("z"); }, no_attribute, out);
        EXPECT_EQ(b.attributes(), 0u);
    }
    EXPECT_EQ(out.str(), decl + "\n<a\nx=\"1\">\ntu\n<b>\n<c/>\n</b>\n</a>\n");
    EXPECT_TRUE(well_formed(out.str()));
}

TEST(XmlRefusals, SectionWithNoTagOpen)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(1));
        expect_refused([&] { Section s(xml, false); }, no_section, out);
        expect_refused([&] { Section s(xml, true); }, no_section, out);
        EXPECT_FALSE(xml.in_section());
        Tag a(xml, "a");
        Section s(xml, false);
        xml << "c";
    }
    EXPECT_EQ(out.str(), decl + "\n<a>\n<!--c-->\n</a>\n");
    EXPECT_TRUE(well_formed(out.str()));
}

TEST(XmlRefusals, SecondRootElement)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(1));
        EXPECT_FALSE(xml.root_seen());
        {
            Tag a(xml, "a");
            EXPECT_TRUE(xml.root_seen());
        }
        expect_refused([&] { Tag b(xml, "b"); }, multi_root, out);
        expect_refused([&] { Section s(xml, false); }, no_section, out);
        EXPECT_EQ(xml.open_tags(), 0u);
    }
    EXPECT_EQ(out.str(), decl + "\n<a/>\n");
    EXPECT_TRUE(well_formed(out.str()));
}

TEST(XmlExceptions, FamilyAndMessages)
{
    EXPECT_EQ(printed(Exception()), "Kitbase::Xml::Exception");
    const char* const message = "multi root tree";
    const Error error(message);
    const Error copy(error);
    EXPECT_EQ(copy.message(), message);  // the same pointer
    EXPECT_EQ(printed(copy), "Kitbase::Xml::Error: multi root tree");
    EXPECT_STREQ(copy.what(), "Kitbase::Exception");

    std::ostringstream out;
    XmlOstream xml(&out, Format(0));
    { Tag a(xml, "a"); }
    EXPECT_THROW(Tag(xml, "b"), Exception);
    EXPECT_THROW(Tag(xml, "b"), Kitbase::Exception);
    EXPECT_THROW(Tag(xml, "b"), std::runtime_error);
    try {
        Tag b(xml, "b");
    } catch (const Kitbase::Exception& e) {
        EXPECT_STREQ(e.what(), "Kitbase::Exception");
        EXPECT_EQ(printed(e), "Kitbase::Xml::Error: multi root tree");
    }
}

namespace {

// A target without a buffer of its own that can be made to fail; with
// badbit among the stream's exceptions every markup write then throws.
struct FailingBuf : std::streambuf {
    std::string text;
    bool failing = false;

protected:
    int_type overflow(int_type c) override
    {
        if (failing) throw std::runtime_error("disk gone");
        if (!traits_type::eq_int_type(c, traits_type::eof())) text += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        if (failing) throw std::runtime_error("disk gone");
        text.append(s, static_cast<std::size_t>(n));
        return n;
    }
};

// Counts close errors, and throws from the hook to show that even that is
// swallowed.
struct CountingXmlOstream : XmlOstream {
    using XmlOstream::XmlOstream;
    int close_errors = 0;

protected:
    void on_close_error() override
    {
        ++close_errors;
        throw std::logic_error("from the hook");
    }
};

} // namespace

TEST(XmlClosing, DestructorsNeverThrowWhenTheTargetFails)
{
    FailingBuf buf;
    std::ostream target(&buf);
    target.exceptions(std::ios::badbit);
    CountingXmlOstream xml(&target, Format(1));
    Tag a(xml, "a");
    {
        Tag b(xml, "b");
        b.text();
        xml << "t";
        buf.failing = true;
    }
    EXPECT_EQ(xml.close_errors, 1);
    EXPECT_EQ(xml.open_tags(), 1u);
    EXPECT_EQ(&xml.current_tag(), &a);
    EXPECT_THROW(xml.data(), Error);  // the text's stream is gone
    {
        buf.failing = false;
        target.clear();
        Section s(xml, false);
        xml << "c";
        buf.failing = true;
    }
    EXPECT_EQ(xml.close_errors, 2);
    EXPECT_FALSE(xml.in_section());

    buf.failing = false;
    target.clear();
    a.text();
    xml << "again";
    EXPECT_NE(buf.text.find("again"), std::string::npos);
}

TEST(XmlClosing, WriterDestroyedWithElementsOpenWritesNothing)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(1));
        // Storage for a tag that is never destroyed: the writer goes first.
        alignas(Tag) unsigned char room[sizeof(Tag)];
        Tag* a = new (room) Tag(xml, "a");
        a->attribute("x");
        xml << "1";
    }
    EXPECT_EQ(out.str(), decl + "\n<a\nx=\"1");
}
