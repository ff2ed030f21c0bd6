// The pattern language: a reader for it, and every pattern of every locale
// read with it.
#include <set>
#include <string>
#include <vector>

#include "package_fixture.h"

namespace {

using glossapack_test::catalog;
using glossapack_test::u16;
using glossapack_test::utf8;

struct Item {
    bool token;
    std::u16string text;
    bool operator==(const Item& other) const { return token == other.token && text == other.text; }
};

const std::set<std::u16string> number_tokens = {u"#", u"0", u"gs", u"ds", u"-", u"E-", u"FS", u"ns", u"ne"};
const std::set<std::u16string> date_tokens = {u"dn", u"adn", u"d",   u"0d",  u"M",  u"0M", u"mt",
                                              u"amt", u"y4", u"y2",  u"era", u"12", u"012", u"23",
                                              u"023", u"m",  u"0m",  u"s",   u"0s", u"am",  u"tz"};

// Reads a whole pattern; false (with the position of the fault) unless the
// text is one or more items and every token is one of `tokens`.
bool parse(const std::u16string& pattern, const std::set<std::u16string>& tokens, std::vector<Item>& items,
           std::size_t& fault) {
    items.clear();
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        fault = pos;
        const char16_t kind = pattern[pos];
        if ((kind != u'T' && kind != u'L') || pos + 1 >= pattern.size() || pattern[pos + 1] != u'[') {
            return false;
        }
        const std::size_t close = pattern.find(u']', pos + 2);
        if (close == std::u16string::npos || close == pos + 2) {
            return false;
        }
        Item item{kind == u'T', pattern.substr(pos + 2, close - pos - 2)};
        if (item.token && tokens.count(item.text) == 0) {
            return false;
        }
        items.push_back(item);
        pos = close + 1;
    }
    fault = pos;
    return !items.empty();
}

TEST(PatternLanguage, ReaderAcceptsOnlyWholePatterns) {
    const struct {
        const char16_t* text;
        bool valid;
    } cases[] = {
        {u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]", true},
        {u"L[R]T[#]", true},
        {u"L[ ]", true},
        {u"L[\u00A0\u200F\u202A\u202C]", true},
        {u"L[[]", true},
        {u"L[ v]", true},
        {u"", false},
        {u"T[]", false},
        {u"L[]", false},
        {u"T[#", false},
        {u"L[a]]", false},
        {u"T[#] ", false},
        {u" T[#]", false},
        {u"X[#]", false},
        {u"T[xyz]", false},
        {u"T[dn]", false},  // a date token in a number pattern
        {u"t[#]", false},
        {u"T#]", false},
    };
    for (const auto& c : cases) {
        std::vector<Item> items;
        std::size_t fault = 0;
        EXPECT_EQ(parse(c.text, number_tokens, items, fault), c.valid) << utf8(c.text);
    }
}

std::size_t count(const std::vector<Item>& items, const std::u16string& token) {
    std::size_t n = 0;
    for (const Item& item : items) {
        n += item.token && item.text == token;
    }
    return n;
}

// Checks the negative-bracket pairs of one form (the part before or after T[FS]).
bool brackets_balanced(const std::vector<Item>& items) {
    int depth = 0;
    for (const Item& item : items) {
        if (item.token && item.text == u"FS") {
            if (depth != 0) return false;
        } else if (item.token && item.text == u"ns") {
            if (++depth != 1) return false;
        } else if (item.token && item.text == u"ne") {
            if (--depth != 0) return false;
        }
    }
    return depth == 0;
}

TEST(PatternLanguage, EveryNumberPatternOfEveryLocaleParses) {
    glossapack_test::load_package();
    std::size_t checked = 0;
    for (const vx_locale_storage* root : catalog().roots()) {
        if (root->m_Numeric == nullptr) {
            continue;
        }
        const std::string where = vx_locale_catalog::short_name_of(*root);
        for (int slot = 0; slot < 4; ++slot) {
            const std::u16string pattern = u16(root->m_Numeric->m_Patterns[slot]);
            std::vector<Item> items;
            std::size_t fault = 0;
            ASSERT_TRUE(parse(pattern, number_tokens, items, fault))
                << where << " slot " << slot << " at " << fault << ": " << utf8(pattern);
            ++checked;
            EXPECT_LE(count(items, u"FS"), 1u) << where << " slot " << slot;
            EXPECT_TRUE(brackets_balanced(items)) << where << " slot " << slot << ": " << utf8(pattern);
            EXPECT_GT(count(items, u"0"), 0u) << where << " slot " << slot;
            EXPECT_EQ(count(items, u"E-"), slot == 3 ? 1u : 0u) << where << " slot " << slot;
        }
    }
    EXPECT_EQ(checked, 135u * 4);
}

TEST(PatternLanguage, EveryDateTimePatternOfEveryLocaleParses) {
    glossapack_test::load_package();
    std::size_t checked = 0;
    for (const vx_locale_storage* root : catalog().roots()) {
        if (root->m_Time == nullptr) {
            continue;
        }
        const std::string where = vx_locale_catalog::short_name_of(*root);
        std::vector<std::vector<Item>> slots(15);
        for (int slot = 0; slot < 15; ++slot) {
            const std::u16string pattern = u16(root->m_Time->m_Patterns[slot]);
            std::size_t fault = 0;
            ASSERT_TRUE(parse(pattern, date_tokens, slots[slot], fault))
                << where << " slot " << slot << " at " << fault << ": " << utf8(pattern);
            ++checked;
        }
        // Dates carry a year and no hour; times an hour and minutes and no year.
        for (int slot : {0, 1, 2, 3, 12}) {
            EXPECT_EQ(count(slots[slot], u"y4") + count(slots[slot], u"y2"), 1u) << where << " slot " << slot;
            EXPECT_EQ(count(slots[slot], u"0m") + count(slots[slot], u"m"), 0u) << where << " slot " << slot;
        }
        for (int slot : {4, 5, 6, 7, 13}) {
            EXPECT_EQ(count(slots[slot], u"12") + count(slots[slot], u"012") + count(slots[slot], u"23") +
                          count(slots[slot], u"023"),
                      1u)
                << where << " slot " << slot;
            EXPECT_EQ(count(slots[slot], u"y4") + count(slots[slot], u"y2"), 0u) << where << " slot " << slot;
        }
        EXPECT_EQ(count(slots[12], u"y4"), 1u) << where;
        EXPECT_EQ(count(slots[13], u"0s") + count(slots[13], u"s"), 1u) << where;
        // Slot 14 joins slots 12 and 13 with a space (which merges into a
        // neighbouring literal).
        std::vector<Item> space = {Item{false, u" "}};
        std::vector<Item> joined;
        for (const std::vector<Item>* part : {&slots[12], &space, &slots[13]}) {
            for (const Item& item : *part) {
                if (!item.token && !joined.empty() && !joined.back().token) {
                    joined.back().text += item.text;
                } else {
                    joined.push_back(item);
                }
            }
        }
        EXPECT_TRUE(joined == slots[14]) << where;
    }
    EXPECT_EQ(checked, 135u * 15);
}

}  // namespace
