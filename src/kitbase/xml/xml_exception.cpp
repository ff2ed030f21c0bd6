// The XML writer's exceptions.
#include <jotwell/kitbase/xml.h>

namespace Kitbase {
namespace Xml {

std::ostream& Exception::print(std::ostream& os) const { return os << "Kitbase::Xml::Exception"; }

Error::Error(const char* message) : message_(message) {}

std::ostream& Error::print(std::ostream& os) const
{
    os << "Kitbase::Xml::Error: ";
    if (message_) os << message_;
    return os;
}

} // namespace Xml
} // namespace Kitbase
