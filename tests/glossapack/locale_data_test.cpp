// Rules that hold across all registered trees: list lengths, shared texts,
// code pages, name tables, language defaults, digits and groupings.
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "package_fixture.h"

namespace {

using glossapack_test::catalog;
using glossapack_test::locale;
using glossapack_test::u16;

class LocaleDataTest : public glossapack_test::PackageTest {
protected:
    // The 135 trees with numbers and calendar.
    static std::vector<const vx_locale_storage*> full_trees() {
        std::vector<const vx_locale_storage*> out;
        for (const vx_locale_storage* root : catalog().roots()) {
            if (root->m_Numeric != nullptr) {
                out.push_back(root);
            }
        }
        return out;
    }
    static std::string name(const vx_locale_storage* root) { return vx_locale_catalog::short_name_of(*root); }
};

bool is_text16(const char16_t* text) { return text != nullptr && text[0] != u'\0'; }

void expect_list(const std::string& where, const char* field, const char16_t* const* items, std::size_t length) {
    ASSERT_NE(items, nullptr) << where << " " << field;
    for (std::size_t i = 0; i < length; ++i) {
        EXPECT_TRUE(is_text16(items[i])) << where << " " << field << "[" << i << "] is null or empty";
    }
}

TEST_F(LocaleDataTest, EveryTreeIsCompleteWithListsOfTheirFixedLengths) {
    const std::vector<const vx_locale_storage*> trees = full_trees();
    ASSERT_EQ(trees.size(), 135u);
    for (const vx_locale_storage* root : trees) {
        const std::string where = name(root);
        const vx_locale_identity& id = *root->m_Identity;
        for (const char* text : {id.m_Territory, id.m_Language, id.m_Name, id.m_BaseName, id.m_CodePage,
                                 id.m_TextLanguage}) {
            ASSERT_NE(text, nullptr) << where;
            EXPECT_NE(text[0], '\0') << where;
        }
        EXPECT_NE(id.m_CodePageDescription, nullptr) << where;
        EXPECT_TRUE(is_text16(id.m_DisplayName)) << where;
        ASSERT_NE(id.m_IsLanguageDefault, nullptr) << where;
        EXPECT_STREQ(id.m_BaseName, where.c_str());

        const vx_numeric_storage& num = *root->m_Numeric;
        expect_list(where, "number patterns", num.m_Patterns, 4);
        EXPECT_TRUE(is_text16(num.m_Grouping)) << where;
        EXPECT_TRUE(is_text16(num.m_True)) << where;
        EXPECT_TRUE(is_text16(num.m_False)) << where;
        ASSERT_NE(num.m_Digits, nullptr) << where;
        EXPECT_EQ(u16(num.m_Digits).size(), 36u) << where;

        const vx_ctime_impl::StaticStorage& cal = *root->m_Time;
        expect_list(where, "day abbreviations", cal.m_DayAbbreviations, 7);
        expect_list(where, "day names", cal.m_DayNames, 7);
        expect_list(where, "month abbreviations", cal.m_MonthAbbreviations, 12);
        expect_list(where, "month names", cal.m_MonthNames, 12);
        expect_list(where, "am/pm", cal.m_AmPm, 2);
        expect_list(where, "era names", cal.m_Era.m_Names, 4);
        expect_list(where, "date-time patterns", cal.m_Patterns, 15);
        expect_list(where, "common eras", cal.m_CommonEras, 2);
        expect_list(where, "quarter abbreviations", cal.m_QuarterAbbreviations, 4);
        expect_list(where, "quarter names", cal.m_QuarterNames, 4);
        for (const char16_t* text : {cal.m_DefaultDateTimeFormat, cal.m_DefaultDateFormat, cal.m_DefaultTimeFormat,
                                     cal.m_DefaultAmPmTimeFormat}) {
            EXPECT_TRUE(is_text16(text)) << where;
        }
        EXPECT_TRUE(std::set<std::string>({"/", ".", "-"}).count(cal.m_DateSeparator)) << where;
        EXPECT_TRUE(std::set<std::string>({":", "."}).count(cal.m_TimeSeparator)) << where;
        EXPECT_EQ(root->m_Reserved, nullptr) << where;
    }
}

TEST_F(LocaleDataTest, DayListsBeginWithMonday) {
    const struct {
        const char* locale;
        const char16_t* monday;
    } cases[] = {{"af_ZA", u"Maandag"}, {"en_US", u"Monday"}, {"en_GB", u"Monday"}, {"de_DE", u"Montag"},
                 {"fr_FR", u"lundi"},   {"es_ES", u"lunes"},  {"ru_RU", u"понедельник"}, {"ja_JP", u"月曜日"},
                 {"tn_ZA", u"Monday"}};
    for (const auto& c : cases) {
        EXPECT_EQ(u16(locale(c.locale).m_Time->m_DayNames[0]), c.monday) << c.locale;
    }
}

TEST_F(LocaleDataTest, ThePseudoLocaleIsAnIdentityOnly) {
    const vx_locale_storage& i18n = locale("i18n");
    const vx_locale_storage& en = locale("en_US");
    EXPECT_EQ(i18n.m_Lcid, 0x7918u);
    EXPECT_EQ(i18n.m_Reserved, nullptr);
    EXPECT_EQ(i18n.m_Numeric, nullptr);
    EXPECT_EQ(i18n.m_Time, nullptr);
    const vx_locale_identity& id = *i18n.m_Identity;
    EXPECT_STREQ(id.m_Territory, "i18n");
    EXPECT_EQ(id.m_Language, nullptr);
    EXPECT_STREQ(id.m_Name, "International");
    EXPECT_STREQ(id.m_BaseName, "en_US");
    EXPECT_STREQ(id.m_CodePage, "CP1252");
    EXPECT_EQ(*id.m_IsLanguageDefault, 0);
    // en_US and i18n share one pair of tables; no other locale shares any.
    EXPECT_EQ(id.m_LanguageNames, en.m_Identity->m_LanguageNames);
    EXPECT_EQ(id.m_TerritoryNames, en.m_Identity->m_TerritoryNames);
    std::set<const vx_name_table*> tables;
    for (const vx_locale_storage* root : full_trees()) {
        EXPECT_TRUE(tables.insert(root->m_Identity->m_LanguageNames).second) << name(root);
        EXPECT_TRUE(tables.insert(root->m_Identity->m_TerritoryNames).second) << name(root);
    }
}

TEST_F(LocaleDataTest, EnglishUsIdentityAndPatterns) {
    const vx_locale_storage& en = locale("en_US");
    EXPECT_STREQ(en.m_Identity->m_Name, "International");
    EXPECT_STREQ(en.m_Identity->m_BaseName, "en_US");
    EXPECT_EQ(u16(en.m_Numeric->m_Patterns[1]), u"T[ns]L[$]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[ne]");
    EXPECT_EQ(en.m_Numeric->m_DecimalPoint, u'.');
    EXPECT_EQ(en.m_Numeric->m_GroupSeparator, u',');
    const char16_t* const* p = en.m_Time->m_Patterns;
    const std::map<int, std::u16string> slots = {
        {0, u"T[dn]L[, ]T[mt]L[ ]T[d]L[, ]T[y4]"},
        {1, u"T[mt]L[ ]T[d]L[, ]T[y4]"},
        {2, u"T[amt]L[ ]T[d]L[, ]T[y4]"},
        {3, u"T[M]L[/]T[d]L[/]T[y2]"},
        {4, u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]L[ v]"},
        {5, u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]L[ ]T[tz]"},
        {6, u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"},
        {7, u"T[12]L[:]T[0m]L[ ]T[am]"},
        {12, u"T[M]L[/]T[d]L[/]T[y4]"},
        {13, u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"},
        {14, u"T[M]L[/]T[d]L[/]T[y4]L[ ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"},
    };
    for (const auto& slot : slots) {
        EXPECT_EQ(u16(p[slot.first]), slot.second) << "slot " << slot.first;
    }
    for (int rank = 0; rank < 4; ++rank) {
        EXPECT_EQ(u16(p[8 + rank]), u16(p[rank]) + u"L[ ]" + u16(p[4 + rank])) << "slot " << 8 + rank;
    }
}

TEST_F(LocaleDataTest, EnglishUsNameTableRows) {
    const vx_locale_identity& id = *locale("en_US").m_Identity;
    const struct {
        const vx_name_table* table;
        const char* code;
        const char16_t* name;
    } rows[] = {
        {id.m_LanguageNames, "kok", u"Konkani"},
        {id.m_LanguageNames, "se", u"Northern Sami"},
        {id.m_LanguageNames, "syr", u"Syriac"},
        {id.m_LanguageNames, "nb", u"Norwegian Bokmål"},
        {id.m_LanguageNames, "nn", u"Norwegian Nynorsk"},
        {id.m_TerritoryNames, "CS", u"Serbia And Montenegro"},
        {id.m_TerritoryNames, "HK", u"Hong Kong SAR China"},
        {id.m_TerritoryNames, "MO", u"Macao SAR China"},
        {id.m_TerritoryNames, "VI", u"U.S. Virgin Islands"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(u16(vx_locale_catalog::name_for(*row.table, row.code)), row.name) << row.code;
    }
}

const char* const language_codes[] = {
    "af", "ar", "az", "be", "bg", "bn", "bs", "ca", "cs", "cy", "da", "de", "el", "en", "es", "et", "eu", "fa",
    "fi", "fo", "fr", "gl", "gu", "he", "hi", "hr", "hu", "hy", "id", "is", "it", "ja", "ka", "kk", "kn", "ko",
    "kok", "lt", "lv", "mk", "ml", "mn", "mr", "ms", "mt", "nb", "nl", "nn", "pa", "pl", "pt", "ro", "ru", "se",
    "sk", "sl", "sq", "sr", "sv", "sw", "syr", "ta", "te", "th", "tn", "tr", "uk", "uz", "vi", "xh", "zh", "zu"};
const char* const territory_codes[] = {
    "AE", "AL", "AM", "AR", "AT", "AU", "AZ", "BA", "BE", "BG", "BH", "BN", "BO", "BR", "BY", "BZ", "CA", "CH",
    "CL", "CN", "CO", "CR", "CS", "CZ", "DE", "DK", "DO", "DZ", "EC", "EE", "EG", "ES", "FI", "FO", "FR", "GB",
    "GE", "GR", "GT", "HK", "HN", "HR", "HU", "ID", "IE", "IL", "IN", "IQ", "IR", "IS", "IT", "JM", "JO", "JP",
    "KE", "KR", "KW", "KZ", "LB", "LI", "LT", "LU", "LV", "LY", "MA", "MC", "MK", "MN", "MO", "MT", "MX", "MY",
    "NI", "NL", "NO", "NZ", "OM", "PA", "PE", "PH", "PL", "PR", "PT", "PY", "QA", "RO", "RU", "SA", "SE", "SG",
    "SI", "SK", "SV", "SY", "TH", "TN", "TR", "TT", "TW", "UA", "US", "UY", "UZ", "VE", "VI", "VN", "YE", "ZA",
    "ZW"};

TEST_F(LocaleDataTest, NameTablesListTheSameCodesInOrderEachCodeOnce) {
    ASSERT_EQ(sizeof language_codes / sizeof language_codes[0], 72u);
    ASSERT_EQ(sizeof territory_codes / sizeof territory_codes[0], 109u);
    const vx_name_table& first_languages = *locale("af_ZA").m_Identity->m_LanguageNames;
    const vx_name_table& first_territories = *locale("af_ZA").m_Identity->m_TerritoryNames;
    for (const vx_locale_storage* root : catalog().roots()) {
        const std::string where = name(root);
        const vx_locale_identity& id = *root->m_Identity;
        const vx_name_table& languages = *id.m_LanguageNames;
        const vx_name_table& territories = *id.m_TerritoryNames;
        ASSERT_EQ(languages.m_Count, 72u) << where;
        ASSERT_EQ(territories.m_Count, 109u) << where;
        for (unsigned i = 0; i < 72; ++i) {
            EXPECT_STREQ(languages.m_Entries[i].m_Code, language_codes[i]) << where;
            EXPECT_EQ(languages.m_Entries[i].m_Code, first_languages.m_Entries[i].m_Code) << where;
            EXPECT_TRUE(is_text16(languages.m_Entries[i].m_Name)) << where << " " << language_codes[i];
            if (i > 0) {
                EXPECT_LT(std::strcmp(languages.m_Entries[i - 1].m_Code, languages.m_Entries[i].m_Code), 0);
            }
        }
        for (unsigned i = 0; i < 109; ++i) {
            EXPECT_STREQ(territories.m_Entries[i].m_Code, territory_codes[i]) << where;
            EXPECT_EQ(territories.m_Entries[i].m_Code, first_territories.m_Entries[i].m_Code) << where;
            EXPECT_TRUE(is_text16(territories.m_Entries[i].m_Name)) << where << " " << territory_codes[i];
        }
        if (root->m_Numeric == nullptr) {
            continue;
        }
        // The record's own codes are the tables' copies.
        bool language_found = false;
        for (unsigned i = 0; i < 72; ++i) {
            language_found |= languages.m_Entries[i].m_Code == id.m_Language;
        }
        EXPECT_TRUE(language_found) << where;
        bool territory_found = false;
        for (unsigned i = 0; i < 109; ++i) {
            territory_found |= territories.m_Entries[i].m_Code == id.m_Territory;
        }
        EXPECT_TRUE(territory_found) << where;
    }
}

TEST_F(LocaleDataTest, SouthAfricanLocalesShareTheOneZaText) {
    const char* za = nullptr;
    for (const vx_name_table* table : {locale("af_ZA").m_Identity->m_TerritoryNames}) {
        for (unsigned i = 0; i < table->m_Count; ++i) {
            if (std::strcmp(table->m_Entries[i].m_Code, "ZA") == 0) {
                za = table->m_Entries[i].m_Code;
            }
        }
    }
    ASSERT_NE(za, nullptr);
    for (const char* name : {"af_ZA", "en_ZA", "tn_ZA", "xh_ZA", "zu_ZA"}) {
        EXPECT_EQ(locale(name).m_Identity->m_Territory, za) << name;
    }
    for (const vx_locale_storage* root : catalog().roots()) {
        EXPECT_EQ(root->m_Identity->m_TerritoryNames->m_Entries[107].m_Code, za) << name(root);
    }
}

TEST_F(LocaleDataTest, LookupsBisectAndAreCaseSensitive) {
    const vx_locale_identity& id = *locale("en_US").m_Identity;
    const vx_name_table& languages = *id.m_LanguageNames;
    const vx_name_table& territories = *id.m_TerritoryNames;
    EXPECT_EQ(u16(vx_locale_catalog::name_for(languages, "ko")), u"Korean");
    EXPECT_EQ(u16(vx_locale_catalog::name_for(languages, "kok")), u"Konkani");
    EXPECT_EQ(u16(vx_locale_catalog::name_for(languages, "lt")), u"Lithuanian");
    EXPECT_EQ(u16(vx_locale_catalog::name_for(languages, "sw")), u"Swahili");
    EXPECT_EQ(u16(vx_locale_catalog::name_for(languages, "syr")), u"Syriac");
    EXPECT_EQ(u16(vx_locale_catalog::name_for(languages, "ta")), u"Tamil");
    EXPECT_EQ(u16(vx_locale_catalog::name_for(territories, "ZA")), u"South Africa");
    EXPECT_EQ(vx_locale_catalog::name_for(territories, "za"), nullptr);
    EXPECT_EQ(vx_locale_catalog::name_for(languages, "AF"), nullptr);
    EXPECT_EQ(vx_locale_catalog::name_for(languages, "k"), nullptr);
    EXPECT_EQ(vx_locale_catalog::name_for(languages, "zz"), nullptr);
    EXPECT_EQ(vx_locale_catalog::name_for(languages, nullptr), nullptr);
}

TEST_F(LocaleDataTest, CodePagesAndTheirSharedTexts) {
    const struct {
        const char* code_page;
        const char* description;
        std::size_t locales;
    } pages[] = {
        {"CP1252", "Western European (Windows-1252)", 85}, {"CP1256", "Arabic (Windows-1256)", 17},
        {"CP1250", "Central European (Windows-1250)", 10}, {"CP1251", "Cyrillic (Windows-1251)", 7},
        {"CP1254", "Turkish (Windows1254)", 3},            {"CP1257", "Baltic (Windows-1257)", 3},
        {"CP950", "Chinese Traditional (Windows-950)", 3}, {"CP936", "Chinese Simplified (Windows-936)", 2},
        {"CP1253", "Greek (Windows-1253)", 1},             {"CP1255", "Hebrew (Windows-1255)", 1},
        {"CP932", "Japanese (Windows-932)", 1},            {"CP949", "Korean (Windows-949)", 1},
        {"CP874", "", 1},                                  {"CP1258", "Vietnamese (Windows-1258)", 1},
    };
    std::size_t total = 0;
    for (const auto& page : pages) {
        std::size_t count = 0;
        const char* name_copy = nullptr;
        const char* description_copy = nullptr;
        for (const vx_locale_storage* root : catalog().roots()) {
            const vx_locale_identity& id = *root->m_Identity;
            if (std::strcmp(id.m_CodePage, page.code_page) != 0) {
                continue;
            }
            ++count;
            ASSERT_NE(id.m_CodePageDescription, nullptr) << name(root);
            EXPECT_STREQ(id.m_CodePageDescription, page.description) << name(root);
            if (name_copy == nullptr) {
                name_copy = id.m_CodePage;
                description_copy = id.m_CodePageDescription;
            }
            EXPECT_EQ(id.m_CodePage, name_copy) << name(root);
            EXPECT_EQ(id.m_CodePageDescription, description_copy) << name(root);
        }
        EXPECT_EQ(count, page.locales) << page.code_page;
        total += count;
    }
    EXPECT_EQ(total, 136u);
    EXPECT_STREQ(locale("th_TH").m_Identity->m_CodePage, "CP874");
    EXPECT_STREQ(locale("syr_SY").m_Identity->m_CodePage, "CP1252");
    EXPECT_STREQ(locale("fa_IR").m_Identity->m_CodePage, "CP1256");
}

TEST_F(LocaleDataTest, OneLanguageDefaultPerLanguageTwoForChinese) {
    std::map<std::string, int> defaults;
    int total = 0;
    for (const vx_locale_storage* root : full_trees()) {
        const vx_locale_identity& id = *root->m_Identity;
        EXPECT_TRUE(*id.m_IsLanguageDefault == 0 || *id.m_IsLanguageDefault == 1) << name(root);
        defaults[id.m_Language] += *id.m_IsLanguageDefault;
        total += *id.m_IsLanguageDefault;
    }
    EXPECT_EQ(total, 73);
    EXPECT_EQ(defaults.size(), 72u);
    for (const auto& language : defaults) {
        EXPECT_EQ(language.second, language.first == "zh" ? 2 : 1) << language.first;
    }
    for (const char* name : {"af_ZA", "ar_SA", "de_DE", "en_US", "es_ES", "fr_FR", "pt_BR", "zh_CN", "zh_TW"}) {
        EXPECT_EQ(*locale(name).m_Identity->m_IsLanguageDefault, 1) << name;
    }
    for (const char* name : {"ar_AE", "de_AT", "en_GB", "pt_PT", "zh_HK", "i18n"}) {
        EXPECT_EQ(*locale(name).m_Identity->m_IsLanguageDefault, 0) << name;
    }
}

TEST_F(LocaleDataTest, ChineseTextLanguagesNameTheWrittenForm) {
    const struct {
        const char* locale;
        const char* text_language;
    } cases[] = {{"zh_CN", "zh_CN"}, {"zh_SG", "zh_CN"}, {"zh_TW", "zh_TW"}, {"zh_HK", "zh_TW"},
                 {"zh_MO", "zh_TW"}, {"af_ZA", "af"},    {"kok_IN", "kok"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(locale(c.locale).m_Identity->m_TextLanguage, c.text_language) << c.locale;
    }
    EXPECT_STREQ(locale("zh_HK").m_Identity->m_Language, "zh");
}

TEST_F(LocaleDataTest, GroupingsIndianThreeThenTwosOthersThrees) {
    const std::set<std::string> indian = {"bn_IN", "gu_IN", "hi_IN", "kn_IN", "kok_IN",
                                          "ml_IN", "mr_IN", "pa_IN", "ta_IN", "te_IN"};
    for (const vx_locale_storage* root : full_trees()) {
        const std::u16string grouping = u16(root->m_Numeric->m_Grouping);
        EXPECT_EQ(grouping, indian.count(name(root)) ? u"\u0003\u0002" : u"\u0003") << name(root);
    }
    // The pattern shows the first groups: hi_IN writes two group separators.
    const std::u16string hi = u16(locale("hi_IN").m_Numeric->m_Patterns[0]);
    EXPECT_EQ(hi.find(u"T[gs]", hi.find(u"T[gs]") + 1) != std::u16string::npos, true) << glossapack_test::utf8(hi);
}

TEST_F(LocaleDataTest, DigitsAreTheLocalesOwnInTheFixedAlphabet) {
    const std::map<std::string, char16_t> zero = {
        {"ar_AE", u'\u0660'}, {"ar_BH", u'\u0660'}, {"ar_EG", u'\u0660'}, {"ar_IQ", u'\u0660'},
        {"ar_JO", u'\u0660'}, {"ar_KW", u'\u0660'}, {"ar_LB", u'\u0660'}, {"ar_LY", u'\u0660'},
        {"ar_OM", u'\u0660'}, {"ar_QA", u'\u0660'}, {"ar_SA", u'\u0660'}, {"ar_SY", u'\u0660'},
        {"ar_YE", u'\u0660'}, {"fa_IR", u'\u06F0'}, {"gu_IN", u'\u0AE6'}, {"mr_IN", u'\u0966'},
        {"ml_IN", u'\u0D66'}, {"pa_IN", u'\u0A66'}, {"te_IN", u'\u0C66'}};
    for (const vx_locale_storage* root : full_trees()) {
        const auto own = zero.find(name(root));
        const char16_t d0 = own == zero.end() ? u'0' : own->second;
        std::u16string digits;
        for (char16_t i = 0; i < 10; ++i) {
            digits += static_cast<char16_t>(d0 + i);
        }
        EXPECT_EQ(u16(root->m_Numeric->m_Digits), u"+-" + digits + u"abcdef" + digits + u"ABCDEFeE") << name(root);
    }
    for (const char* maghreb : {"ar_DZ", "ar_MA", "ar_TN"}) {
        EXPECT_EQ(locale(maghreb).m_Numeric->m_Digits[2], u'0') << maghreb;
    }
}

TEST_F(LocaleDataTest, NegativeFormatsAndArabicScriptSigns) {
    for (const vx_locale_storage* root : full_trees()) {
        const std::string where = name(root);
        const bool arabic_script = where.compare(0, 3, "ar_") == 0 || where == "fa_IR";
        const int expected = arabic_script ? 3 : where == "hr_HR" ? 2 : 1;
        EXPECT_EQ(root->m_Numeric->m_NegativeFormat, expected) << where;
        if (where.compare(0, 3, "ar_") == 0) {
            EXPECT_EQ(root->m_Numeric->m_DecimalPoint, u'\u066B') << where;
        }
        if (!arabic_script) {
            continue;
        }
        for (int slot = 0; slot < 3; ++slot) {
            if (where == "fa_IR" && slot == 0) {
                continue;
            }
            const std::u16string pattern = u16(root->m_Numeric->m_Patterns[slot]);
            const std::u16string end = u"T[-]";
            EXPECT_TRUE(pattern.size() > end.size() && pattern.compare(pattern.size() - end.size(), end.size(), end) == 0)
                << where << " slot " << slot << ": " << glossapack_test::utf8(pattern);
        }
    }
    const std::u16string fa = u16(locale("fa_IR").m_Numeric->m_Patterns[0]);
    const std::size_t fs = fa.find(u"T[FS]");
    ASSERT_NE(fs, std::u16string::npos);
    const std::u16string negative = fa.substr(fs + 5);
    const std::u16string open = u"L[\u202A]";
    const std::u16string close = u"L[\u202C]";
    ASSERT_GT(negative.size(), open.size() + close.size());
    EXPECT_EQ(negative.substr(0, open.size()), open) << glossapack_test::utf8(fa);
    EXPECT_EQ(negative.substr(negative.size() - close.size()), close) << glossapack_test::utf8(fa);
    EXPECT_NE(negative.find(u"T[-]"), std::u16string::npos);
}

}  // namespace
