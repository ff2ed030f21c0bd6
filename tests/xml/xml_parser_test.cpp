// The writer's documents read back by a real XML parser (xmllint): every
// byte value in every kind of content, and values that come back unchanged.
#include <jotwell/kitbase/xml.h>

#include "xmllint.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace Kitbase::Xml;
using xml_test::run_xmllint;
using xml_test::xmllint_missing_reason;

namespace {

std::string all_bytes()
{
    std::string s;
    for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
    return s;
}

// The parsed string value of an XPath expression on doc.
std::string parsed(const std::string& doc, const std::string& xpath)
{
    const xml_test::LintResult r = run_xmllint("--xpath '" + xpath + "'", doc);
    EXPECT_EQ(r.status, 0) << r.err;
    // xmllint ends what it prints with a line end of its own.
    std::string value = r.out;
    if (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
}

} // namespace

TEST(XmlParser, AcceptsEveryByteInEveryKindOfContent)
{
    const std::string reason = xmllint_missing_reason();
    if (!reason.empty()) GTEST_SKIP() << reason;

    for (int style : {0, 1, 2}) {
        std::ostringstream out;
        {
            XmlOstream xml(&out, Format(style));
            Tag root(xml, "bytes");
            root.attribute("all");
            xml << all_bytes();
            for (int b = 0; b < 256; ++b) {
                const char c = static_cast<char>(b);
                Tag v(xml, "v");
                v.attribute("a");
                xml << c;
                v.attribute("b");
                xml << 'x' << c << c << 'y';
                v.text();
                xml << c;
                v.text();
                xml << "-" << c << c << "-";
                Section comment(xml, false);
                xml << '-' << c << '-';
            }
            Tag text(xml, "text");
            text.text();
            xml << all_bytes() << all_bytes();
            Section comment(xml, false);
            xml << all_bytes() << "--";
        }
        const std::string doc = out.str();
        const xml_test::LintResult r = run_xmllint("--noout", doc);
        EXPECT_EQ(r.status, 0) << "style " << style << ": " << r.err;

        std::ostringstream cdata_out;
        {
            XmlOstream xml(&cdata_out, Format(style));
            Tag root(xml, "cdata");
            for (int b = 0; b < 256; ++b) {
                Section s(xml, true);
                xml << ']' << static_cast<char>(b) << "]]>";
            }
            Section s(xml, true);
            xml << all_bytes() << "]]";
        }
        const xml_test::LintResult rc = run_xmllint("--noout", cdata_out.str());
        EXPECT_EQ(rc.status, 0) << "style " << style << ": " << rc.err;
    }
}

TEST(XmlParser, ValuesComeBackAsWritten)
{
    const std::string reason = xmllint_missing_reason();
    if (!reason.empty()) GTEST_SKIP() << reason;

    const struct {
        std::string value;
        std::string read_back;
    } cases[] = {
        {"line one\nline two\ttabbed\r\n", "line one\nline two\ttabbed\r\n"},
        {"say \"hi\" & it's <ok> ]]> -- \x7f", "say \"hi\" & it's <ok> ]]> -- \x7f"},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"bell\x07", "bell\xe2\x90\x87"},  // the symbol for the control
        {"caf\xe9", "caf\xc3\xa9"},        // read as ISO 8859-1
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        {
            XmlOstream xml(&out, Format(0));
            Tag a(xml, "a");
            a.attribute("v");
            xml << c.value;
            {
                Tag t(xml, "t");
                t.text();
                xml << c.value;
            }
            Tag d(xml, "d");
            Section s(xml, true);
            xml << c.value;
        }
        const std::string doc = out.str();
        SCOPED_TRACE(doc);
        EXPECT_EQ(parsed(doc, "string(/a/@v)"), c.read_back);
        EXPECT_EQ(parsed(doc, "string(/a/t)"), c.read_back);
        // The parser turns a literal CR LF into LF; only references keep a CR.
        std::string cdata_back = c.read_back;
        for (std::string::size_type i; (i = cdata_back.find("\r\n")) != std::string::npos;) cdata_back.erase(i, 1);
        EXPECT_EQ(parsed(doc, "string(/a/d)"), cdata_back);
    }
}
