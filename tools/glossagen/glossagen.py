#!/usr/bin/python3
"""Writes glossapack's locale units from CLDR data.

Sources: CLDR 41 as carried by Debian's python3-babel, ICU (python3-icu) for
the digits and separators of non-Latin numbering systems, and supplement.json
next to this script for what neither has. The output is deterministic: the
same packages and supplement give byte-identical files.

Usage (with Debian's Python, which sees python3-babel and python3-icu):
    /usr/bin/python3 tools/glossagen/glossagen.py --out src/glossapack

writes <out>/shared_codes.h, <out>/shared_codes.cpp, <out>/locales/*.cpp and
<out>/locales/units.cmake, then prints a summary that checks the data rules;
the exit status is 1 when a rule is broken, 3 when Babel or ICU is missing.
"""

import argparse
import collections
import datetime
import json
import os
import re
import sys
import unicodedata

MISSING_PACKAGES_STATUS = 3

try:
    import babel
    from babel import Locale, localedata
    from babel.numbers import get_territory_currencies
    import icu
except ImportError as error:  # pragma: no cover - depends on the machine
    print("glossagen: cannot run without python3-babel and python3-icu (%s)" % error, file=sys.stderr)
    sys.exit(MISSING_PACKAGES_STATUS)

HERE = os.path.dirname(os.path.abspath(__file__))
REMAKE = "/usr/bin/python3 tools/glossagen/glossagen.py --out src/glossapack"

# The registered locales in registration order: name, code page, LCID.
LOCALES = [
    ("af_ZA", "CP1252", 0x0436), ("ar_AE", "CP1256", 0x3801), ("ar_BH", "CP1256", 0x3C01),
    ("ar_DZ", "CP1256", 0x1401), ("ar_EG", "CP1256", 0x0C01), ("ar_IQ", "CP1256", 0x0801),
    ("ar_JO", "CP1256", 0x2C01), ("ar_KW", "CP1256", 0x3401), ("ar_LB", "CP1256", 0x3001),
    ("ar_LY", "CP1256", 0x1001), ("ar_MA", "CP1256", 0x1801), ("ar_OM", "CP1256", 0x2001),
    ("ar_QA", "CP1256", 0x4001), ("ar_SA", "CP1256", 0x0401), ("ar_SY", "CP1256", 0x2801),
    ("ar_TN", "CP1256", 0x1C01), ("ar_YE", "CP1256", 0x2401), ("az_AZ", "CP1254", 0x042C),
    ("be_BY", "CP1251", 0x0423), ("bg_BG", "CP1251", 0x0402), ("bn_IN", "CP1252", 0x0445),
    ("bs_BA", "CP1250", 0x141A), ("ca_ES", "CP1252", 0x0403), ("cs_CZ", "CP1250", 0x0405),
    ("cy_GB", "CP1252", 0x0452), ("da_DK", "CP1252", 0x0406), ("de_AT", "CP1252", 0x0C07),
    ("de_CH", "CP1252", 0x0807), ("de_DE", "CP1252", 0x0407), ("de_LI", "CP1252", 0x1407),
    ("de_LU", "CP1252", 0x1007), ("el_GR", "CP1253", 0x0408), ("en_AU", "CP1252", 0x0C09),
    ("en_BZ", "CP1252", 0x2809), ("en_CA", "CP1252", 0x1009), ("en_GB", "CP1252", 0x0809),
    ("en_IE", "CP1252", 0x1809), ("en_JM", "CP1252", 0x2009), ("en_NZ", "CP1252", 0x1409),
    ("en_PH", "CP1252", 0x3409), ("en_TT", "CP1252", 0x2C09), ("en_US", "CP1252", 0x0409),
    ("i18n", "CP1252", 0x7918), ("en_VI", "CP1252", 0x2409), ("en_ZA", "CP1252", 0x1C09),
    ("en_ZW", "CP1252", 0x3009), ("es_AR", "CP1252", 0x2C0A), ("es_BO", "CP1252", 0x400A),
    ("es_CL", "CP1252", 0x340A), ("es_CO", "CP1252", 0x240A), ("es_CR", "CP1252", 0x140A),
    ("es_DO", "CP1252", 0x1C0A), ("es_EC", "CP1252", 0x300A), ("es_ES", "CP1252", 0x0C0A),
    ("es_GT", "CP1252", 0x100A), ("es_HN", "CP1252", 0x480A), ("es_MX", "CP1252", 0x080A),
    ("es_NI", "CP1252", 0x4C0A), ("es_PA", "CP1252", 0x180A), ("es_PE", "CP1252", 0x280A),
    ("es_PR", "CP1252", 0x500A), ("es_PY", "CP1252", 0x3C0A), ("es_SV", "CP1252", 0x440A),
    ("es_UY", "CP1252", 0x380A), ("es_VE", "CP1252", 0x200A), ("et_EE", "CP1257", 0x0425),
    ("eu_ES", "CP1252", 0x042D), ("fa_IR", "CP1256", 0x0429), ("fi_FI", "CP1252", 0x040B),
    ("fo_FO", "CP1252", 0x0438), ("fr_BE", "CP1252", 0x080C), ("fr_CA", "CP1252", 0x0C0C),
    ("fr_CH", "CP1252", 0x100C), ("fr_FR", "CP1252", 0x040C), ("fr_LU", "CP1252", 0x140C),
    ("fr_MC", "CP1252", 0x180C), ("gl_ES", "CP1252", 0x0456), ("gu_IN", "CP1252", 0x0447),
    ("he_IL", "CP1255", 0x040D), ("hi_IN", "CP1252", 0x0439), ("hr_HR", "CP1250", 0x041A),
    ("hu_HU", "CP1250", 0x040E), ("hy_AM", "CP1252", 0x042B), ("id_ID", "CP1252", 0x0421),
    ("is_IS", "CP1252", 0x040F), ("it_CH", "CP1252", 0x0810), ("it_IT", "CP1252", 0x0410),
    ("ja_JP", "CP932", 0x0411), ("ka_GE", "CP1252", 0x0437), ("kk_KZ", "CP1251", 0x043F),
    ("kn_IN", "CP1252", 0x044B), ("ko_KR", "CP949", 0x0412), ("kok_IN", "CP1252", 0x0457),
    ("lt_LT", "CP1257", 0x0427), ("lv_LV", "CP1257", 0x0426), ("mk_MK", "CP1251", 0x042F),
    ("ml_IN", "CP1252", 0x044C), ("mn_MN", "CP1251", 0x0450), ("mr_IN", "CP1252", 0x044E),
    ("ms_BN", "CP1252", 0x083E), ("ms_MY", "CP1252", 0x043E), ("mt_MT", "CP1252", 0x043A),
    ("nb_NO", "CP1252", 0x0414), ("nl_BE", "CP1252", 0x0813), ("nl_NL", "CP1252", 0x0413),
    ("nn_NO", "CP1252", 0x0814), ("pa_IN", "CP1252", 0x0446), ("pl_PL", "CP1250", 0x0415),
    ("pt_BR", "CP1252", 0x0416), ("pt_PT", "CP1252", 0x0816), ("ro_RO", "CP1250", 0x0418),
    ("ru_RU", "CP1251", 0x0419), ("se_NO", "CP1252", 0x043B), ("sk_SK", "CP1250", 0x041B),
    ("sl_SI", "CP1250", 0x0424), ("sq_AL", "CP1250", 0x041C), ("sr_CS", "CP1250", 0x081A),
    ("sv_FI", "CP1252", 0x081D), ("sv_SE", "CP1252", 0x041D), ("sw_KE", "CP1252", 0x0441),
    ("syr_SY", "CP1252", 0x045A), ("ta_IN", "CP1252", 0x0449), ("te_IN", "CP1252", 0x044A),
    ("th_TH", "CP874", 0x041E), ("tn_ZA", "CP1252", 0x0432), ("tr_TR", "CP1254", 0x041F),
    ("uk_UA", "CP1251", 0x0422), ("uz_UZ", "CP1254", 0x0443), ("vi_VN", "CP1258", 0x042A),
    ("xh_ZA", "CP1252", 0x0434), ("zh_CN", "CP936", 0x0804), ("zh_HK", "CP950", 0x0C04),
    ("zh_MO", "CP950", 0x1404), ("zh_SG", "CP936", 0x1004), ("zh_TW", "CP950", 0x0404),
    ("zu_ZA", "CP1252", 0x0435),
]

PSEUDO_LOCALE = "i18n"

# Windows-style names whose CLDR locale needs a script (or, for CS, a
# territory that CLDR still has). All others map to themselves.
CLDR_LOCALE = {
    "sr_CS": "sr_Latn_RS",
    "uz_UZ": "uz_Latn_UZ",
    "az_AZ": "az_Latn_AZ",
    "bs_BA": "bs_Latn_BA",
    "pa_IN": "pa_Guru_IN",
    "zh_CN": "zh_Hans_CN",
    "zh_SG": "zh_Hans_SG",
    "zh_HK": "zh_Hant_HK",
    "zh_MO": "zh_Hant_MO",
    "zh_TW": "zh_Hant_TW",
}

CODE_PAGE_SYMBOL = {cp: cp.lower() for cp in
                    ("CP874", "CP932", "CP936", "CP949", "CP950", "CP1250", "CP1251", "CP1252",
                     "CP1253", "CP1254", "CP1255", "CP1256", "CP1257", "CP1258")}

# Digits other than ASCII, by ICU numbering system. The Arabic locales of the
# Maghreb (ar_DZ, ar_MA, ar_TN) write ASCII digits; Marathi is the one
# Devanagari locale whose CLDR default numbering system is Devanagari.
NUMBERING_SYSTEM = {
    "ar_AE": "arab", "ar_BH": "arab", "ar_EG": "arab", "ar_IQ": "arab", "ar_JO": "arab",
    "ar_KW": "arab", "ar_LB": "arab", "ar_LY": "arab", "ar_OM": "arab", "ar_QA": "arab",
    "ar_SA": "arab", "ar_SY": "arab", "ar_YE": "arab",
    "fa_IR": "arabext",
    "gu_IN": "gujr", "mr_IN": "deva", "ml_IN": "mlym", "pa_IN": "guru", "te_IN": "telu",
}

INDIAN_GROUPING = {"bn_IN", "gu_IN", "hi_IN", "kn_IN", "kok_IN", "ml_IN", "mr_IN", "pa_IN", "ta_IN", "te_IN"}

# Date for choosing each territory's currency, so that output does not depend
# on the day the generator runs (CLDR 41's release).
CURRENCY_DATE = datetime.date(2022, 4, 6)

# The scientific pattern is the same in every locale.
SCIENTIFIC_PATTERN = "0.0#############E0"

DAY_ORDER = range(7)  # Babel numbers days from Monday = 0
RANKS = ("full", "long", "medium", "short")


class DataError(Exception):
    pass


def is_arabic_script(name):
    return name.startswith("ar_") or name == "fa_IR"


def negative_format(name):
    if is_arabic_script(name):
        return 3
    if name == "hr_HR":
        return 2
    return 1


# ---------------------------------------------------------------------------
# The token language. A pattern is a list of items ("T", name) or ("L", text);
# literal texts are kept one character per item until merged.

def merge(items):
    out = []
    for kind, text in items:
        if kind == "L" and out and out[-1][0] == "L":
            out[-1] = ("L", out[-1][1] + text)
        else:
            out.append((kind, text))
    return out


def writable_brackets(items):
    """']' would end a literal, so a pattern whose literals hold square
    brackets gets the fullwidth pair instead (zh_Hant: "[zzzz]" becomes
    "［" T[tz] "］"), which keeps the look and parses."""
    if ("L", "]") not in items:
        return items
    fullwidth = {"[": "\uff3b", "]": "\uff3d"}
    return [("L", fullwidth.get(text, text)) if kind == "L" else (kind, text) for kind, text in items]


def render(items):
    parts = []
    for kind, text in merge(writable_brackets(items)):
        if kind == "L" and (not text or "]" in text):
            raise DataError("literal %r cannot be written" % text)
        parts.append("%s[%s]" % (kind, text))
    return "".join(parts)


def literal(text):
    return [("L", ch) for ch in text]


def split_quoted(pattern):
    """Yields (is_quoted, text) pieces of a CLDR pattern; '' is a quote."""
    i, n = 0, len(pattern)
    while i < n:
        ch = pattern[i]
        if ch == "'":
            if i + 1 < n and pattern[i + 1] == "'":
                yield True, "'"
                i += 2
                continue
            j = i + 1
            text = []
            while j < n:
                if pattern[j] == "'":
                    if j + 1 < n and pattern[j + 1] == "'":
                        text.append("'")
                        j += 2
                        continue
                    break
                text.append(pattern[j])
                j += 1
            yield True, "".join(text)
            i = j + 1
        else:
            yield False, ch
            i += 1


def split_subpatterns(pattern):
    """Splits a number pattern at its unquoted ';'."""
    parts, current, quoted = [], [], False
    for ch in pattern:
        if ch == "'":
            quoted = not quoted
        if ch == ";" and not quoted:
            parts.append("".join(current))
            current = []
        else:
            current.append(ch)
    parts.append("".join(current))
    return parts


NUMBER_TOKENS = {"#": "#", "0": "0", ",": "gs", ".": "ds", "-": "-"}


def number_items(pattern, symbols):
    items = []
    for quoted, text in split_quoted(pattern):
        if quoted:
            items += literal(text)
        elif text in NUMBER_TOKENS:
            items.append(("T", NUMBER_TOKENS[text]))
        elif text == "E":
            items.append(("T", "E-"))
        elif text == "%":
            items += literal(symbols["percent"])
        elif text == "\u00a4":
            items += literal(symbols["currency"])
        elif text == "+":
            items += literal("+")
        else:
            items += literal(text)
    return items


def strip_brackets(items):
    """The items without literal '(' and ')', and where they were."""
    rest, places = [], []
    for item in items:
        if item in (("L", "("), ("L", ")")):
            places.append((len(rest), item[1]))
        else:
            rest.append(item)
    return rest, places


def number_pattern(pattern, symbols, trailing_minus):
    subpatterns = split_subpatterns(pattern)
    positive = number_items(subpatterns[0], symbols)
    if len(subpatterns) == 1:
        result = positive
    else:
        negative = number_items(subpatterns[1], symbols)
        without_sign = [item for item in negative if item != ("T", "-")]
        if without_sign == positive and negative[:1] == [("T", "-")]:
            result = positive  # the usual leading minus: left to the catalog
        elif without_sign == positive:
            result = negative  # the sign has a place of its own
        else:
            rest, places = strip_brackets(negative)
            if rest == positive and len(places) == 2 and places[0][1] == "(" and places[1][1] == ")":
                result = list(positive)
                result.insert(places[1][0], ("T", "ne"))
                result.insert(places[0][0], ("T", "ns"))
            else:
                result = positive + [("T", "FS")] + negative
    if trailing_minus and not any(item in (("T", "-"), ("T", "FS"), ("T", "ns")) for item in result):
        result = result + [("T", "-")]
    return render(result)


def two_fraction_digits(pattern):
    """The plain-number form shows at most two fraction digits."""
    return re.sub(r"\.[#0]+", ".##", pattern)


DATE_LETTERS = {
    "E": lambda n: "dn" if n >= 4 else "adn",
    "c": lambda n: "dn" if n >= 4 else "adn",
    "d": lambda n: "d" if n == 1 else "0d",
    "M": lambda n: ("M", "0M", "amt")[n - 1] if n <= 3 else "mt",
    "L": lambda n: ("M", "0M", "amt")[n - 1] if n <= 3 else "mt",
    "y": lambda n: "y2" if n == 2 else "y4",
    "G": lambda n: "era",
    "h": lambda n: "12" if n == 1 else "012",
    "K": lambda n: "12" if n == 1 else "012",
    "H": lambda n: "23" if n == 1 else "023",
    "k": lambda n: "23" if n == 1 else "023",
    "m": lambda n: "m" if n == 1 else "0m",
    "s": lambda n: "s" if n == 1 else "0s",
    "a": lambda n: "am",
    "b": lambda n: "am",
    "B": lambda n: "am",
    "z": lambda n: "tz",
    "Z": lambda n: "tz",
    "O": lambda n: "tz",
    "X": lambda n: "tz",
    "x": lambda n: "tz",
}


def date_items(pattern):
    items = []
    pieces = list(split_quoted(pattern))
    i = 0
    while i < len(pieces):
        quoted, text = pieces[i]
        if quoted:
            items += literal(text)
            i += 1
            continue
        j = i
        while j < len(pieces) and not pieces[j][0] and pieces[j][1] == text:
            j += 1
        count = j - i
        if text in DATE_LETTERS:
            items.append(("T", DATE_LETTERS[text](count)))
        else:
            # Letters without a token (v, V, ...) and punctuation stay text.
            items += literal(text * count)
        i = j
    return items


def date_pattern(pattern):
    return render(date_items(pattern))


def join_date_time(date_time_format, date_items_, time_items_):
    """Joins a date and a time pattern in the order of the CLDR date-time
    format ("{1} ... {0}": date first), always with a single space: the
    locales' connecting words and commas are left out."""
    date_first = date_time_format.index("{1}") < date_time_format.index("{0}")
    parts = (date_items_, time_items_) if date_first else (time_items_, date_items_)
    return list(parts[0]) + literal(" ") + list(parts[1])


def four_digit_year(items):
    return [("T", "y4") if item == ("T", "y2") else item for item in items]


# ---------------------------------------------------------------------------
# Locale data.

def load_supplement():
    with open(os.path.join(HERE, "supplement.json"), encoding="utf-8") as f:
        return json.load(f)


def language_of(name):
    return name.split("_")[0]


def territory_of(name):
    return name.split("_")[1]


def cldr_locale(name, supplement):
    missing = supplement["locales_without_cldr"].get(name)
    if missing:
        return Locale.parse(missing["formats_from"]), False
    cldr = CLDR_LOCALE.get(name, name)
    if not localedata.exists(cldr):
        raise DataError("CLDR has no locale %s for %s" % (cldr, name))
    return Locale.parse(cldr), True


def english_name_tables(languages, territories, supplement):
    en = Locale("en")
    lang = {code: en.languages[code] for code in languages}
    terr = {}
    for code in territories:
        extra = supplement["territory_names"].get(code)
        terr[code] = extra["en"] if extra else en.territories[code]
    return lang, terr


def numbering_symbols(name, locale):
    system = NUMBERING_SYSTEM.get(name)
    if is_arabic_script(name):
        # All Arabic-script locales take the separators of the Arabic
        # numbering system, also the three that write ASCII digits.
        icu_system = "arabext" if name == "fa_IR" else "arab"
        symbols = icu.DecimalFormatSymbols(icu.Locale("%s@numbers=%s" % (CLDR_LOCALE.get(name, name), icu_system)))
        decimal = symbols.getSymbol(icu.DecimalFormatSymbols.kDecimalSeparatorSymbol)
        group = symbols.getSymbol(icu.DecimalFormatSymbols.kGroupingSeparatorSymbol)
        percent = symbols.getSymbol(icu.DecimalFormatSymbols.kPercentSymbol)
    else:
        decimal = locale.number_symbols["decimal"]
        group = locale.number_symbols["group"]
        percent = locale.number_symbols["percentSign"]
    if system:
        digits = icu.NumberingSystem.createInstanceByName(system).getDescription()
    else:
        digits = "0123456789"
    if len(digits) != 10 or len(decimal) != 1 or len(group) != 1:
        raise DataError("%s: digits %r, separators %r %r" % (name, digits, decimal, group))
    return decimal, group, percent, digits


def currency_symbol(name, locale, supplement):
    extra = supplement["currency_symbols"].get(name)
    if extra:
        return extra["symbol"]
    territory = territory_of(name) if name != "sr_CS" else "RS"
    codes = get_territory_currencies(territory, start_date=CURRENCY_DATE, end_date=CURRENCY_DATE, tender=True)
    if not codes:
        raise DataError("%s: no currency" % name)
    return locale.currency_symbols.get(codes[0], codes[0])


def first_of(mapping, keys, fallback):
    return [mapping.get(k) or fallback[k] for k in keys]


def separators(short_date, medium_time):
    numeric = {"d", "0d", "M", "0M", "y4", "y2"}
    date_sep = "/"
    items = merge(short_date)
    for a, b, c in zip(items, items[1:], items[2:]):
        if a[0] == "T" and a[1] in numeric and b[0] == "L" and c[0] == "T" and c[1] in numeric:
            for ch in b[1]:
                if ch in "/.-":
                    date_sep = ch
                    break
            break
    time_sep = ":"
    items = merge(medium_time)
    for a, b in zip(items, items[1:]):
        if a[0] == "T" and a[1] in ("12", "012", "23", "023") and b[0] == "L":
            time_sep = "." if b[1].startswith(".") else ":"
            break
    return date_sep, time_sep


def build_locale(name, code_page, lcid, supplement, english, codes):
    locale, from_cldr = cldr_locale(name, supplement)
    en_lang, en_terr = english
    language, territory = language_of(name), territory_of(name)
    replaced = supplement["replaced_locales"].get(name, {})
    english_only = set(replaced.get("english_names", {}).get("languages", []))

    data = {"name": name, "lcid": lcid, "code_page": code_page, "language": language, "territory": territory}
    data["display_name"] = "%s (%s)" % (en_lang[language], en_terr[territory])
    data["text_language"] = {"zh_CN": "zh_CN", "zh_SG": "zh_CN", "zh_TW": "zh_TW", "zh_HK": "zh_TW",
                             "zh_MO": "zh_TW"}.get(name, language)

    lang_names, terr_names = [], []
    for code in codes["languages"]:
        value = locale.languages.get(code) if from_cldr and code not in english_only else None
        lang_names.append(value or en_lang[code])
    for code in codes["territories"]:
        value = locale.territories.get(code) if from_cldr else None
        terr_names.append(value or en_terr[code])
    data["language_names"], data["territory_names"] = lang_names, terr_names

    # Numbers.
    decimal, group, percent, digits = numbering_symbols(name, locale)
    symbols = {"percent": percent, "currency": currency_symbol(name, locale, supplement)}
    data["negative_format"] = negative_format(name)
    data["grouping"] = "\u0003\u0002" if name in INDIAN_GROUPING else "\u0003"
    data["digits"] = "+-" + digits + "abcdef" + digits + "ABCDEF" + "eE"
    decimal_cldr = locale.decimal_formats[None].pattern
    if language == "en":
        currency_cldr = locale.currency_formats["accounting"].pattern
    else:
        currency_cldr = locale.currency_formats["standard"].pattern
    percent_cldr = locale.percent_formats[None].pattern
    sources = [two_fraction_digits(decimal_cldr), currency_cldr, percent_cldr]
    if "number_patterns" in replaced:
        sources = list(replaced["number_patterns"])
        decimal, group = replaced["decimal_point"], replaced["group_separator"]
    extra = supplement["number_patterns"].get(name)
    if extra:
        sources[extra["slot"]] = extra["pattern"]
    trailing_minus = data["negative_format"] == 3
    data["decimal_point"], data["group_separator"] = decimal, group
    data["number_patterns"] = [number_pattern(p, symbols, trailing_minus) for p in sources]
    data["number_patterns"].append(number_pattern(SCIENTIFIC_PATTERN, symbols, False))
    data["cldr_decimal"] = decimal_cldr

    words = supplement["booleans"]["words"].get(language)
    data["true"], data["false"] = (words["true"], words["false"]) if words else ("true", "false")

    # Calendar texts.
    fallback = Locale("en")
    days = locale.days["format"]
    months = locale.months["format"]
    data["day_abbreviations"] = first_of(days["abbreviated"], DAY_ORDER, fallback.days["format"]["abbreviated"])
    data["day_names"] = first_of(days["wide"], DAY_ORDER, fallback.days["format"]["wide"])
    data["month_abbreviations"] = first_of(months["abbreviated"], range(1, 13), fallback.months["format"]["abbreviated"])
    data["month_names"] = first_of(months["wide"], range(1, 13), fallback.months["format"]["wide"])
    periods = locale._data["day_periods"]["format"]["abbreviated"]
    data["am_pm"] = first_of(periods, ("am", "pm"), fallback._data["day_periods"]["format"]["abbreviated"])
    data["common_eras"] = first_of(locale.eras["abbreviated"], (0, 1), fallback.eras["abbreviated"])
    quarters = locale.quarters["format"]
    data["quarter_abbreviations"] = first_of(quarters["abbreviated"], range(1, 5), fallback.quarters["format"]["abbreviated"])
    data["quarter_names"] = first_of(quarters["wide"], range(1, 5), fallback.quarters["format"]["wide"])

    # Date and time patterns.
    dates = [date_items(locale.date_formats[r].pattern) for r in RANKS]
    times = [date_items(locale.time_formats[r].pattern) for r in RANKS]
    overrides = supplement["date_time_patterns"].get(name, {}).get("slots", {})
    overrides = dict(overrides, **replaced.get("date_time_patterns", {}))
    for slot, text in overrides.items():
        slot = int(slot)
        if slot < 4:
            dates[slot] = date_items(text)
        elif slot < 8:
            times[slot - 4] = date_items(text)
    slots = [render(d) for d in dates] + [render(t) for t in times]
    for rank, r in enumerate(RANKS):
        slots.append(render(join_date_time(str(locale.datetime_formats[r]), dates[rank], times[rank])))
    numeric_date = four_digit_year(dates[3])
    numeric_time = times[2]
    slots.append(render(numeric_date))
    slots.append(render(numeric_time))
    slots.append(render(list(numeric_date) + literal(" ") + list(numeric_time)))
    for slot, text in overrides.items():
        slots[int(slot)] = date_pattern(text)
    data["date_time_patterns"] = slots
    date_sep, time_sep = separators(dates[3], times[2])
    for key in ("day_abbreviations", "day_names", "month_abbreviations", "month_names", "am_pm",
                "common_eras", "quarter_abbreviations", "quarter_names"):
        if key in replaced:
            data[key] = list(replaced[key])
    data["date_separator"] = replaced.get("date_separator", date_sep)
    data["time_separator"] = replaced.get("time_separator", time_sep)
    return data


def language_defaults(names):
    """The default locale of each language: the Windows primary sublanguage
    (LCID 0x04xx), or the only locale of the language; es_ES and zh_CN are
    defaults too (the modern Spanish sort and Simplified Chinese)."""
    by_language = collections.defaultdict(list)
    for name, _, lcid in LOCALES:
        if name != PSEUDO_LOCALE:
            by_language[language_of(name)].append((name, lcid))
    defaults = set()
    for language, members in by_language.items():
        if len(members) == 1:
            defaults.add(members[0][0])
        else:
            defaults.update(n for n, lcid in members if lcid >> 10 == 1)
    defaults.update(("es_ES", "zh_CN"))
    return defaults


# ---------------------------------------------------------------------------
# C++ output.

def cxx_text16(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch == '"' or ch == "\\":
            out.append("\\" + ch)
        elif 0x20 <= code < 0x7F:
            out.append(ch)
        elif code < 0xA0:
            out.append("\\%03o" % code)
        elif unicodedata.category(ch)[0] in "LMNPS" and code != 0xAD:
            out.append(ch)
        elif code <= 0xFFFF:
            out.append("\\u%04X" % code)
        else:
            out.append("\\U%08X" % code)
    return 'u"' + "".join(out) + '"'


def cxx_text8(text):
    if any(not (0x20 <= ord(ch) < 0x7F) or ch in '"\\' for ch in text):
        raise DataError("8-bit text %r is not plain ASCII" % text)
    return '"' + text + '"'


def cxx_char16(ch):
    code = ord(ch)
    if 0x20 <= code < 0x7F and ch not in "'\\":
        return "u'%s'" % ch
    return "u'\\u%04X'" % code


HEADER = """// {title}
// Generated by tools/glossagen/glossagen.py from CLDR {cldr} (python3-babel {babel}),
// ICU {icu} and tools/glossagen/supplement.json. Do not edit; remake with
//   {remake}
"""


def header(title):
    return HEADER.format(title=title, cldr=cldr_version(), babel=babel.__version__,
                         icu=icu.ICU_VERSION, remake=REMAKE)


def cldr_version():
    # Babel does not say which CLDR it carries; Debian's 2.10 has CLDR 41.
    return "41" if babel.__version__.startswith("2.10") else "of Babel %s" % babel.__version__


class Unit:
    """Collects one unit's lines; each text is written once, just before the
    first line that uses it."""

    def __init__(self):
        self.texts16, self.texts8, self.pending, self.lines = {}, {}, [], []

    def text16(self, text):
        if text not in self.texts16:
            symbol = self.texts16[text] = "text%d" % len(self.texts16)
            self.pending.append("GLOSSAPACK_SHARED_TEXT const char16_t %s[] = %s;" % (symbol, cxx_text16(text)))
        return self.texts16[text]

    def text8(self, text):
        if text not in self.texts8:
            symbol = self.texts8[text] = "code%d" % len(self.texts8)
            self.pending.append("GLOSSAPACK_SHARED_TEXT const char %s[] = %s;" % (symbol, cxx_text8(text)))
        return self.texts8[text]

    def block(self, lines):
        """Adds lines that belong together, after the texts they use."""
        self.lines += self.pending
        self.pending = []
        self.lines += lines


def lang_symbol(code):
    return "lang_" + code


def terr_symbol(code):
    return "terr_" + code


SEPARATOR_SYMBOL = {"/": "separator_slash", ".": "separator_dot", "-": "separator_dash", ":": "separator_colon"}


def emit_name_tables(unit, data, codes):
    for kind, symbol, names in (("language", lang_symbol, data["language_names"]),
                                ("territory", terr_symbol, data["territory_names"])):
        table = codes["languages" if kind == "language" else "territories"]
        block = ["vx_name_entry %s_entries[%d] = {" % (kind, len(table))]
        block += ["    {%s, %s}," % (symbol(code), unit.text16(name)) for code, name in zip(table, names)]
        block.append("};")
        block.append("const vx_name_table %s_names = {%d, %s_entries};" % (kind, len(table), kind))
        unit.block(block + [""])


def emit_list(unit, symbol, texts):
    items = ", ".join(unit.text16(t) for t in texts)
    unit.block(["const char16_t* %s[%d] = {%s};" % (symbol, len(texts), items)])


def emit_unit(data, rank, is_default, codes, i18n=None):
    unit = Unit()
    name = data["name"]
    cp = CODE_PAGE_SYMBOL[data["code_page"]]
    emit_name_tables(unit, data, codes)
    locale_name = "International" if name == "en_US" else name
    text_language = (lang_symbol(data["text_language"]) if data["text_language"] in codes["languages"]
                     else "text_language_" + data["text_language"])
    unit.block([
        "vx_locale_identity identity = {",
        "    %s, %s, %s, %s," % (terr_symbol(data["territory"]), lang_symbol(data["language"]),
                               unit.text8(locale_name), unit.text8(name)),
        "    %s_description, %s," % (cp, cp),
        "    %s," % unit.text16(data["display_name"]),
        "    %s, %s," % (text_language, "language_default_yes" if is_default else "language_default_no"),
        "    &language_names, &territory_names};",
        ""])
    emit_list(unit, "number_patterns", data["number_patterns"])
    unit.block([
        "vx_numeric_storage numeric = {",
        "    %d, %s, %s," % (data["negative_format"], cxx_char16(data["decimal_point"]),
                          cxx_char16(data["group_separator"])),
        "    %s, %s," % (unit.text16(data["grouping"]), unit.text16(data["digits"])),
        "    number_patterns, %s, %s};" % (unit.text16(data["true"]), unit.text16(data["false"])),
        ""])
    for key in ("day_abbreviations", "day_names", "month_abbreviations", "month_names", "am_pm",
                "date_time_patterns", "common_eras", "quarter_abbreviations", "quarter_names"):
        emit_list(unit, key, data[key])
    unit.block([
        "",
        "// Completed at load: the settings and the reserved pointer come from",
        "// another unit, so these two records have initialisers of their own,",
        "// which run before the registrar's.",
        "vx_ctime_impl::StaticStorage calendar GLOSSAPACK_LOAD_ORDER(%d) = {" % rank,
        "    setting0, setting1,",
        "    day_abbreviations, day_names, month_abbreviations, month_names, am_pm,",
        "    setting2,",
        "    {era_names, era_years},",
        "    default_date_time_format, default_date_format, default_time_format, default_am_pm_time_format,",
        "    setting3,",
        "    date_time_patterns,",
        "    %s, %s," % (SEPARATOR_SYMBOL[data["date_separator"]], SEPARATOR_SYMBOL[data["time_separator"]]),
        "    common_eras, quarter_abbreviations, quarter_names};",
        "vx_locale_storage root GLOSSAPACK_LOAD_ORDER(%d) = {0x%04X, &identity, reserved, &numeric, &calendar};"
        % (rank, data["lcid"]),
        "const LocaleRegistrar registrar GLOSSAPACK_LOAD_ORDER(%d){root};" % rank])
    if i18n is not None:
        i18n_texts = (unit.text8(PSEUDO_LOCALE), unit.text8("International"), unit.text8(name),
                      unit.text16("International"))
        unit.block([""])
        unit.block([
            "// The pseudo-locale i18n: an identity without numbers or calendar, sharing",
            "// the name tables of en_US. Its root needs no completion.",
            "vx_locale_identity i18n_identity = {",
            "    %s, nullptr, %s, %s," % i18n_texts[:3],
            "    cp1252_description, cp1252,",
            "    %s," % i18n_texts[3],
            "    %s, language_default_no," % lang_symbol("en"),
            "    &language_names, &territory_names};",
            "const vx_locale_storage i18n_root = {0x%04X, &i18n_identity, nullptr, nullptr, nullptr};" % i18n["lcid"],
            "const LocaleRegistrar i18n_registrar GLOSSAPACK_LOAD_ORDER(%d){i18n_root};" % i18n["rank"]])

    title = "%s: %s." % (name, data["display_name"]) if i18n is None else \
        "%s: %s, and the pseudo-locale i18n." % (name, data["display_name"])
    lines = [header(title).rstrip("\n"), '#include "glossapack/locale_unit.h"', "", "namespace glossapack {",
             "namespace {", ""]
    lines += unit.lines
    lines += ["", "}  // namespace", "}  // namespace glossapack", ""]
    return "\n".join(lines)


def emit_shared_codes(codes):
    h = [header("The language and territory codes, one copy each for every table and record.").rstrip("\n"),
         "#ifndef GLOSSAPACK_SHARED_CODES_H", "#define GLOSSAPACK_SHARED_CODES_H", "", "namespace glossapack {", ""]
    c = [header("The language and territory codes, in the shared texts section.").rstrip("\n"),
         '#include "glossapack/shared_codes.h"', "", '#include "glossapack/placement.h"', "",
         "namespace glossapack {", ""]
    for code in codes["languages"]:
        h.append("extern const char %s[];" % lang_symbol(code))
        c.append('GLOSSAPACK_SHARED_TEXT extern const char %s[] = "%s";' % (lang_symbol(code), code))
    h.append("")
    c.append("")
    for code in codes["territories"]:
        h.append("extern const char %s[];" % terr_symbol(code))
        c.append('GLOSSAPACK_SHARED_TEXT extern const char %s[] = "%s";' % (terr_symbol(code), code))
    h.append("")
    c.append("")
    h.append("// Written forms of Chinese, the text language of the Chinese locales.")
    for form in ("zh_CN", "zh_TW"):
        h.append("extern const char text_language_%s[];" % form)
        c.append('GLOSSAPACK_SHARED_TEXT extern const char text_language_%s[] = "%s";' % (form, form))
    h += ["", "}  // namespace glossapack", "", "#endif", ""]
    c += ["", "}  // namespace glossapack", ""]
    return "\n".join(h), "\n".join(c)


# ---------------------------------------------------------------------------
# The summary: the data rules, checked on what was generated.

PATTERN_ITEM = re.compile(r"([TL])\[([^\]]+)\]")
NUMBER_TOKEN_NAMES = {"#", "0", "gs", "ds", "-", "E-", "FS", "ns", "ne"}
DATE_TOKEN_NAMES = {"dn", "adn", "d", "0d", "M", "0M", "mt", "amt", "y4", "y2", "era", "12", "012", "23",
                    "023", "m", "0m", "s", "0s", "am", "tz"}


def parse_pattern(pattern, tokens):
    pos, items = 0, []
    while pos < len(pattern):
        m = PATTERN_ITEM.match(pattern, pos)
        if not m or (m.group(1) == "T" and m.group(2) not in tokens):
            raise DataError("pattern %r does not parse at %d" % (pattern, pos))
        items.append((m.group(1), m.group(2)))
        pos = m.end()
    if not items:
        raise DataError("empty pattern")
    return items


def summary(locales, defaults, codes):
    problems = []

    def check(condition, message):
        if not condition:
            problems.append(message)

    lengths = {"day_abbreviations": 7, "day_names": 7, "month_abbreviations": 12, "month_names": 12, "am_pm": 2,
               "common_eras": 2, "quarter_abbreviations": 4, "quarter_names": 4, "number_patterns": 4,
               "date_time_patterns": 15, "language_names": 72, "territory_names": 109}
    token_counts = collections.Counter()
    token_locales = collections.defaultdict(set)
    for data in locales:
        name = data["name"]
        for key, length in lengths.items():
            values = data[key]
            check(len(values) == length, "%s: %s has %d entries, not %d" % (name, key, len(values), length))
            check(all(isinstance(v, str) and v for v in values), "%s: %s has a null or empty entry" % (name, key))
        check(len(data["digits"]) == 36, "%s: digits are not 36 code units" % name)
        for kind, key in (("number", "number_patterns"), ("date", "date_time_patterns")):
            tokens = NUMBER_TOKEN_NAMES if kind == "number" else DATE_TOKEN_NAMES
            for pattern in data[key]:
                try:
                    for item in parse_pattern(pattern, tokens):
                        if item[0] == "T":
                            token_counts[item[1]] += 1
                            token_locales[item[1]].add(name)
                except DataError as error:
                    problems.append("%s: %s" % (name, error))
        check(data["true"] and data["false"], "%s: empty boolean word" % name)
        indian_cldr = "#,##,##0" in data["cldr_decimal"]
        if indian_cldr != (name in INDIAN_GROUPING):
            print("  note: %s: CLDR decimal pattern %r, grouping %r" % (name, data["cldr_decimal"], data["grouping"]))
    check(codes["languages"] == sorted(codes["languages"]), "language codes are not ascending")
    check(codes["territories"] == sorted(codes["territories"]), "territory codes are not ascending")
    check(len(codes["languages"]) == 72, "%d languages, not 72" % len(codes["languages"]))
    check(len(codes["territories"]) == 109, "%d territories, not 109" % len(codes["territories"]))
    per_language = collections.Counter(language_of(n) for n in defaults)
    for language in codes["languages"]:
        expected = 2 if language == "zh" else 1
        check(per_language[language] == expected,
              "language %s has %d default locales, not %d" % (language, per_language[language], expected))
    grouped = sorted(d["name"] for d in locales if d["grouping"] == "\u0003\u0002")
    check(grouped == sorted(INDIAN_GROUPING), "three-then-twos grouping in %s" % grouped)
    non_ascii = [(d["name"], d["digits"][2:12]) for d in locales if d["digits"][2:12] != "0123456789"]
    total_texts = sum(len(d["language_names"]) + len(d["territory_names"]) for d in locales)

    print("glossagen summary")
    print("  locales: %d records with numbers and calendar, plus %s" % (len(locales), PSEUDO_LOCALE))
    print("  name tables: %d language codes, %d territory codes, %d names in all"
          % (len(codes["languages"]), len(codes["territories"]), total_texts))
    print("  language defaults: %d locales (%s has %d)" % (len(defaults), "zh", per_language["zh"]))
    print("  grouping 3 then 2: %s" % " ".join(grouped))
    print("  non-ASCII digits (%d): %s" % (len(non_ascii), " ".join("%s %s" % (n, d[0]) for n, d in non_ascii)))
    seps = collections.Counter(d["date_separator"] for d in locales)
    print("  date separators: %s" % ", ".join("%r %d" % kv for kv in sorted(seps.items())))
    seps = collections.Counter(d["time_separator"] for d in locales)
    print("  time separators: %s" % ", ".join("%r %d" % kv for kv in sorted(seps.items())))
    print("  tokens (occurrences, locales):")
    for token in sorted(token_counts):
        print("    T[%s] %d %d" % (token, token_counts[token], len(token_locales[token])))
    if problems:
        print("  PROBLEMS (%d):" % len(problems))
        for p in problems:
            print("    " + p)
    else:
        print("  all data rules hold")
    return not problems


def generate(out_dir):
    supplement = load_supplement()
    names = [n for n, _, _ in LOCALES if n != PSEUDO_LOCALE]
    codes = {"languages": sorted({language_of(n) for n in names}),
             "territories": sorted({territory_of(n) for n in names})}
    english = english_name_tables(codes["languages"], codes["territories"], supplement)
    defaults = language_defaults(names)
    rank_of = {n: i for i, (n, _, _) in enumerate(LOCALES)}

    locales = []
    for name, code_page, lcid in LOCALES:
        if name == PSEUDO_LOCALE:
            continue
        locales.append(build_locale(name, code_page, lcid, supplement, english, codes))

    os.makedirs(os.path.join(out_dir, "locales"), exist_ok=True)
    files = {}
    for data in locales:
        i18n = None
        if data["name"] == "en_US":
            i18n = {"lcid": dict((n, l) for n, _, l in LOCALES)[PSEUDO_LOCALE], "rank": rank_of[PSEUDO_LOCALE]}
        files["locales/%s.cpp" % data["name"]] = emit_unit(data, rank_of[data["name"]], data["name"] in defaults,
                                                           codes, i18n)
    files["shared_codes.h"], files["shared_codes.cpp"] = emit_shared_codes(codes)
    cmake = [line.replace("//", "#", 1) if line.startswith("//") else line
             for line in header("The locale units, in registration order.").splitlines()]
    cmake.append("set(GLOSSAPACK_LOCALE_UNITS")
    cmake += ["    locales/%s.cpp" % d["name"] for d in locales]
    cmake.append(")")
    files["locales/units.cmake"] = "\n".join(cmake) + "\n"
    for relative, text in files.items():
        with open(os.path.join(out_dir, relative), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    return summary(locales, defaults, codes)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder of the package sources (src/glossapack)")
    args = parser.parse_args()
    try:
        ok = generate(args.out)
    except DataError as error:
        print("glossagen: %s" % error, file=sys.stderr)
        return 1
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
