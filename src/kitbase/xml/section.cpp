// Section: an open comment or CDATA section.
#include <jotwell/kitbase/xml.h>

namespace Kitbase {
namespace Xml {

Section::Section(Ostream& o, bool cdata) : owner_(&o), cdata_(cdata), format_(o.format_)
{
    if (!o.tags_.empty()) {
        Tag& tag = o.current_tag();  // refuses inside another section
        o.grow_buffer(0);
        tag.enter_sub();
    }
    format_ = o.current_format().deeper();
    if (o.section_ || o.tags_.empty())
        throw Error("Ostream tags stack should not be empty to open a Comment or CData section");
    o.section_ = this;
    try {
        if (cdata) {
            o.open_cdata();
            o.data_ = o.cdata_stream();
        } else {
            o.open_comment();
            o.data_ = o.comment_stream();
        }
    } catch (...) {
        // No destructor runs for a section whose constructor fails.
        o.release_data();
        o.section_ = nullptr;
        throw;
    }
}

Section::~Section()
{
    Ostream& o = *owner_;
    try {
        o.release_data();
        if (cdata_)
            o.close_cdata();
        else
            o.close_comment();
    } catch (...) {
        o.notify_close_error();
    }
    o.section_ = nullptr;
}

} // namespace Xml
} // namespace Kitbase
