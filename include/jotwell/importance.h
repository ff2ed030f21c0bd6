// Importance: how large a step a trace statement reports (its level) and
// whether it reports a warning, an error or a failed assertion (its
// severity).
#pragma once

#include <jotwell/export.h>

#include <cstdint>

namespace Jotwell {

struct JOTWELL_API Importance {
    std::int32_t level;      // 0 to 4: XS, S, M, L, XL
    std::int32_t severity;   // 0 plain, 1 warning, 2 error, 3 assertion
    const char* file;        // source file, may be null
    std::int32_t line;       // source line shown with file

    // "<<", "<=", "==", ">=", ">>" for levels 0 to 4, "??" otherwise.
    const char* level_glyph() const;
    // " ", "W", "E", "A" for severities 0 to 3, "?" otherwise.
    const char* severity_glyph() const;
};

// Importances are ordered by level alone; severity, file and line take no
// part, so Success == M and Warning == L.
inline bool operator==(const Importance& a, const Importance& b) { return a.level == b.level; }
inline bool operator!=(const Importance& a, const Importance& b) { return a.level != b.level; }
inline bool operator<(const Importance& a, const Importance& b) { return a.level < b.level; }
inline bool operator<=(const Importance& a, const Importance& b) { return a.level <= b.level; }
inline bool operator>(const Importance& a, const Importance& b) { return a.level > b.level; }
inline bool operator>=(const Importance& a, const Importance& b) { return a.level >= b.level; }

// The nine constants. They get their values when the library starts;
// code that runs before that reads every field as 0.
JOTWELL_API extern const Importance& XS;
JOTWELL_API extern const Importance& S;
JOTWELL_API extern const Importance& M;
JOTWELL_API extern const Importance& L;
JOTWELL_API extern const Importance& XL;
JOTWELL_API extern const Importance& Success;
JOTWELL_API extern const Importance& Warning;
JOTWELL_API extern const Importance& Error;
JOTWELL_API extern const Importance& Assert;

} // namespace Jotwell
