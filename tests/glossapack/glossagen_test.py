#!/usr/bin/python3
"""Tests of glossagen's conversion of CLDR patterns into the pattern language.

Run with Debian's Python: /usr/bin/python3 tests/glossapack/glossagen_test.py
Exits with 3 (a skip) when python3-babel or python3-icu is missing."""

import importlib.util
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "..", "..", "tools", "glossagen", "glossagen.py")

generator_source = importlib.util.spec_from_file_location("glossagen", GENERATOR)
glossagen = importlib.util.module_from_spec(generator_source)
sys.dont_write_bytecode = True
generator_source.loader.exec_module(glossagen)  # exits with 3 without Babel or ICU

SYMBOLS = {"percent": "%", "currency": "$"}


class NumberPatterns(unittest.TestCase):
    def convert(self, pattern, trailing_minus=False):
        return glossagen.number_pattern(pattern, SYMBOLS, trailing_minus)

    def test_negative_forms(self):
        cases = [
            # the usual leading minus is left to the catalog
            ("#,##0.00;-#,##0.00", "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]"),
            ("#,##0.00", "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]"),
            # accounting brackets become the negative bracket tokens
            ("\u00a4#,##0.00;(\u00a4#,##0.00)", "T[ns]L[$]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[ne]"),
            # a sign somewhere else is placed with T[-]
            ("#,##0.00;#,##0.00-", "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[-]"),
            # a negative form that differs otherwise is given after T[FS]
            ("\u00a4 #,##0.00;\u00a4-#,##0.00",
             "L[$ ]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]L[$]T[-]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]"),
        ]
        for pattern, expected in cases:
            with self.subTest(pattern=pattern):
                self.assertEqual(self.convert(pattern), expected)

    def test_trailing_minus_for_arabic_script(self):
        self.assertEqual(self.convert("#,##0%", trailing_minus=True), "T[#]T[gs]T[#]T[#]T[0]L[%]T[-]")
        # a pattern that already places its sign keeps it
        self.assertEqual(self.convert("#,##0;#,##0-", trailing_minus=True), "T[#]T[gs]T[#]T[#]T[0]T[-]")

    def test_quotes_and_symbols(self):
        self.assertEqual(self.convert("'#'0 ''x"), "L[#]T[0]L[ 'x]")
        self.assertEqual(self.convert(glossagen.SCIENTIFIC_PATTERN),
                         "T[0]T[ds]T[0]" + "T[#]" * 13 + "T[E-]T[0]")

    def test_plain_numbers_show_two_fraction_digits(self):
        self.assertEqual(glossagen.two_fraction_digits("#,##0.###"), "#,##0.##")
        self.assertEqual(glossagen.two_fraction_digits("#,##,##0.###;-#,##,##0.###"), "#,##,##0.##;-#,##,##0.##")
        self.assertEqual(glossagen.two_fraction_digits("#,##0"), "#,##0")


class DatePatterns(unittest.TestCase):
    def test_letters_and_literals(self):
        cases = [
            ("EEEE, MMMM d, y", "T[dn]L[, ]T[mt]L[ ]T[d]L[, ]T[y4]"),
            ("EEE dd.MM.yy", "T[adn]L[ ]T[0d]L[.]T[0M]L[.]T[y2]"),
            ("MMM LLLL", "T[amt]L[ ]T[mt]"),
            ("h:mm:ss a zzzz", "T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]L[ ]T[tz]"),
            ("HH.mm", "T[023]L[.]T[0m]"),
            ("H:m:s", "T[23]L[:]T[m]L[:]T[s]"),
            ("GGGG y", "T[era]L[ ]T[y4]"),
            ("h:mm a v", "T[12]L[:]T[0m]L[ ]T[am]L[ v]"),
            ("d 'de' MMMM", "T[d]L[ de ]T[mt]"),
            ("h 'o''clock'", "T[12]L[ o'clock]"),
        ]
        for pattern, expected in cases:
            with self.subTest(pattern=pattern):
                self.assertEqual(glossagen.date_pattern(pattern), expected)

    def test_square_brackets_become_fullwidth_so_the_pattern_parses(self):
        converted = glossagen.date_pattern("Bh:mm:ss [zzzz]")
        self.assertEqual(converted, "T[am]T[12]L[:]T[0m]L[:]T[0s]L[ \uff3b]T[tz]L[\uff3d]")
        glossagen.parse_pattern(converted, glossagen.DATE_TOKEN_NAMES)

    def test_unwritable_literal_is_refused(self):
        with self.assertRaises(glossagen.DataError):
            glossagen.render([("L", "")])

    def test_date_time_join_keeps_the_order_and_uses_one_space(self):
        date = glossagen.date_items("d/M/y")
        time = glossagen.date_items("H:mm")
        self.assertEqual(glossagen.render(glossagen.join_date_time("{1} 'at' {0}", date, time)),
                         "T[d]L[/]T[M]L[/]T[y4]L[ ]T[23]L[:]T[0m]")
        self.assertEqual(glossagen.render(glossagen.join_date_time("{0}, {1}", date, time)),
                         "T[23]L[:]T[0m]L[ ]T[d]L[/]T[M]L[/]T[y4]")

    def test_reader_rejects_what_is_no_pattern(self):
        for text in ["", "T[]", "L[]", "T[#", "T[xyz]", "L[a]]", "T[#] "]:
            with self.subTest(text=text), self.assertRaises(glossagen.DataError):
                glossagen.parse_pattern(text, glossagen.NUMBER_TOKEN_NAMES)


class Texts(unittest.TestCase):
    def test_cxx_literals(self):
        self.assertEqual(glossagen.cxx_text16("a\"b\\"), 'u"a\\"b\\\\"')
        self.assertEqual(glossagen.cxx_text16("\u0003\u0002"), 'u"\\003\\002"')
        self.assertEqual(glossagen.cxx_text16("x\u00a0\u200f\u202a"), 'u"x\\u00A0\\u200F\\u202A"')
        self.assertEqual(glossagen.cxx_text16("Albanië"), 'u"Albanië"')
        with self.assertRaises(glossagen.DataError):
            glossagen.cxx_text8("é")

    def test_language_defaults(self):
        names = [n for n, _, _ in glossagen.LOCALES if n != glossagen.PSEUDO_LOCALE]
        defaults = glossagen.language_defaults(names)
        for name in ["af_ZA", "ar_SA", "de_DE", "en_US", "es_ES", "fr_FR", "pt_BR", "zh_CN", "zh_TW", "sr_CS"]:
            self.assertIn(name, defaults)
        for name in ["ar_AE", "de_AT", "en_GB", "pt_PT", "zh_HK", "es_MX"]:
            self.assertNotIn(name, defaults)
        self.assertEqual(len(defaults), 73)


if __name__ == "__main__":
    unittest.main()
