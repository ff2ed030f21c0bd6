// Locale record trees as glossa reads them. glossapack builds these trees as
// static data and hands their roots to vx_locale_catalog::Register; the
// catalog reads them in place for as long as the package stays loaded.
//
// The layout is a byte-level contract: on the 32-bit Windows build every
// field is one 32-bit word (pointers included) except the two 16-bit
// separators of vx_numeric_storage, with no gaps. Elsewhere pointers have the
// platform's own width and the compiler's natural alignment.
//
// Texts: `char` texts are NUL-terminated ASCII codes; `char16_t` texts are
// NUL-terminated UTF-16. A "list" is a pointer to an array of text pointers
// whose length is fixed by the field and which has no terminator.
#ifndef GLOSSA_VX_LOCALE_H
#define GLOSSA_VX_LOCALE_H

#include <cstddef>
#include <cstdint>

// One row of a name table.
struct vx_name_entry {
    const char* m_Code;      // language code (lower case) or territory code (upper case)
    const char16_t* m_Name;  // that language's or territory's name in the owning locale's language
};

// A table of names, sorted ascending by the byte values of m_Code.
struct vx_name_table {
    std::uint32_t m_Count;  // 72 in a language table, 109 in a territory table
    const vx_name_entry* m_Entries;
};

struct vx_locale_identity {
    const char* m_Territory;             // "ZA"; "i18n" for the pseudo-locale
    const char* m_Language;              // "af"; null for the pseudo-locale
    const char* m_Name;                  // "af_ZA"; "International" for en_US and i18n
    const char* m_BaseName;              // language_TERRITORY
    const char* m_CodePageDescription;   // "Western European (Windows-1252)"; may be empty
    const char* m_CodePage;              // "CP1252"
    const char16_t* m_DisplayName;       // English: "Afrikaans (South Africa)"
    const char* m_TextLanguage;          // language code, or "zh_CN" / "zh_TW" for Chinese
    const std::uint16_t* m_IsLanguageDefault;  // one 16-bit value, 1 or 0, no terminator
    const vx_name_table* m_LanguageNames;      // 72 entries
    const vx_name_table* m_TerritoryNames;     // 109 entries
};

struct vx_numeric_storage {
    std::int32_t m_NegativeFormat;
    char16_t m_DecimalPoint;
    char16_t m_GroupSeparator;
    const char16_t* m_Grouping;  // group sizes from the decimal point leftwards, last one repeats
    const char16_t* m_Digits;    // 36 units: + - 0-9 abcdef 0-9 ABCDEF e E (locale's digits)
    const char16_t* const* m_Patterns;  // list of 4: number, currency, percent, scientific
    const char16_t* m_True;
    const char16_t* m_False;
};

struct vx_ctime_impl {
    struct StaticStorage {
        // The era table of the obsolete Japanese-calendar interface: two
        // consecutive words, a list of 4 names and a pointer to 4 start years.
        struct EraTable {
            const char16_t* const* m_Names;
            const std::int32_t* m_Years;
        };

        std::int32_t m_Setting0;
        std::int32_t m_Setting1;
        const char16_t* const* m_DayAbbreviations;    // list of 7, Monday first
        const char16_t* const* m_DayNames;            // list of 7, Monday first
        const char16_t* const* m_MonthAbbreviations;  // list of 12
        const char16_t* const* m_MonthNames;          // list of 12
        const char16_t* const* m_AmPm;                // list of 2: morning, afternoon
        std::int32_t m_Setting2;
        EraTable m_Era;
        const char16_t* m_DefaultDateTimeFormat;   // obsolete, placeholder text
        const char16_t* m_DefaultDateFormat;       // obsolete, placeholder text
        const char16_t* m_DefaultTimeFormat;       // obsolete, placeholder text
        const char16_t* m_DefaultAmPmTimeFormat;   // obsolete, placeholder text
        std::int32_t m_Setting3;
        const char16_t* const* m_Patterns;  // list of 15 date, time and date-time patterns
        const char* m_DateSeparator;
        const char* m_TimeSeparator;
        const char16_t* const* m_CommonEras;            // list of 2: before, after the epoch
        const char16_t* const* m_QuarterAbbreviations;  // list of 4
        const char16_t* const* m_QuarterNames;          // list of 4
    };
};

// The root of one locale tree. m_Numeric and m_Time are null only for the
// pseudo-locale i18n; m_Reserved is null whenever the tree is registered.
struct vx_locale_storage {
    std::uint32_t m_Lcid;
    const vx_locale_identity* m_Identity;
    const void* m_Reserved;
    const vx_numeric_storage* m_Numeric;
    const vx_ctime_impl::StaticStorage* m_Time;
};

// Fixed list lengths of the tree.
namespace vx_locale_lengths {
constexpr std::size_t day_list = 7;
constexpr std::size_t month_list = 12;
constexpr std::size_t am_pm_list = 2;
constexpr std::size_t era_list = 4;
constexpr std::size_t common_era_list = 2;
constexpr std::size_t quarter_list = 4;
constexpr std::size_t number_patterns = 4;
constexpr std::size_t date_time_patterns = 15;
constexpr std::size_t digits = 36;
constexpr std::size_t language_names = 72;
constexpr std::size_t territory_names = 109;
}  // namespace vx_locale_lengths

// The 32-bit layout is the interface; check it wherever pointers are 4 bytes.
#define GLOSSA_LAYOUT32(type, field, offset) \
    static_assert(sizeof(void*) != 4 || offsetof(type, field) == (offset), \
                  #type "::" #field " must lie at byte " #offset)
#define GLOSSA_SIZE32(type, size) \
    static_assert(sizeof(void*) != 4 || sizeof(type) == (size), #type " must be " #size " bytes")

GLOSSA_SIZE32(vx_name_entry, 8);
GLOSSA_LAYOUT32(vx_name_entry, m_Name, 4);
GLOSSA_SIZE32(vx_name_table, 8);
GLOSSA_LAYOUT32(vx_name_table, m_Entries, 4);

GLOSSA_SIZE32(vx_locale_storage, 20);
GLOSSA_LAYOUT32(vx_locale_storage, m_Identity, 4);
GLOSSA_LAYOUT32(vx_locale_storage, m_Reserved, 8);
GLOSSA_LAYOUT32(vx_locale_storage, m_Numeric, 12);
GLOSSA_LAYOUT32(vx_locale_storage, m_Time, 16);

GLOSSA_SIZE32(vx_locale_identity, 44);
GLOSSA_LAYOUT32(vx_locale_identity, m_Language, 4);
GLOSSA_LAYOUT32(vx_locale_identity, m_Name, 8);
GLOSSA_LAYOUT32(vx_locale_identity, m_BaseName, 12);
GLOSSA_LAYOUT32(vx_locale_identity, m_CodePageDescription, 16);
GLOSSA_LAYOUT32(vx_locale_identity, m_CodePage, 20);
GLOSSA_LAYOUT32(vx_locale_identity, m_DisplayName, 24);
GLOSSA_LAYOUT32(vx_locale_identity, m_TextLanguage, 28);
GLOSSA_LAYOUT32(vx_locale_identity, m_IsLanguageDefault, 32);
GLOSSA_LAYOUT32(vx_locale_identity, m_LanguageNames, 36);
GLOSSA_LAYOUT32(vx_locale_identity, m_TerritoryNames, 40);

GLOSSA_SIZE32(vx_numeric_storage, 28);
GLOSSA_LAYOUT32(vx_numeric_storage, m_DecimalPoint, 4);
GLOSSA_LAYOUT32(vx_numeric_storage, m_GroupSeparator, 6);
GLOSSA_LAYOUT32(vx_numeric_storage, m_Grouping, 8);
GLOSSA_LAYOUT32(vx_numeric_storage, m_Digits, 12);
GLOSSA_LAYOUT32(vx_numeric_storage, m_Patterns, 16);
GLOSSA_LAYOUT32(vx_numeric_storage, m_True, 20);
GLOSSA_LAYOUT32(vx_numeric_storage, m_False, 24);

GLOSSA_SIZE32(vx_ctime_impl::StaticStorage, 84);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_Setting1, 4);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_DayAbbreviations, 8);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_DayNames, 12);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_MonthAbbreviations, 16);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_MonthNames, 20);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_AmPm, 24);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_Setting2, 28);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_Era, 32);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_Era.m_Years, 36);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_DefaultDateTimeFormat, 40);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_DefaultDateFormat, 44);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_DefaultTimeFormat, 48);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_DefaultAmPmTimeFormat, 52);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_Setting3, 56);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_Patterns, 60);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_DateSeparator, 64);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_TimeSeparator, 68);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_CommonEras, 72);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_QuarterAbbreviations, 76);
GLOSSA_LAYOUT32(vx_ctime_impl::StaticStorage, m_QuarterNames, 80);

#undef GLOSSA_LAYOUT32
#undef GLOSSA_SIZE32

#endif
