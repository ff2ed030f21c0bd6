// The base of the library's exception family.
#include <jotwell/kitbase/exception.h>

namespace Kitbase {

Exception::Exception() : std::runtime_error("Kitbase::Exception") {}
Exception::Exception(const Exception& other) = default;
Exception::~Exception() {}

std::ostream& Exception::print(std::ostream& os) const { return os << what(); }

} // namespace Kitbase
