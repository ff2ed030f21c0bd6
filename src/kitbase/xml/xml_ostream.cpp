// XmlOstream: the markup of the XML writer.
#include <jotwell/kitbase/xml.h>

#include "kitbase/xml/data_streams.h"

#include <cstring>

namespace Kitbase {
namespace Xml {

namespace {

const char blanks[] = "                                        ";  // the most indentation there is

} // namespace

XmlOstream::XmlOstream(std::ostream* target, const Format& format) : RawXmlOstream(target, format)
{
    indent(format);
    write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    end_line();
}

XmlOstream::~XmlOstream() {}

std::ostream* XmlOstream::attribute_stream(const char*) { return make_data<AttributeOstream>(target()); }

std::ostream* XmlOstream::text_stream() { return make_data<TextOstream>(target()); }

std::ostream* XmlOstream::cdata_stream() { return make_data<CDataOstream>(target()); }

std::ostream* XmlOstream::comment_stream() { return make_data<CommentOstream>(target()); }

void XmlOstream::open_start_tag()
{
    indent(current_format());
    write("<");
    write(top_tag().name().data(), top_tag().name().size());
}

void XmlOstream::close_element()
{
    const Tag& tag = top_tag();
    if (tag.subs() == 0 && tag.texts() == 0) {
        write("/>");
    } else {
        indent(current_format());
        write("</");
        write(tag.name().data(), tag.name().size());
        write(">");
    }
    end_line();
}

void XmlOstream::open_attribute(const char* name)
{
    end_line();
    const Format& c = current_format();
    indent(c.deeper());
    if (c.indent == 0 && !format().newline) write(" ");
    if (name) write(name);
    write("=\"");
}

void XmlOstream::close_attribute() { write("\""); }

void XmlOstream::open_text()
{
    close_start_tag();
    indent(current_format().deeper());
}

void XmlOstream::close_text() { end_line(); }

void XmlOstream::open_sub() { close_start_tag(); }

void XmlOstream::close_sub() {}

void XmlOstream::open_cdata()
{
    indent(current_format());
    write("<![CDATA[");
}

void XmlOstream::close_cdata()
{
    write("]]>");
    end_line();
}

void XmlOstream::open_comment()
{
    indent(current_format());
    write("<!--");
}

void XmlOstream::close_comment()
{
    write("-->");
    end_line();
}

// Unformatted, so that a width or fill left on the target cannot reach the
// markup.
void XmlOstream::write(const char* text, std::size_t size)
{
    if (target()) target()->write(text, static_cast<std::streamsize>(size));
}

void XmlOstream::write(const char* text) { write(text, std::strlen(text)); }

void XmlOstream::indent(const Format& format) { write(blanks, format.indentation()); }

// Every line end is a flush, so that what a line holds is on its way to the
// file once the line is complete.
void XmlOstream::end_line()
{
    if (format().newline && target()) *target() << std::endl;
}

// The start tag's '>' comes with the first text or sub-item.
void XmlOstream::close_start_tag()
{
    const Tag& tag = top_tag();
    if (tag.subs() == 0 && tag.texts() == 0) {
        write(">");
        end_line();
    }
}

} // namespace Xml
} // namespace Kitbase
