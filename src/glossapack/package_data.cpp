#include "glossapack/package_data.h"

#include "glossapack/placement.h"

namespace glossapack {

extern const std::int32_t setting0 = 0;
extern const std::int32_t setting1 = 1;
extern const std::int32_t setting2 = 2;
extern const std::int32_t setting3 = 1;
extern const void* const reserved = nullptr;

extern const char cp874[] = "CP874";
extern const char cp932[] = "CP932";
extern const char cp936[] = "CP936";
extern const char cp949[] = "CP949";
extern const char cp950[] = "CP950";
extern const char cp1250[] = "CP1250";
extern const char cp1251[] = "CP1251";
extern const char cp1252[] = "CP1252";
extern const char cp1253[] = "CP1253";
extern const char cp1254[] = "CP1254";
extern const char cp1255[] = "CP1255";
extern const char cp1256[] = "CP1256";
extern const char cp1257[] = "CP1257";
extern const char cp1258[] = "CP1258";
// Thai has no description, and the Turkish one has no hyphen: both are what
// catalogs have always been given.
extern const char cp874_description[] = "";
extern const char cp932_description[] = "Japanese (Windows-932)";
extern const char cp936_description[] = "Chinese Simplified (Windows-936)";
extern const char cp949_description[] = "Korean (Windows-949)";
extern const char cp950_description[] = "Chinese Traditional (Windows-950)";
extern const char cp1250_description[] = "Central European (Windows-1250)";
extern const char cp1251_description[] = "Cyrillic (Windows-1251)";
extern const char cp1252_description[] = "Western European (Windows-1252)";
extern const char cp1253_description[] = "Greek (Windows-1253)";
extern const char cp1254_description[] = "Turkish (Windows1254)";
extern const char cp1255_description[] = "Hebrew (Windows-1255)";
extern const char cp1256_description[] = "Arabic (Windows-1256)";
extern const char cp1257_description[] = "Baltic (Windows-1257)";
extern const char cp1258_description[] = "Vietnamese (Windows-1258)";

GLOSSAPACK_SHARED_TEXT extern const char separator_slash[] = "/";
GLOSSAPACK_SHARED_TEXT extern const char separator_dot[] = ".";
GLOSSAPACK_SHARED_TEXT extern const char separator_dash[] = "-";
GLOSSAPACK_SHARED_TEXT extern const char separator_colon[] = ":";

GLOSSAPACK_SHARED_TEXT extern const std::uint16_t language_default_yes[1] = {1};
GLOSSAPACK_SHARED_TEXT extern const std::uint16_t language_default_no[1] = {0};

namespace {
GLOSSAPACK_SHARED_TEXT const char16_t era_placeholder[] =
    u"HDIGH! No could should use vx_ctime_impl::StaticStorage::m_Era";
}  // namespace

const char16_t* era_names[4] = {era_placeholder, era_placeholder, era_placeholder, era_placeholder};
extern const std::int32_t era_years[4] = {1989, 1926, 1912, 1868};

GLOSSAPACK_SHARED_TEXT extern const char16_t default_date_time_format[] =
    u"HDIGH! No could should use obsolete vx_ctime_impl::StaticStorage::m_DefaultDateTimeFormat";
GLOSSAPACK_SHARED_TEXT extern const char16_t default_date_format[] =
    u"HDIGH! No could should use obsolete vx_ctime_impl::StaticStorage::m_DefaultDateFormat";
GLOSSAPACK_SHARED_TEXT extern const char16_t default_time_format[] =
    u"HDIGH! No could should use obsolete vx_ctime_impl::StaticStorage::m_DefaultTimeFormat";
GLOSSAPACK_SHARED_TEXT extern const char16_t default_am_pm_time_format[] =
    u"HDIGH! No could should use obsolete vx_ctime_impl::StaticStorage::m_DefaultAmPmTimeFormat";

}  // namespace glossapack
