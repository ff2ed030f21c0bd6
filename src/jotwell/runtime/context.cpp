// The per-thread context and its slot.
#include <jotwell/context.h>

#include "jotwell/runtime/echo.h"
#include "jotwell/runtime/library_state.h"

#include <ostream>

namespace Jotwell {

namespace {
Logos* default_logos_ptr = nullptr;
} // namespace

Logos* LibraryState::default_logos() { return default_logos_ptr; }
void LibraryState::set_default_logos(Logos* logos) { default_logos_ptr = logos; }

namespace Context {

SubFields::SubFields() : parts_(1) {}

SubFields::SubFields(const std::string& part) : parts_(1) { parts_.push_back(part); }

SubFields::SubFields(const char* part) : parts_(1) { parts_.push_back(part ? part : ""); }

SubFields& SubFields::append_part(const std::string& part)
{
    parts_.push_back(part);
    text_.clear();
    return *this;
}

const std::string& SubFields::text() const
{
    if (parts_.size() <= 1 || !text_.empty()) return text_;
    for (std::size_t i = 1; i < parts_.size(); ++i) {
        if (i > 1) text_ += '/';
        text_ += parts_[i];
    }
    return text_;
}

std::ostream& operator<<(std::ostream& os, const Position& p)
{
    return os << p.name.text() << '#' << p.id.text();
}

Data::Data()
    : major_tick(0), major_depth(0), minor_tick(0), minor_depth(0), incoming(0), outgoing(0),
      auto_installed(false), logos_(LibraryState::default_logos())
{
    calls.reserve(2);
}

Data::~Data() {}

Logos* Data::logos() const
{
    JOTWELL_ECHO(752, "Data::logos (), data=" << static_cast<const void*>(this)
                                              << " returning logos=" << static_cast<const void*>(logos_));
    return logos_;
}

Data* Data::set_logos(Logos* x)
{
    JOTWELL_ECHO(2568, "Data::set_logos (), x is logos=" << static_cast<const void*>(x));
    logos_ = x ? x : LibraryState::default_logos();
    JOTWELL_ECHO(2571, "Data::set_logos (), logos_ is now logos=" << static_cast<const void*>(logos_)
                                                                  << ", returning data=" << static_cast<const void*>(this));
    return this;
}

Data* get_data()
{
    Kitbase::Native::Tls* slot = LibraryState::tls_data();
    Data* data = slot ? static_cast<Data*>(slot->get()) : nullptr;
    JOTWELL_ECHO(2246, "get_data () returning data=" << static_cast<const void*>(data));
    return data;
}

Logos* get_logos(Data* data)
{
    JOTWELL_ECHO(2297, "get_logos ()");
    if (data) {
        JOTWELL_ECHO(2299, "get_logos (), data=" << static_cast<const void*>(data));
        Logos* logos = data->logos();
        JOTWELL_ECHO(2301, "get_logos (), returning logos=" << static_cast<const void*>(logos));
        return logos;
    }
    Logos* logos = LibraryState::default_logos();
    JOTWELL_ECHO(2304, "get_logos (), returning default logos=" << static_cast<const void*>(logos));
    return logos;
}

Data* install_data(WithContext& scope)
{
    JOTWELL_ECHO(2255, "install_data ()");
    Data* data = get_data();
    scope.is_owner_ = (data == nullptr);
    JOTWELL_ECHO(2258, "install_data (), is_owner=" << scope.is_owner_ << ", data=" << static_cast<const void*>(data));
    if (!scope.is_owner_) {
        JOTWELL_ECHO(2265, "install_data (), returning data=" << static_cast<const void*>(data));
        return data;
    }
    JOTWELL_ECHO(2260, "install_data (), before new Context::Data");
    Kitbase::Native::Tls* slot = LibraryState::tls_data();
    if (!slot) {
        // Outside the library's lifetime there is no slot to keep a context in.
        scope.is_owner_ = false;
        return nullptr;
    }
    Data* created = new Data;
    try {
        slot->set(created);
    } catch (...) {
        delete created;
        scope.is_owner_ = false;
        throw;
    }
    JOTWELL_ECHO(2263, "install_data (), after  new Context::Data");
    return created;
}

void uninstall_data()
{
    JOTWELL_ECHO(2284, "uninstall_data ()");
    Kitbase::Native::Tls* slot = LibraryState::tls_data();
    Data* data = slot ? static_cast<Data*>(slot->get()) : nullptr;
    if (data) {
        JOTWELL_ECHO(2286, "uninstall_data (), delete data=" << static_cast<const void*>(data));
        // Cleared first, so that a refusing slot never keeps a deleted context.
        slot->set(nullptr);
        delete data;
    }
    JOTWELL_ECHO(2290, "uninstall_data () at end");
}

WithContext::WithContext() : is_owner_(false), data_(nullptr) { data_ = install_data(*this); }

WithContext::~WithContext()
{
    if (!is_owner_) return;
    try {
        uninstall_data();
    } catch (...) {
        // A slot that refuses null keeps the context alive: leaking it is
        // safer than leaving the slot pointing at freed memory.
    }
}

} // namespace Context
} // namespace Jotwell
