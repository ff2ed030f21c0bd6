// Format and the writer state shared by every kind of writer.
#include <jotwell/kitbase/xml.h>

#include "kitbase/xml/data_streams.h"

#include <algorithm>

namespace Kitbase {
namespace Xml {

namespace {

constexpr std::uint32_t max_indentation = 40;

} // namespace

Format::Format(int style) : depth(0), indent(style == 2 ? 2 : 0), newline(style == 1 || style == 2) {}

std::uint32_t Format::indentation() const
{
    // In 64 bits, so that a huge depth cannot wrap round to a small product.
    const std::uint64_t blanks = std::uint64_t(depth) * indent;
    return blanks < max_indentation ? static_cast<std::uint32_t>(blanks) : max_indentation;
}

Format Format::deeper() const
{
    Format f = *this;
    ++f.depth;
    return f;
}

Ostream::Ostream(std::ostream* target, const Format& format)
    : format_(format), root_seen_(false), section_(nullptr), in_data_(false), data_(nullptr), target_(target),
      destroy_(nullptr)
{
}

Ostream::~Ostream() { release_data(); }

Tag& Ostream::current_tag()
{
    if (section_ || tags_.empty())
        throw Error("Ostream state must be in Tag and tags stack non-empty to use current tag");
    return *tags_.back();
}

std::ostream* Ostream::data()
{
    if (!(section_ || in_data_) || !data_) throw Error("Must be in Attribute, Text, Comment or CData to insert data");
    return data_;
}

std::ostream* Ostream::attribute_stream(const char*) { return make_data<NoEscapingOstream>(target_); }
std::ostream* Ostream::text_stream() { return make_data<NoEscapingOstream>(target_); }
std::ostream* Ostream::cdata_stream() { return make_data<NoEscapingOstream>(target_); }
std::ostream* Ostream::comment_stream() { return make_data<NoEscapingOstream>(target_); }

void Ostream::on_close_error() {}
void Ostream::open_start_tag() {}
void Ostream::close_element() {}
void Ostream::open_attribute(const char*) {}
void Ostream::close_attribute() {}
void Ostream::open_text() {}
void Ostream::close_text() {}
void Ostream::open_sub() {}
void Ostream::close_sub() {}
void Ostream::open_cdata() {}
void Ostream::close_cdata() {}
void Ostream::open_comment() {}
void Ostream::close_comment() {}

const Format& Ostream::current_format() const
{
    if (section_) return section_->format();
    if (!tags_.empty()) return tags_.back()->format();
    return format_;
}

std::size_t Ostream::largest_data_stream()
{
    return std::max({sizeof(AttributeOstream), sizeof(TextOstream), sizeof(CommentOstream), sizeof(CDataOstream),
                     sizeof(NoEscapingOstream)});
}

// Called with a data stream alive only once the buffer holds the largest
// kind, so it never moves a live stream.
void Ostream::grow_buffer(std::size_t size)
{
    const std::size_t wanted = std::max(size, largest_data_stream());
    if (buffer_.size() < wanted) buffer_.resize(wanted);
}

void Ostream::release_data() noexcept
{
    if (data_ && destroy_) destroy_(data_);
    data_ = nullptr;
    destroy_ = nullptr;
}

void Ostream::notify_close_error() noexcept
{
    try {
        on_close_error();
    } catch (...) {
        // Closing never throws, whatever a derived writer does.
    }
}

} // namespace Xml
} // namespace Kitbase
