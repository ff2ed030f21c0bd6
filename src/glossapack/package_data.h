// Data shared by all locale units: the package-wide constants that complete
// each record tree at load time, the code page names, the separators, the
// obsolete calendar placeholders and the language-default flags. The codes
// of languages and territories are in shared_codes.h.
#ifndef GLOSSAPACK_PACKAGE_DATA_H
#define GLOSSAPACK_PACKAGE_DATA_H

#include <cstdint>

#include "glossa/vx_locale.h"

namespace glossapack {

// Completion values. Their definitions live in another unit than the records,
// so each record that uses them is completed by its own initialiser at load.
extern const std::int32_t setting0;  // 0
extern const std::int32_t setting1;  // 1
extern const std::int32_t setting2;  // 2
extern const std::int32_t setting3;  // 1
extern const void* const reserved;   // null

// Code page names and descriptions (constant data, one copy each).
extern const char cp874[];
extern const char cp932[];
extern const char cp936[];
extern const char cp949[];
extern const char cp950[];
extern const char cp1250[];
extern const char cp1251[];
extern const char cp1252[];
extern const char cp1253[];
extern const char cp1254[];
extern const char cp1255[];
extern const char cp1256[];
extern const char cp1257[];
extern const char cp1258[];
extern const char cp874_description[];
extern const char cp932_description[];
extern const char cp936_description[];
extern const char cp949_description[];
extern const char cp950_description[];
extern const char cp1250_description[];
extern const char cp1251_description[];
extern const char cp1252_description[];
extern const char cp1253_description[];
extern const char cp1254_description[];
extern const char cp1255_description[];
extern const char cp1256_description[];
extern const char cp1257_description[];
extern const char cp1258_description[];

// Date and time separators.
extern const char separator_slash[];
extern const char separator_dot[];
extern const char separator_dash[];
extern const char separator_colon[];

// Language-default flags: one 16-bit value each.
extern const std::uint16_t language_default_yes[1];
extern const std::uint16_t language_default_no[1];

// The obsolete calendar fields, the same in every locale.
extern const char16_t* era_names[4];
extern const std::int32_t era_years[4];
extern const char16_t default_date_time_format[];
extern const char16_t default_date_format[];
extern const char16_t default_time_format[];
extern const char16_t default_am_pm_time_format[];

}  // namespace glossapack

#endif
