// Kitbase::Xml: a streaming writer of well-formed XML onto any std::ostream.
//
// Nothing is built in memory. The caller opens elements by constructing Tag
// objects on its own stack (their destructors close the elements), starts
// attribute values and texts through the tags, and writes values with
// ordinary stream insertion into the writer's current data stream, which
// escapes what it must:
//
//     Kitbase::Xml::XmlOstream xml(&file, Kitbase::Xml::Format(1));
//     Kitbase::Xml::Tag root(xml, "a");
//     xml.current_tag().attribute("x");
//     xml << 1 << " & " << 2;
//     {
//         Kitbase::Xml::Tag child(xml, "b");
//         child.text();
//         xml << "hello<";
//     }
//
// Misuse (data with nothing open to take it, an attribute after text or a
// child, a second root element, an element or section inside a section) is
// refused with Kitbase::Xml::Error; a refused operation leaves the writer and
// its output as they were. Closing never throws. Errors of the target stream
// are not looked at.
//
// Thread safety: a writer, its tags and its sections belong to one thread at
// a time.
#pragma once

#include <jotwell/export.h>
#include <jotwell/kitbase/exception.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <ios>
#include <new>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace Kitbase {
namespace Xml {

struct JOTWELL_API Exception : Kitbase::Exception {
    std::ostream& print(std::ostream& os) const override;
};

// A refused operation. print() writes "Kitbase::Xml::Error: " and the
// message; what() stays "Kitbase::Exception" as for the whole family.
struct JOTWELL_API Error : Exception {
    // message must be a string literal (or live as long as every copy).
    explicit Error(const char* message);

    const char* message() const { return message_; }
    std::ostream& print(std::ostream& os) const override;

private:
    const char* message_;
};

// How markup is laid out.
struct JOTWELL_API Format {
    // Style 0: everything on one line. Style 1: one item per line, no
    // indentation. Style 2: one item per line, two blanks per level. Any
    // other style is style 0. depth is 0 for all of them.
    explicit Format(int style = 0);

    // Blanks in front of an item at this depth: depth * indent, at most 40.
    std::uint32_t indentation() const;
    // The same layout one level deeper.
    Format deeper() const;

    std::uint32_t depth;   // nesting level, 0 for the document
    std::uint32_t indent;  // blanks per level
    bool newline;          // end lines after markup
};

class Tag;
class Section;

// The writer's state and the hooks its markup is written from. A plain
// Ostream writes the inserted values unescaped and no markup at all;
// XmlOstream is the XML writer.
class JOTWELL_API Ostream {
public:
    // target is not owned and must outlive the writer; a null target makes
    // a writer that writes nothing. format.newline decides for the whole
    // document whether lines are ended.
    Ostream(std::ostream* target, const Format& format);
    // Open elements are not closed.
    virtual ~Ostream();
    Ostream(const Ostream&) = delete;
    Ostream& operator=(const Ostream&) = delete;

    // The innermost open element. Refused while a section is open or when
    // no element is open.
    Tag& current_tag();

    // The stream that takes the open attribute value, text or section
    // content; it ends when that item ends. Refused when none is open.
    std::ostream* data();

    const Format& format() const { return format_; }
    std::ostream* target() const { return target_; }
    bool root_seen() const { return root_seen_; }
    std::size_t open_tags() const { return tags_.size(); }
    bool in_section() const { return section_ != nullptr; }

protected:
    // Each returns a fresh data stream, built with make_data.
    virtual std::ostream* attribute_stream(const char* name);
    virtual std::ostream* text_stream();
    virtual std::ostream* cdata_stream();
    virtual std::ostream* comment_stream();

    // Called when closing a tag or section failed; the failure is then
    // swallowed. Must not throw.
    virtual void on_close_error();

    // Markup hooks, called with the writer's state already updated: the
    // current tag is the one concerned, an open section is current.
    virtual void open_start_tag();
    virtual void close_element();
    virtual void open_attribute(const char* name);
    virtual void close_attribute();
    virtual void open_text();
    virtual void close_text();
    virtual void open_sub();
    virtual void close_sub();
    virtual void open_cdata();
    virtual void close_cdata();
    virtual void open_comment();
    virtual void close_comment();

    // The layout for markup written now: the open section's, else the
    // current tag's, else the writer's base format.
    const Format& current_format() const;
    // The current tag without the refusals of current_tag(); only for the
    // markup hooks, which run while a tag is open.
    Tag& top_tag() const { return *tags_.back(); }

    // Builds a data stream of kind S from args in the writer's reusable
    // buffer. The buffer grows to the largest kind once and is never
    // shrunk, so building streams allocates nothing after the first.
    template <class S, class... Args>
    std::ostream* make_data(Args&&... args)
    {
        static_assert(std::is_base_of<std::ostream, S>::value, "a data stream is a std::ostream");
        static_assert(alignof(S) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "the buffer cannot align S");
        release_data();
        grow_buffer(sizeof(S));
        S* stream = ::new (static_cast<void*>(buffer_.data())) S(std::forward<Args>(args)...);
        destroy_ = &destroy_as<S>;
        return stream;
    }

private:
    friend class Tag;
    friend class Section;

    template <class S>
    static void destroy_as(std::ostream* stream) { static_cast<S*>(stream)->~S(); }

    static std::size_t largest_data_stream();
    void grow_buffer(std::size_t size);
    // Destroys the current data stream, if any, without freeing its room.
    void release_data() noexcept;
    void notify_close_error() noexcept;

    std::deque<Tag*> tags_;        // open elements; the back is current
    Format format_;
    bool root_seen_;
    Section* section_;
    bool in_data_;                 // an attribute value or text is open
    std::ostream* data_;
    std::vector<char> buffer_;     // room for the one data stream
    std::ostream* target_;
    void (*destroy_)(std::ostream*);
};

// The XML writers' common base; its escaping stream buffers are defined
// with the library's sources.
class JOTWELL_API RawXmlOstream : public Ostream {
public:
    struct XmlBuf;
    struct AttributeBuf;
    struct TextBuf;
    struct CommentBuf;
    struct CDataBuf;

protected:
    RawXmlOstream(std::ostream* target, const Format& format) : Ostream(target, format) {}
};

// The XML writer. Construction writes the declaration
// <?xml version="1.0" encoding="UTF-8"?>.
//
// Whatever bytes are inserted, the document stays well-formed. Attribute
// values escape '"', '&', '<' and '>'; texts the same but for '"'. Tab,
// newline, carriage return and 0x7F become numeric references (&#10;), so a
// value always stays on its line; the other control characters, which XML
// 1.0 cannot hold at all, become their symbols U+2400 to U+241F (&#9217;
// for 0x01). Valid UTF-8 passes unchanged; a byte that is not part of a
// valid UTF-8 sequence is written as the ISO 8859-1 character of its value
// (&#233; for a lone 0xE9). Comment contents get a blank between two '-'
// and after a final one; CDATA contents have every "]]>" split across two
// sections, so their parsed text is unchanged. Element and attribute names
// are written as given: they must be XML names.
class JOTWELL_API XmlOstream : public RawXmlOstream {
public:
    XmlOstream(std::ostream* target, const Format& format);
    // Writes nothing: elements still open are not closed.
    ~XmlOstream() override;

protected:
    std::ostream* attribute_stream(const char* name) override;
    std::ostream* text_stream() override;
    std::ostream* cdata_stream() override;
    std::ostream* comment_stream() override;
    void open_start_tag() override;
    void close_element() override;
    void open_attribute(const char* name) override;
    void close_attribute() override;
    void open_text() override;
    void close_text() override;
    void open_sub() override;
    void close_sub() override;
    void open_cdata() override;
    void close_cdata() override;
    void open_comment() override;
    void close_comment() override;

private:
    void write(const char* text, std::size_t size);
    void write(const char* text);
    void indent(const Format& format);
    void end_line();
    void close_start_tag();
};

// One open element. Construct it on the stack; the destructor closes it.
// Tags of one writer must be destroyed in the reverse order of their
// construction, and the writer must outlive them.
class JOTWELL_API Tag {
public:
    // Opens name as a child of o's current element, or as the root. Refused
    // inside a section and when the root element has already been written.
    Tag(Ostream& o, const std::string& name);
    // Closes the element; never throws.
    ~Tag();
    Tag(const Tag&) = delete;
    Tag& operator=(const Tag&) = delete;

    // Starts an attribute value, ending the previous one. Refused once a
    // text or a child has begun.
    void attribute(const char* name);
    // Starts a text, ending what was open in this element. Refused unless
    // this is the writer's current tag.
    void text();

    const std::string& name() const { return name_; }
    Tag* parent() const { return parent_; }
    std::uint32_t attributes() const { return attributes_; }  // completed
    std::uint32_t subs() const { return subs_; }              // children and sections
    std::uint32_t texts() const { return texts_; }
    const Format& format() const { return format_; }

private:
    friend class Section;

    struct State {
        virtual ~State();
        virtual bool accepts_attribute() const;
        virtual void leave(Tag& tag) = 0;
    };
    struct InAttribute : State {
        bool accepts_attribute() const override;
        void leave(Tag& tag) override;
    };
    struct InText : State {
        void leave(Tag& tag) override;
    };
    struct InSub : State {
        void leave(Tag& tag) override;
    };

    void set_state(State* next);
    void enter_sub();

    std::string name_;
    Tag* parent_;
    std::uint32_t attributes_;
    std::uint32_t subs_;
    std::uint32_t texts_;
    InAttribute in_attribute_;
    InText in_text_;
    InSub in_sub_;
    Ostream* owner_;
    State* state_;                 // null in the start state
    Format format_;
};

// An open comment (cdata false) or CDATA section inside the current tag.
// Its content is written unescaped. The destructor closes it and never
// throws.
class JOTWELL_API Section {
public:
    Section(Ostream& o, bool cdata);
    ~Section();
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    bool cdata() const { return cdata_; }
    const Format& format() const { return format_; }

private:
    Ostream* owner_;
    bool cdata_;
    Format format_;
};

// Writes value with its ordinary stream formatting into o.data().
template <class T>
Ostream& operator<<(Ostream& o, const T& value)
{
    *o.data() << value;
    return o;
}

inline Ostream& operator<<(Ostream& o, std::ostream& (*manipulator)(std::ostream&))
{
    manipulator(*o.data());
    return o;
}

inline Ostream& operator<<(Ostream& o, std::ios_base& (*manipulator)(std::ios_base&))
{
    manipulator(*o.data());
    return o;
}

} // namespace Xml
} // namespace Kitbase
