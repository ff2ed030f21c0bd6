// The importance constants and glyphs.
#include <jotwell/importance.h>

#include "jotwell/runtime/library_state.h"

namespace Jotwell {

namespace {
// Zero until the library's start gives them their values.
Importance constant_storage[9];
} // namespace

const Importance& XS = constant_storage[0];
const Importance& S = constant_storage[1];
const Importance& M = constant_storage[2];
const Importance& L = constant_storage[3];
const Importance& XL = constant_storage[4];
const Importance& Success = constant_storage[5];
const Importance& Warning = constant_storage[6];
const Importance& Error = constant_storage[7];
const Importance& Assert = constant_storage[8];

void LibraryState::set_importance_constants()
{
    static const Importance values[9] = {
        {0, 0, nullptr, 0}, {1, 0, nullptr, 0}, {2, 0, nullptr, 0}, {3, 0, nullptr, 0},
        {4, 0, nullptr, 0}, {2, 0, nullptr, 0}, {3, 1, nullptr, 0}, {4, 2, nullptr, 0},
        {4, 3, nullptr, 0},
    };
    for (int i = 0; i < 9; ++i) constant_storage[i] = values[i];
}

const char* Importance::level_glyph() const
{
    static const char* const glyphs[] = {"<<", "<=", "==", ">=", ">>"};
    return level >= 0 && level <= 4 ? glyphs[level] : "??";
}

const char* Importance::severity_glyph() const
{
    static const char* const glyphs[] = {" ", "W", "E", "A"};
    return severity >= 0 && severity <= 3 ? glyphs[severity] : "?";
}

} // namespace Jotwell
