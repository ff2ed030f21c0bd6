// Reading the catalog's UTF-16 texts: code points and UTF-8, for tests and
// tools that show locale data to people.
#pragma once

#include <string>
#include <vector>

#include "glossa/export.h"

namespace glossa {

// The code points of a NUL-terminated UTF-16 text; a lone surrogate
// becomes U+FFFD.
GLOSSA_API std::vector<char32_t> code_points(const char16_t* text);

// Appends one code point as UTF-8.
GLOSSA_API void append_utf8(std::string& out, char32_t c);

// A whole UTF-16 text as UTF-8 (lone surrogates as U+FFFD).
GLOSSA_API std::string to_utf8(const std::u16string& text);

}  // namespace glossa
