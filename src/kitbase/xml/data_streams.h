// The data streams the writers build in place: escaping streams for
// attribute values, texts, comments and CDATA sections, and a plain one that
// writes straight through to the target.
//
// A data stream lives between the start and the end of one item; only one
// exists at a time. Each starts with a fresh formatting state.
#pragma once

#include <jotwell/kitbase/xml.h>

#include <ostream>
#include <streambuf>

namespace Kitbase {
namespace Xml {

// A stream buffer without a buffer of its own: every character written to
// it, except end-of-file, goes to escape().
class EscapingOstreambuf : public std::streambuf {
protected:
    virtual void escape(char c) = 0;

    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
};

// Writes into the target's stream buffer whatever keeps the document
// well-formed:
// - attribute values and texts escape '&', '<', '>' (and '"' in attribute
//   values) and write tab, newline, carriage return and 0x7F as numeric
//   references;
// - comments write a blank between two '-' and after a final '-'; CDATA
//   sections split a "]]>" across two sections, so the parsed text is
//   unchanged;
// - a control character that XML 1.0 cannot hold at all becomes its symbol,
//   U+2400 plus its value;
// - valid UTF-8 passes unchanged; each byte of an invalid or unfinished
//   sequence becomes the ISO 8859-1 character of its value.
// Characters are written as references where references exist (attribute
// values, texts) and as UTF-8 in sections. A UTF-8 sequence may be split
// across insertions; one still unfinished when the stream ends is written
// then.
struct RawXmlOstream::XmlBuf : EscapingOstreambuf {
    enum class Kind { attribute, text, comment, cdata };

    XmlBuf(std::ostream* target, Kind kind);
    ~XmlBuf() override;

protected:
    void escape(char c) override;
    int sync() override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;

private:
    void put(const char* text, std::size_t size);
    void put_char(unsigned code);
    void put_high(unsigned char byte);
    void flush_pending();
    void finish();

    std::ostream* target_;
    std::streambuf* sink_;
    Kind kind_;
    bool references_;
    unsigned run_;              // trailing '-' (comment) or ']' (CDATA) written
    unsigned char pending_[4];  // the start of a UTF-8 sequence
    unsigned pending_size_;
    unsigned expected_size_;
};

struct RawXmlOstream::AttributeBuf : RawXmlOstream::XmlBuf {
    explicit AttributeBuf(std::ostream* target) : XmlBuf(target, Kind::attribute) {}
};

struct RawXmlOstream::TextBuf : RawXmlOstream::XmlBuf {
    explicit TextBuf(std::ostream* target) : XmlBuf(target, Kind::text) {}
};

struct RawXmlOstream::CommentBuf : RawXmlOstream::XmlBuf {
    explicit CommentBuf(std::ostream* target) : XmlBuf(target, Kind::comment) {}
};

struct RawXmlOstream::CDataBuf : RawXmlOstream::XmlBuf {
    explicit CDataBuf(std::ostream* target) : XmlBuf(target, Kind::cdata) {}
};

// A std::ostream whose stream buffer is itself: everything inserted passes
// through Buf's escape() into the target.
template <class Buf>
struct EscapingOstream : Buf, std::ostream {
    explicit EscapingOstream(std::ostream* target) : Buf(target), std::ostream(static_cast<Buf*>(this)) {}
};

// A std::ostream that shares the target's stream buffer.
class NoEscapingOstream : public std::ostream {
public:
    explicit NoEscapingOstream(std::ostream* target) : std::ostream(target ? target->rdbuf() : nullptr) {}
};

using AttributeOstream = EscapingOstream<RawXmlOstream::AttributeBuf>;
using TextOstream = EscapingOstream<RawXmlOstream::TextBuf>;
using CommentOstream = EscapingOstream<RawXmlOstream::CommentBuf>;
using CDataOstream = EscapingOstream<RawXmlOstream::CDataBuf>;

} // namespace Xml
} // namespace Kitbase
