// The common base of every error the library throws.
//
// what() is "Kitbase::Exception" for every member of the family; the
// specific message comes only from print(). Throw by value, catch by
// reference, at any level of the hierarchy.
#pragma once

#include <jotwell/export.h>

#include <ostream>
#include <stdexcept>

namespace Kitbase {

struct JOTWELL_API Exception : std::runtime_error {
    Exception();
    Exception(const Exception& other);
    virtual ~Exception() = 0;

    // Writes the class's message, without a line end, and returns os.
    virtual std::ostream& print(std::ostream& os) const;
};

} // namespace Kitbase
