// Backslash-separated path names.
#include <jotwell/kitbase/portable.h>

namespace Kitbase {
namespace Portable {

namespace {

const char separator = '\\';

bool ends_with_separator(const std::string& s) { return !s.empty() && s.back() == separator; }

const char* dot_text(Pathname::Dot_type d) { return d == Pathname::dot_dot ? ".." : "."; }

} // namespace

Pathname::Pathname(const Dot_type& d) : text_(dot_text(d)) {}

Pathname::Pathname(const std::string& s) : text_(s)
{
    if (ends_with_separator(text_)) text_.pop_back();
}

Pathname::Pathname(const Pathname& dir, const std::string& name) : text_(dir.text_) { *this /= name; }
Pathname::Pathname(const Pathname& dir, const Dot_type& d) : text_(dir.text_) { *this /= d; }

Pathname& Pathname::operator/=(const std::string& name)
{
    std::string t(1, separator);
    t += name;
    if (ends_with_separator(t)) t.pop_back();
    text_ += t;
    return *this;
}

Pathname& Pathname::operator/=(const Dot_type& d)
{
    text_ += separator;
    text_ += dot_text(d);
    return *this;
}

std::string Pathname::as_dir() const
{
    if (ends_with_separator(text_)) return text_;
    return text_ + separator;
}

const std::string& Pathname::as_file() const { return text_; }

Pathname Pathname::dirname() const
{
    std::string::size_type pos = text_.rfind(separator);
    if (pos == std::string::npos) return Pathname(std::string());
    return Pathname(text_.substr(0, pos));
}

std::string Pathname::basename() const
{
    std::string::size_type pos = text_.rfind(separator);
    if (pos == std::string::npos) return text_;
    return text_.substr(pos + 1);
}

std::string Pathname::basename(const std::string& suffix) const
{
    std::string base = basename();
    if (base.size() >= suffix.size() &&
        base.compare(base.size() - suffix.size(), suffix.size(), suffix) == 0)
        base.erase(base.size() - suffix.size());
    return base;
}

} // namespace Portable
} // namespace Kitbase
