// Tag: one open element and the states it goes through.
#include <jotwell/kitbase/xml.h>

namespace Kitbase {
namespace Xml {

Tag::State::~State() {}
bool Tag::State::accepts_attribute() const { return false; }
bool Tag::InAttribute::accepts_attribute() const { return true; }

// The data stream goes first, so that a failing close leaves no stream
// behind for the next item to trip over.
void Tag::InAttribute::leave(Tag& tag)
{
    Ostream& o = *tag.owner_;
    o.release_data();
    o.in_data_ = false;
    o.close_attribute();
    ++tag.attributes_;
}

void Tag::InText::leave(Tag& tag)
{
    Ostream& o = *tag.owner_;
    o.release_data();
    o.in_data_ = false;
    o.close_text();
    ++tag.texts_;
}

void Tag::InSub::leave(Tag& tag)
{
    tag.owner_->close_sub();
    ++tag.subs_;
}

Tag::Tag(Ostream& o, const std::string& name)
    : name_(name), parent_(nullptr), attributes_(0), subs_(0), texts_(0), owner_(&o), state_(nullptr),
      format_(o.format_)
{
    if (!o.tags_.empty()) {
        Tag& parent = o.current_tag();
        parent.enter_sub();
        parent_ = &parent;
        format_ = parent.format_.deeper();
    } else if (o.root_seen_) {
        throw Error("multi root tree");
    }
    o.root_seen_ = true;
    o.tags_.push_back(this);
    try {
        o.open_start_tag();
    } catch (...) {
        // No destructor runs for a tag whose constructor fails.
        o.tags_.pop_back();
        throw;
    }
}

Tag::~Tag()
{
    try {
        set_state(nullptr);
        owner_->close_element();
    } catch (...) {
        state_ = nullptr;
        owner_->release_data();
        owner_->in_data_ = false;
        owner_->notify_close_error();
    }
    if (!owner_->tags_.empty()) owner_->tags_.pop_back();
}

void Tag::attribute(const char* name)
{
    if (state_ && !state_->accepts_attribute())
        throw Error("Tag must be in Start or in Attribute to insert Attribute");
    owner_->grow_buffer(0);
    set_state(&in_attribute_);
    owner_->open_attribute(name);
    owner_->data_ = owner_->attribute_stream(name);
    owner_->in_data_ = true;
}

void Tag::text()
{
    // Text for any other element would land inside the current one.
    if (&owner_->current_tag() != this)
        throw Error("Ostream state must be in Tag and tags stack non-empty to use current tag");
    owner_->grow_buffer(0);
    set_state(&in_text_);
    owner_->open_text();
    owner_->data_ = owner_->text_stream();
    owner_->in_data_ = true;
}

void Tag::set_state(State* next)
{
    if (state_) state_->leave(*this);
    state_ = next;
}

void Tag::enter_sub()
{
    set_state(&in_sub_);
    owner_->open_sub();
}

} // namespace Xml
} // namespace Kitbase
