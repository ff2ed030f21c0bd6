// What the XML writer makes of the bytes it is given: attribute and text
// escaping, UTF-8 checking, comment and CDATA contents.
#include <jotwell/kitbase/xml.h>

#include "xmllint.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace Kitbase::Xml;
using xml_test::well_formed;

namespace {

const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

// A style-0 document <a v="value">value</a>, the value inserted whole or
// one character at a time (the stream buffer's two ways in).
std::string value_document(const std::string& value, bool char_by_char)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(0));
        Tag a(xml, "a");
        a.attribute("v");
        if (char_by_char)
            for (char c : value) xml << c;
        else
            xml << value;
        a.text();
        if (char_by_char)
            for (char c : value) xml << c;
        else
            xml << value;
    }
    return out.str();
}

} // namespace

TEST(XmlEscaping, AttributeAndTextRules)
{
    const struct {
        std::string value;
        std::string attribute;
        std::string text;
    } cases[] = {
        {"plain text 42", "plain text 42", "plain text 42"},
        {"say \"hi\"", "say &quot;hi&quot;", "say \"hi\""},
        {"it's", "it's", "it's"},
        {"a & b < c > d", "a &amp; b &lt; c &gt; d", "a &amp; b &lt; c &gt; d"},
        {"&amp;", "&amp;amp;", "&amp;amp;"},
        {"line\nnext", "line&#10;next", "line&#10;next"},
        {"\tx\r", "&#9;x&#13;", "&#9;x&#13;"},
        {"\x7f", "&#127;", "&#127;"},
        // Controls XML 1.0 cannot hold become their symbols.
        {bytes({0x00}), "&#9216;", "&#9216;"},
        {"\x01", "&#9217;", "&#9217;"},
        {"\x0b\x0c", "&#9227;&#9228;", "&#9227;&#9228;"},
        {"\x1f", "&#9247;", "&#9247;"},
        // Valid UTF-8 passes unchanged.
        {"caf\xc3\xa9", "caf\xc3\xa9", "caf\xc3\xa9"},
        {"\xe2\x82\xac 5", "\xe2\x82\xac 5", "\xe2\x82\xac 5"},
        {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
        {"\xef\xbf\xbd", "\xef\xbf\xbd", "\xef\xbf\xbd"},
        {"\xf4\x8f\xbf\xbf", "\xf4\x8f\xbf\xbf", "\xf4\x8f\xbf\xbf"},
        // Other bytes from 0x80 up are read as ISO 8859-1.
        {"caf\xe9", "caf&#233;", "caf&#233;"},
        {"\x80\xff", "&#128;&#255;", "&#128;&#255;"},
        {"\xc3", "&#195;", "&#195;"},                           // unfinished at the end
        {"\xc3" "A", "&#195;A", "&#195;A"},                     // broken by ASCII
        {"\xe2\x82" "<", "&#226;&#130;&lt;", "&#226;&#130;&lt;"},
        {"\xc3\xc3\xa9", "&#195;\xc3\xa9", "&#195;\xc3\xa9"},   // a new lead restarts
        {"\xc0\x80", "&#192;&#128;", "&#192;&#128;"},           // overlong
        {"\xe0\x80\x80", "&#224;&#128;&#128;", "&#224;&#128;&#128;"},
        {"\xed\xa0\x80", "&#237;&#160;&#128;", "&#237;&#160;&#128;"},  // surrogate
        {"\xef\xbf\xbf", "&#239;&#191;&#191;", "&#239;&#191;&#191;"},  // U+FFFF
        {"\xf4\x90\x80\x80", "&#244;&#144;&#128;&#128;", "&#244;&#144;&#128;&#128;"},  // above U+10FFFF
        {"\xf5", "&#245;", "&#245;"},
        {"-]]>-", "-]]&gt;-", "-]]&gt;-"},
    };
    for (const auto& c : cases) {
        const std::string expected = decl + "<a v=\"" + c.attribute + "\">" + c.text + "</a>";
        for (bool char_by_char : {false, true}) {
            const std::string doc = value_document(c.value, char_by_char);
            EXPECT_EQ(doc, expected) << "value " << ::testing::PrintToString(c.value)
                                     << (char_by_char ? " char by char" : " whole");
            EXPECT_TRUE(well_formed(doc));
        }
    }
}

TEST(XmlEscaping, SequenceSplitAcrossInsertions)
{
    std::ostringstream out;
    {
        XmlOstream xml(&out, Format(0));
        Tag a(xml, "a");
        a.attribute("v");
        xml << "\xe2" << '\x82' << std::string("\xac!");
        a.text();
        xml << "\xf0\x9f" << "\x98\x80";
        xml << "\xc3";  // still unfinished when the text ends
    }
    EXPECT_EQ(out.str(), decl + "<a v=\"\xe2\x82\xac!\">\xf0\x9f\x98\x80&#195;</a>");
    EXPECT_TRUE(well_formed(out.str()));
}

TEST(XmlEscaping, CommentAndCDataContents)
{
    const struct {
        bool cdata;
        std::string content;
        std::string written;
    } cases[] = {
        {false, "note", "<!--note-->"},
        {false, "<&>\"'", "<!--<&>\"'-->"},
        {false, "a\tb\nc", "<!--a\tb\nc-->"},
        {false, "a-b", "<!--a-b-->"},
        {false, "-x", "<!---x-->"},
        {false, "a--b", "<!--a- -b-->"},
        {false, "a-->b", "<!--a- ->b-->"},
        {false, "x-", "<!--x- -->"},
        {false, "---", "<!--- - - -->"},
        {false, "\x01\xe9", "<!--\xe2\x90\x81\xc3\xa9-->"},
        {true, "x<&y>\"", "<![CDATA[x<&y>\"]]>"},
        {true, "]] > ]>", "<![CDATA[]] > ]>]]>"},
        {true, "a]]>b", "<![CDATA[a]]]]><![CDATA[>b]]>"},
        {true, "]]]>", "<![CDATA[]]]]]><![CDATA[>]]>"},
        {true, "end]]", "<![CDATA[end]]]]>"},
        {true, "\x02\x80", "<![CDATA[\xe2\x90\x82\xc2\x80]]>"},
    };
    for (const auto& c : cases) {
        for (bool char_by_char : {false, true}) {
            std::ostringstream out;
            {
                XmlOstream xml(&out, Format(0));
                Tag a(xml, "a");
                Section s(xml, c.cdata);
                if (char_by_char)
                    for (char ch : c.content) xml << ch;
                else
                    xml << c.content;
            }
            EXPECT_EQ(out.str(), decl + "<a>" + c.written + "</a>")
                << ::testing::PrintToString(c.content) << (char_by_char ? " char by char" : " whole");
            EXPECT_TRUE(well_formed(out.str()));
        }
    }
}
