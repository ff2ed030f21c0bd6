// Loads glossapack once per test program and gives the tests readable views
// of the registered trees.
#ifndef GLOSSAPACK_TESTS_PACKAGE_FIXTURE_H
#define GLOSSAPACK_TESTS_PACKAGE_FIXTURE_H

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "glossa/package_loader.h"
#include "glossa/utf16.h"
#include "glossa/vx_locale.h"
#include "glossa/vx_locale_catalog.h"

namespace glossapack_test {

// Loads the package built with these tests (GLOSSAPACK_PATH); fails the
// calling test when it cannot be loaded.
inline void load_package() {
    std::string error;
    ASSERT_TRUE(glossa::load_package(GLOSSAPACK_PATH, error)) << error;
}

inline vx_locale_catalog& catalog() { return *vx_locale_catalog::GetInstance(); }

// The registered root with this name ("af_ZA"); fails the test if missing.
inline const vx_locale_storage& locale(const std::string& name) {
    const vx_locale_storage* root = catalog().find(name);
    if (root == nullptr) {
        ADD_FAILURE() << name << " is not registered";
        static const vx_locale_storage none{};
        return none;
    }
    return *root;
}

inline std::u16string u16(const char16_t* text) { return text == nullptr ? u"<null>" : std::u16string(text); }

inline std::vector<std::u16string> list(const char16_t* const* items, std::size_t length) {
    std::vector<std::u16string> out;
    for (std::size_t i = 0; i < length; ++i) {
        out.push_back(u16(items[i]));
    }
    return out;
}

// UTF-8 for failure messages.
inline std::string utf8(const std::u16string& text) { return glossa::to_utf8(text); }

class PackageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { load_package(); }
};

}  // namespace glossapack_test

#endif
