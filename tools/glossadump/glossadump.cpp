// glossadump: loads glossapack into the process with the stand-in glossa
// catalog and shows what it registered.
//
//   glossadump [--package PATH] --list        the registered locales, in order
//   glossadump [--package PATH] NAME          one locale's record tree, in UTF-8
//   glossadump [--package PATH] --json        every tree as one JSON document
//
// NAME is "af_ZA" or "af_ZA.CP1252" ("i18n" for the pseudo-locale). Exit
// status: 0 done, 1 no such locale, 2 bad arguments or the package did not load.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "glossa/package_loader.h"
#include "glossa/utf16.h"
#include "glossa/vx_locale.h"
#include "glossa/vx_locale_catalog.h"

namespace {

using glossa::append_utf8;
using glossa::code_points;

// ---------------------------------------------------------------------------
// Text conversion.

// Characters that would be invisible or confusing on a terminal.
bool shown_escaped(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x061C || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

std::string hex4(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X", value);
    return buffer;
}

// A quoted text for people: UTF-8, with invisible characters as \uXXXX.
std::string readable(const char16_t* text) {
    if (text == nullptr) {
        return "null";
    }
    std::string out = "\"";
    for (char32_t c : code_points(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (shown_escaped(c)) {
            out += "\\u" + hex4(static_cast<unsigned>(c));
        } else {
            append_utf8(out, c);
        }
    }
    return out + "\"";
}

std::string readable(const char* text) {
    if (text == nullptr) {
        return "null";
    }
    std::string out = "\"";
    for (const char* p = text; *p != 0; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += *p;
        } else if (c < 0x20 || c >= 0x7F) {
            out += "\\x" + hex4(c).substr(2);
        } else {
            out += *p;
        }
    }
    return out + "\"";
}

std::string readable(char16_t unit) {
    const char16_t text[2] = {unit, 0};
    return shown_escaped(unit) || (unit >= 0xD800 && unit < 0xE000) ? "U+" + hex4(unit) : readable(text);
}

// JSON string literal; null pointers become null.
std::string json(const char16_t* text) {
    if (text == nullptr) {
        return "null";
    }
    std::string out = "\"";
    for (char32_t c : code_points(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u" + hex4(static_cast<unsigned>(c));
        } else {
            append_utf8(out, c);
        }
    }
    return out + "\"";
}

std::string json(const char* text) {
    if (text == nullptr) {
        return "null";
    }
    std::u16string wide;
    for (const char* p = text; *p != 0; ++p) {
        wide += static_cast<char16_t>(static_cast<unsigned char>(*p));
    }
    return json(wide.c_str());
}

std::string json(char16_t unit) {
    const char16_t text[2] = {unit, 0};
    return json(text);
}

std::string lcid(std::uint32_t value) { return "0x" + hex4(value); }

// ---------------------------------------------------------------------------
// The readable tree.

class TreePrinter {
public:
    explicit TreePrinter(std::ostream& out) : out_(out) {}

    void print(const vx_locale_storage& root) {
        out_ << vx_locale_catalog::name_of(root) << "\n";
        out_ << "vx_locale_storage\n";
        field("m_Lcid", lcid(root.m_Lcid));
        field("m_Reserved", root.m_Reserved == nullptr ? "null" : "set");
        field("m_Numeric", root.m_Numeric == nullptr ? "null" : "-> vx_numeric_storage");
        field("m_Time", root.m_Time == nullptr ? "null" : "-> vx_ctime_impl::StaticStorage");
        if (root.m_Identity != nullptr) {
            print(*root.m_Identity);
        }
        if (root.m_Numeric != nullptr) {
            print(*root.m_Numeric);
        }
        if (root.m_Time != nullptr) {
            print(*root.m_Time);
        }
    }

private:
    void field(const char* name, const std::string& value) {
        out_ << "  " << name << std::string(name_width - std::string(name).size(), ' ') << value << "\n";
    }

    void items(const char* name, const char16_t* const* list, std::size_t length) {
        field(name, list == nullptr ? "null" : std::to_string(length) + " entries");
        for (std::size_t i = 0; list != nullptr && i < length; ++i) {
            out_ << "    " << (i < 10 ? " " : "") << i << "  " << readable(list[i]) << "\n";
        }
    }

    void table(const char* name, const vx_name_table* t) {
        field(name, t == nullptr ? "null" : std::to_string(t->m_Count) + " entries");
        for (std::uint32_t i = 0; t != nullptr && i < t->m_Count; ++i) {
            const std::string code = readable(t->m_Entries[i].m_Code);
            out_ << "    " << code << std::string(code.size() < 6 ? 6 - code.size() : 1, ' ')
                 << readable(t->m_Entries[i].m_Name) << "\n";
        }
    }

    void print(const vx_locale_identity& id) {
        out_ << "vx_locale_identity\n";
        field("m_Territory", readable(id.m_Territory));
        field("m_Language", readable(id.m_Language));
        field("m_Name", readable(id.m_Name));
        field("m_BaseName", readable(id.m_BaseName));
        field("m_CodePageDescription", readable(id.m_CodePageDescription));
        field("m_CodePage", readable(id.m_CodePage));
        field("m_DisplayName", readable(id.m_DisplayName));
        field("m_TextLanguage", readable(id.m_TextLanguage));
        field("m_IsLanguageDefault",
              id.m_IsLanguageDefault == nullptr ? "null" : "-> " + std::to_string(*id.m_IsLanguageDefault));
        table("m_LanguageNames", id.m_LanguageNames);
        table("m_TerritoryNames", id.m_TerritoryNames);
    }

    void print(const vx_numeric_storage& num) {
        out_ << "vx_numeric_storage\n";
        field("m_NegativeFormat", std::to_string(num.m_NegativeFormat));
        field("m_DecimalPoint", readable(num.m_DecimalPoint));
        field("m_GroupSeparator", readable(num.m_GroupSeparator));
        field("m_Grouping", readable(num.m_Grouping));
        field("m_Digits", readable(num.m_Digits));
        items("m_Patterns", num.m_Patterns, vx_locale_lengths::number_patterns);
        field("m_True", readable(num.m_True));
        field("m_False", readable(num.m_False));
    }

    void print(const vx_ctime_impl::StaticStorage& cal) {
        out_ << "vx_ctime_impl::StaticStorage\n";
        field("m_Setting0", std::to_string(cal.m_Setting0));
        field("m_Setting1", std::to_string(cal.m_Setting1));
        items("m_DayAbbreviations", cal.m_DayAbbreviations, vx_locale_lengths::day_list);
        items("m_DayNames", cal.m_DayNames, vx_locale_lengths::day_list);
        items("m_MonthAbbreviations", cal.m_MonthAbbreviations, vx_locale_lengths::month_list);
        items("m_MonthNames", cal.m_MonthNames, vx_locale_lengths::month_list);
        items("m_AmPm", cal.m_AmPm, vx_locale_lengths::am_pm_list);
        field("m_Setting2", std::to_string(cal.m_Setting2));
        items("m_Era.m_Names", cal.m_Era.m_Names, vx_locale_lengths::era_list);
        std::string years;
        for (std::size_t i = 0; cal.m_Era.m_Years != nullptr && i < vx_locale_lengths::era_list; ++i) {
            years += (i ? ", " : "") + std::to_string(cal.m_Era.m_Years[i]);
        }
        field("m_Era.m_Years", cal.m_Era.m_Years == nullptr ? "null" : years);
        field("m_DefaultDateTimeFormat", readable(cal.m_DefaultDateTimeFormat));
        field("m_DefaultDateFormat", readable(cal.m_DefaultDateFormat));
        field("m_DefaultTimeFormat", readable(cal.m_DefaultTimeFormat));
        field("m_DefaultAmPmTimeFormat", readable(cal.m_DefaultAmPmTimeFormat));
        field("m_Setting3", std::to_string(cal.m_Setting3));
        items("m_Patterns", cal.m_Patterns, vx_locale_lengths::date_time_patterns);
        field("m_DateSeparator", readable(cal.m_DateSeparator));
        field("m_TimeSeparator", readable(cal.m_TimeSeparator));
        items("m_CommonEras", cal.m_CommonEras, vx_locale_lengths::common_era_list);
        items("m_QuarterAbbreviations", cal.m_QuarterAbbreviations, vx_locale_lengths::quarter_list);
        items("m_QuarterNames", cal.m_QuarterNames, vx_locale_lengths::quarter_list);
    }

    static constexpr std::size_t name_width = 24;
    std::ostream& out_;
};

// ---------------------------------------------------------------------------
// JSON.

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void print(const std::vector<const vx_locale_storage*>& roots) {
        out_ << "[";
        for (std::size_t i = 0; i < roots.size(); ++i) {
            out_ << (i ? ",\n " : "\n ");
            print(*roots[i]);
        }
        out_ << "\n]\n";
    }

private:
    std::string list(const char16_t* const* items, std::size_t length) {
        if (items == nullptr) {
            return "null";
        }
        std::string out = "[";
        for (std::size_t i = 0; i < length; ++i) {
            out += (i ? ", " : "") + json(items[i]);
        }
        return out + "]";
    }

    std::string table(const vx_name_table* t) {
        if (t == nullptr) {
            return "null";
        }
        std::string out = "[";
        for (std::uint32_t i = 0; i < t->m_Count; ++i) {
            out += (i ? ", " : "") + std::string("[") + json(t->m_Entries[i].m_Code) + ", " +
                   json(t->m_Entries[i].m_Name) + "]";
        }
        return out + "]";
    }

    void print(const vx_locale_storage& root) {
        const vx_locale_identity& id = *root.m_Identity;
        out_ << "{\"name\": " << json(vx_locale_catalog::name_of(root).c_str()) << ", \"m_Lcid\": " << root.m_Lcid
             << ", \"m_Reserved\": " << (root.m_Reserved == nullptr ? "null" : "\"set\"");
        out_ << ",\n  \"m_Identity\": {\"m_Territory\": " << json(id.m_Territory)
             << ", \"m_Language\": " << json(id.m_Language) << ", \"m_Name\": " << json(id.m_Name)
             << ", \"m_BaseName\": " << json(id.m_BaseName)
             << ", \"m_CodePageDescription\": " << json(id.m_CodePageDescription)
             << ", \"m_CodePage\": " << json(id.m_CodePage) << ", \"m_DisplayName\": " << json(id.m_DisplayName)
             << ", \"m_TextLanguage\": " << json(id.m_TextLanguage) << ", \"m_IsLanguageDefault\": "
             << (id.m_IsLanguageDefault == nullptr ? std::string("null") : std::to_string(*id.m_IsLanguageDefault))
             << ",\n    \"m_LanguageNames\": " << table(id.m_LanguageNames)
             << ",\n    \"m_TerritoryNames\": " << table(id.m_TerritoryNames) << "}";
        out_ << ",\n  \"m_Numeric\": ";
        if (const vx_numeric_storage* num = root.m_Numeric) {
            out_ << "{\"m_NegativeFormat\": " << num->m_NegativeFormat
                 << ", \"m_DecimalPoint\": " << json(num->m_DecimalPoint)
                 << ", \"m_GroupSeparator\": " << json(num->m_GroupSeparator)
                 << ", \"m_Grouping\": " << json(num->m_Grouping) << ", \"m_Digits\": " << json(num->m_Digits)
                 << ", \"m_Patterns\": " << list(num->m_Patterns, vx_locale_lengths::number_patterns)
                 << ", \"m_True\": " << json(num->m_True) << ", \"m_False\": " << json(num->m_False) << "}";
        } else {
            out_ << "null";
        }
        out_ << ",\n  \"m_Time\": ";
        if (const vx_ctime_impl::StaticStorage* cal = root.m_Time) {
            std::string years = "[";
            for (std::size_t i = 0; cal->m_Era.m_Years != nullptr && i < vx_locale_lengths::era_list; ++i) {
                years += (i ? ", " : "") + std::to_string(cal->m_Era.m_Years[i]);
            }
            years += "]";
            out_ << "{\"m_Setting0\": " << cal->m_Setting0 << ", \"m_Setting1\": " << cal->m_Setting1
                 << ", \"m_Setting2\": " << cal->m_Setting2 << ", \"m_Setting3\": " << cal->m_Setting3
                 << ",\n    \"m_DayAbbreviations\": " << list(cal->m_DayAbbreviations, vx_locale_lengths::day_list)
                 << ",\n    \"m_DayNames\": " << list(cal->m_DayNames, vx_locale_lengths::day_list)
                 << ",\n    \"m_MonthAbbreviations\": "
                 << list(cal->m_MonthAbbreviations, vx_locale_lengths::month_list)
                 << ",\n    \"m_MonthNames\": " << list(cal->m_MonthNames, vx_locale_lengths::month_list)
                 << ",\n    \"m_AmPm\": " << list(cal->m_AmPm, vx_locale_lengths::am_pm_list)
                 << ",\n    \"m_Era\": {\"m_Names\": " << list(cal->m_Era.m_Names, vx_locale_lengths::era_list)
                 << ", \"m_Years\": " << years << "}"
                 << ",\n    \"m_DefaultDateTimeFormat\": " << json(cal->m_DefaultDateTimeFormat)
                 << ",\n    \"m_DefaultDateFormat\": " << json(cal->m_DefaultDateFormat)
                 << ",\n    \"m_DefaultTimeFormat\": " << json(cal->m_DefaultTimeFormat)
                 << ",\n    \"m_DefaultAmPmTimeFormat\": " << json(cal->m_DefaultAmPmTimeFormat)
                 << ",\n    \"m_Patterns\": " << list(cal->m_Patterns, vx_locale_lengths::date_time_patterns)
                 << ",\n    \"m_DateSeparator\": " << json(cal->m_DateSeparator)
                 << ", \"m_TimeSeparator\": " << json(cal->m_TimeSeparator)
                 << ",\n    \"m_CommonEras\": " << list(cal->m_CommonEras, vx_locale_lengths::common_era_list)
                 << ",\n    \"m_QuarterAbbreviations\": "
                 << list(cal->m_QuarterAbbreviations, vx_locale_lengths::quarter_list)
                 << ",\n    \"m_QuarterNames\": " << list(cal->m_QuarterNames, vx_locale_lengths::quarter_list)
                 << "}";
        } else {
            out_ << "null";
        }
        out_ << "}";
    }

    std::ostream& out_;
};

void list_locales(std::ostream& out, const std::vector<const vx_locale_storage*>& roots) {
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const vx_locale_storage& root = *roots[i];
        std::string name = vx_locale_catalog::name_of(root);
        name.resize(name.size() < 16 ? 16 : name.size(), ' ');
        out << (i < 9 ? "  " : i < 99 ? " " : "") << i + 1 << "  " << name << lcid(root.m_Lcid) << "  "
            << readable(root.m_Identity->m_DisplayName) << "\n";
    }
}

int usage(const char* message) {
    std::cerr << "glossadump: " << message << "\n"
              << "usage: glossadump [--package PATH] (--list | --json | NAME)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string package = GLOSSADUMP_DEFAULT_PACKAGE;
    std::string what;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--package") {
            if (++i == argc) {
                return usage("--package needs a path");
            }
            package = argv[i];
        } else if (arg == "--help" || arg == "-h") {
            usage("shows the locales that glossapack registers");
            return 0;
        } else if (!what.empty()) {
            return usage("give one of --list, --json or a locale name");
        } else {
            what = arg;
        }
    }
    if (what.empty()) {
        return usage("give one of --list, --json or a locale name");
    }
    std::string error;
    if (!glossa::load_package(package, error)) {
        std::cerr << "glossadump: " << error << "\n";
        return 2;
    }
    vx_locale_catalog& catalog = *vx_locale_catalog::GetInstance();
    const std::vector<const vx_locale_storage*> roots = catalog.roots();
    if (what == "--list") {
        list_locales(std::cout, roots);
    } else if (what == "--json") {
        JsonWriter(std::cout).print(roots);
    } else if (!what.empty() && what[0] == '-') {
        return usage(("unknown option " + what).c_str());
    } else if (const vx_locale_storage* root = catalog.find(what)) {
        TreePrinter(std::cout).print(*root);
    } else {
        std::cerr << "glossadump: no locale " << what << " is registered (see --list)\n";
        return 1;
    }
    std::cout.flush();
    return std::cout ? 0 : 2;
}
