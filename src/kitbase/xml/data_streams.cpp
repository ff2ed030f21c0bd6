// Escaping stream buffers of the XML writer.
#include "kitbase/xml/data_streams.h"

namespace Kitbase {
namespace Xml {

namespace {

// Bytes that every kind of escaping stream writes as they are, without
// changing its state.
bool is_plain(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7F && c != '"' && c != '&' && c != '<' && c != '>' && c != '-' && c != ']';
}

} // namespace

EscapingOstreambuf::int_type EscapingOstreambuf::overflow(int_type c)
{
    if (!traits_type::eq_int_type(c, traits_type::eof())) escape(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

std::streamsize EscapingOstreambuf::xsputn(const char* s, std::streamsize n)
{
    for (std::streamsize i = 0; i < n; ++i) escape(s[i]);
    return n;
}

RawXmlOstream::XmlBuf::XmlBuf(std::ostream* target, Kind kind)
    : target_(target), sink_(target ? target->rdbuf() : nullptr), kind_(kind),
      references_(kind == Kind::attribute || kind == Kind::text), run_(0), pending_(), pending_size_(0),
      expected_size_(0)
{
}

RawXmlOstream::XmlBuf::~XmlBuf()
{
    try {
        finish();
    } catch (...) {
        // A failing target loses the tail; the stream still ends.
    }
}

int RawXmlOstream::XmlBuf::sync()
{
    if (target_) target_->flush();
    return 0;
}

// Runs of plain bytes go to the target in one piece; everything else goes
// through escape() one byte at a time.
std::streamsize RawXmlOstream::XmlBuf::xsputn(const char* s, std::streamsize n)
{
    std::streamsize i = 0;
    while (i < n) {
        if (pending_size_ == 0) {
            std::streamsize j = i;
            while (j < n && is_plain(s[j])) ++j;
            if (j > i) {
                put(s + i, static_cast<std::size_t>(j - i));
                run_ = 0;
                i = j;
                continue;
            }
        }
        escape(s[i]);
        ++i;
    }
    return n;
}

void RawXmlOstream::XmlBuf::escape(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x80) {
        run_ = 0;
        put_high(u);
        return;
    }
    flush_pending();
    const unsigned run = run_;
    run_ = 0;
    if (u < 0x20 || u == 0x7F) {
        // XML 1.0 has no character for the other C0 controls, not even as &#1;.
        if (u != '\t' && u != '\n' && u != '\r' && u != 0x7F)
            put_char(0x2400u + u);
        else if (references_)
            put_char(u);
        else
            put(&c, 1);
        return;
    }
    switch (kind_) {
    case Kind::attribute:
    case Kind::text:
        switch (c) {
        case '"':
            if (kind_ == Kind::attribute) {
                put("&quot;", 6);
                return;
            }
            break;
        case '&': put("&amp;", 5); return;
        case '<': put("&lt;", 4); return;
        case '>': put("&gt;", 4); return;
        default: break;
        }
        break;
    case Kind::comment:
        if (c == '-') {
            if (run > 0) put(" ", 1);
            run_ = 1;
        }
        break;
    case Kind::cdata:
        if (c == ']') {
            run_ = run + 1;
        } else if (c == '>' && run >= 2) {
            put("]]><![CDATA[", 12);
        }
        break;
    }
    put(&c, 1);
}

void RawXmlOstream::XmlBuf::put(const char* text, std::size_t size)
{
    if (sink_) sink_->sputn(text, static_cast<std::streamsize>(size));
}

void RawXmlOstream::XmlBuf::put_char(unsigned code)
{
    char bytes[16];
    if (references_) {
        char* p = bytes + sizeof bytes;
        *--p = ';';
        do {
            *--p = static_cast<char>('0' + code % 10);
            code /= 10;
        } while (code != 0);
        *--p = '#';
        *--p = '&';
        put(p, static_cast<std::size_t>(bytes + sizeof bytes - p));
        return;
    }
    // Only the characters of 0x80 to 0xFF and of U+2400 to U+241F come here.
    std::size_t size = 0;
    if (code < 0x800) {
        bytes[size++] = static_cast<char>(0xC0 | (code >> 6));
    } else {
        bytes[size++] = static_cast<char>(0xE0 | (code >> 12));
        bytes[size++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    bytes[size++] = static_cast<char>(0x80 | (code & 0x3F));
    put(bytes, size);
}

void RawXmlOstream::XmlBuf::put_high(unsigned char byte)
{
    if (pending_size_ > 0) {
        bool continues = byte >= 0x80 && byte <= 0xBF;
        if (continues && pending_size_ == 1) {
            // Second bytes that would make an overlong form, a surrogate or
            // a code point above U+10FFFF.
            switch (pending_[0]) {
            case 0xE0: continues = byte >= 0xA0; break;
            case 0xED: continues = byte <= 0x9F; break;
            case 0xF0: continues = byte >= 0x90; break;
            case 0xF4: continues = byte <= 0x8F; break;
            default: break;
            }
        }
        if (continues) {
            pending_[pending_size_++] = byte;
            if (pending_size_ == expected_size_) {
                // U+FFFE and U+FFFF are not XML characters.
                const bool non_character =
                    expected_size_ == 3 && pending_[0] == 0xEF && pending_[1] == 0xBF && pending_[2] >= 0xBE;
                if (non_character) {
                    flush_pending();
                } else {
                    put(reinterpret_cast<const char*>(pending_), pending_size_);
                    pending_size_ = 0;
                }
            }
            return;
        }
        flush_pending();
    }
    if (byte >= 0xC2 && byte <= 0xDF)
        expected_size_ = 2;
    else if (byte >= 0xE0 && byte <= 0xEF)
        expected_size_ = 3;
    else if (byte >= 0xF0 && byte <= 0xF4)
        expected_size_ = 4;
    else {
        put_char(byte);
        return;
    }
    pending_[0] = byte;
    pending_size_ = 1;
}

void RawXmlOstream::XmlBuf::flush_pending()
{
    const unsigned size = pending_size_;
    pending_size_ = 0;
    for (unsigned i = 0; i < size; ++i) put_char(pending_[i]);
}

// A comment may not end in '-': "--->" would close it wrongly.
void RawXmlOstream::XmlBuf::finish()
{
    flush_pending();
    if (kind_ == Kind::comment && run_ > 0) put(" ", 1);
    run_ = 0;
}

} // namespace Xml
} // namespace Kitbase
