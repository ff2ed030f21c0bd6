// The af_ZA tree, field by field, as glossa reads it.
#include <cstring>
#include <string>
#include <vector>

#include "package_fixture.h"

namespace {

using glossapack_test::list;
using glossapack_test::u16;
using Texts = std::vector<std::u16string>;

class AfZaTreeTest : public glossapack_test::PackageTest {
protected:
    const vx_locale_storage& root = glossapack_test::locale("af_ZA");
};

TEST_F(AfZaTreeTest, RootAndIdentity) {
    EXPECT_EQ(root.m_Lcid, 0x0436u);
    EXPECT_EQ(root.m_Reserved, nullptr);
    ASSERT_NE(root.m_Identity, nullptr);
    ASSERT_NE(root.m_Numeric, nullptr);
    ASSERT_NE(root.m_Time, nullptr);

    const vx_locale_identity& id = *root.m_Identity;
    EXPECT_STREQ(id.m_Territory, "ZA");
    EXPECT_STREQ(id.m_Language, "af");
    EXPECT_STREQ(id.m_Name, "af_ZA");
    EXPECT_STREQ(id.m_BaseName, "af_ZA");
    EXPECT_STREQ(id.m_CodePageDescription, "Western European (Windows-1252)");
    EXPECT_STREQ(id.m_CodePage, "CP1252");
    EXPECT_EQ(u16(id.m_DisplayName), u"Afrikaans (South Africa)");
    EXPECT_STREQ(id.m_TextLanguage, "af");
    ASSERT_NE(id.m_IsLanguageDefault, nullptr);
    EXPECT_EQ(*id.m_IsLanguageDefault, 1);
}

TEST_F(AfZaTreeTest, NameTables) {
    const vx_name_table& languages = *root.m_Identity->m_LanguageNames;
    const vx_name_table& territories = *root.m_Identity->m_TerritoryNames;
    ASSERT_EQ(languages.m_Count, 72u);
    ASSERT_EQ(territories.m_Count, 109u);

    const struct {
        const vx_name_table& table;
        unsigned index;
        const char* code;
        const char16_t* name;
    } rows[] = {
        {languages, 0, "af", u"Afrikaans"},
        {languages, 1, "ar", u"Arabies"},
        {languages, 2, "az", u"Azerbaijani"},
        {territories, 0, "AE", u"Verenigde Arabiese Emirate"},
        {territories, 1, "AL", u"Albanië"},
        {territories, 2, "AM", u"Armenië"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_STREQ(row.table.m_Entries[row.index].m_Code, row.code);
        EXPECT_EQ(u16(row.table.m_Entries[row.index].m_Name), row.name);
    }

    // Languages af has no name of its own for carry the English one.
    const struct {
        const char* code;
        const char16_t* name;
    } english[] = {{"az", u"Azerbaijani"}, {"ka", u"Georgian"}, {"kk", u"Kazakh"}};
    for (const auto& row : english) {
        bool found = false;
        for (unsigned i = 0; i < languages.m_Count; ++i) {
            if (std::strcmp(languages.m_Entries[i].m_Code, row.code) == 0) {
                found = true;
                EXPECT_EQ(u16(languages.m_Entries[i].m_Name), row.name) << row.code;
            }
        }
        EXPECT_TRUE(found) << row.code;
    }
}

TEST_F(AfZaTreeTest, Numeric) {
    const vx_numeric_storage& num = *root.m_Numeric;
    EXPECT_EQ(num.m_NegativeFormat, 1);
    EXPECT_EQ(num.m_DecimalPoint, u',');
    EXPECT_EQ(num.m_GroupSeparator, u'\u00A0');
    EXPECT_EQ(u16(num.m_Grouping), u"\u0003");
    EXPECT_EQ(u16(num.m_Digits), u"+-0123456789abcdef0123456789ABCDEFeE");
    EXPECT_EQ(list(num.m_Patterns, 4),
              (Texts{u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]",
                     u"L[R]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]",
                     u"T[#]T[gs]T[#]T[#]T[0]L[%]",
                     u"T[0]T[ds]T[0]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[E-]T[0]"}));
    EXPECT_EQ(u16(num.m_True), u"true");
    EXPECT_EQ(u16(num.m_False), u"false");
}

TEST_F(AfZaTreeTest, CalendarTexts) {
    const vx_ctime_impl::StaticStorage& cal = *root.m_Time;
    EXPECT_EQ(cal.m_Setting0, 0);
    EXPECT_EQ(cal.m_Setting1, 1);
    EXPECT_EQ(cal.m_Setting2, 2);
    EXPECT_EQ(cal.m_Setting3, 1);
    EXPECT_EQ(list(cal.m_DayAbbreviations, 7), (Texts{u"Ma.", u"Di.", u"Wo.", u"Do.", u"Vr.", u"Sa.", u"So."}));
    EXPECT_EQ(list(cal.m_DayNames, 7),
              (Texts{u"Maandag", u"Dinsdag", u"Woensdag", u"Donderdag", u"Vrydag", u"Saterdag", u"Sondag"}));
    EXPECT_EQ(list(cal.m_MonthAbbreviations, 12),
              (Texts{u"Jan.", u"Feb.", u"Mrt.", u"Apr.", u"Mei", u"Jun.", u"Jul.", u"Aug.", u"Sep.", u"Okt.",
                     u"Nov.", u"Des."}));
    EXPECT_EQ(list(cal.m_MonthNames, 12),
              (Texts{u"Januarie", u"Februarie", u"Maart", u"April", u"Mei", u"Junie", u"Julie", u"Augustus",
                     u"September", u"Oktober", u"November", u"Desember"}));
    EXPECT_EQ(list(cal.m_AmPm, 2), (Texts{u"vm.", u"nm."}));
    EXPECT_EQ(list(cal.m_CommonEras, 2), (Texts{u"v.C.", u"n.C."}));
    EXPECT_EQ(list(cal.m_QuarterAbbreviations, 4), (Texts{u"K1", u"K2", u"K3", u"K4"}));
    EXPECT_EQ(list(cal.m_QuarterNames, 4),
              (Texts{u"1ste kwartaal", u"2de kwartaal", u"3de kwartaal", u"4de kwartaal"}));
    EXPECT_STREQ(cal.m_DateSeparator, "/");
    EXPECT_STREQ(cal.m_TimeSeparator, ":");
}

TEST_F(AfZaTreeTest, SharedPlaceholdersAndEras) {
    const vx_ctime_impl::StaticStorage& cal = *root.m_Time;
    const std::u16string era = u"HDIGH! No could should use vx_ctime_impl::StaticStorage::m_Era";
    EXPECT_EQ(list(cal.m_Era.m_Names, 4), (Texts{era, era, era, era}));
    ASSERT_NE(cal.m_Era.m_Years, nullptr);
    EXPECT_EQ(std::vector<int>(cal.m_Era.m_Years, cal.m_Era.m_Years + 4), (std::vector<int>{1989, 1926, 1912, 1868}));
    const std::u16string obsolete = u"HDIGH! No could should use obsolete vx_ctime_impl::StaticStorage::";
    EXPECT_EQ(u16(cal.m_DefaultDateTimeFormat), obsolete + u"m_DefaultDateTimeFormat");
    EXPECT_EQ(u16(cal.m_DefaultDateFormat), obsolete + u"m_DefaultDateFormat");
    EXPECT_EQ(u16(cal.m_DefaultTimeFormat), obsolete + u"m_DefaultTimeFormat");
    EXPECT_EQ(u16(cal.m_DefaultAmPmTimeFormat), obsolete + u"m_DefaultAmPmTimeFormat");

    // One era array for all locales.
    const vx_ctime_impl::StaticStorage& en = *glossapack_test::locale("en_US").m_Time;
    EXPECT_EQ(en.m_Era.m_Names, cal.m_Era.m_Names);
    EXPECT_EQ(en.m_Era.m_Years, cal.m_Era.m_Years);
}

TEST_F(AfZaTreeTest, DateTimePatterns) {
    EXPECT_EQ(list(root.m_Time->m_Patterns, 15),
              (Texts{
                  u"T[dn]L[ ]T[0d]L[ ]T[mt]L[ ]T[y4]",
                  u"T[0d]L[ ]T[mt]L[ ]T[y4]",
                  u"T[0d]L[ ]T[amt]L[ ]T[y4]",
                  u"T[y4]L[/]T[0M]L[/]T[0d]",
                  u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
                  u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
                  u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
                  u"T[12]L[:]T[0m]L[ ]T[am]",
                  u"T[dn]L[ ]T[0d]L[ ]T[mt]L[ ]T[y4]L[ ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
                  u"T[0d]L[ ]T[mt]L[ ]T[y4]L[ ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
                  u"T[0d]L[ ]T[amt]L[ ]T[y4]L[ ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
                  u"T[y4]L[/]T[0M]L[/]T[0d]L[ ]T[12]L[:]T[0m]L[ ]T[am]",
                  u"T[y4]L[/]T[0M]L[/]T[0d]",
                  u"T[012]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
                  u"T[y4]L[/]T[0M]L[/]T[0d]L[ ]T[012]L[:]T[0m]L[:]T[0s]L[ ]T[am]",
              }));
}

}  // namespace
