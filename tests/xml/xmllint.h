// Holds the writer's documents to a real XML parser: xmllint, from
// Debian's libxml2-utils.
#pragma once

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace xml_test {

// Empty when xmllint can be run here; otherwise the reason it cannot.
inline std::string xmllint_missing_reason()
{
#if defined(_WIN32)
    return "xmllint is run only on the host build, not on Windows";
#else
    if (!std::filesystem::exists("/usr/bin/xmllint"))
        return "/usr/bin/xmllint not found (libxml2-utils; tools/install-deps.sh installs it)";
    return "";
#endif
}

struct LintResult {
    int status;
    std::string out;
    std::string err;
};

// Runs /usr/bin/xmllint with args on doc, written into a temporary file.
inline LintResult run_xmllint(const std::string& args, const std::string& doc)
{
    test_support::TempDir dir;
    const std::filesystem::path in = dir / "doc.xml";
    test_support::write_file(in, doc);
    const std::string command = "/usr/bin/xmllint " + args + " '" + in.string() + "' >'" + (dir / "out").string() +
                                "' 2>'" + (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    return {status, test_support::read_file(dir / "out"), test_support::read_file(dir / "err")};
}

// Passes when xmllint accepts doc as a well-formed document, and also where
// xmllint cannot be run (the parser tests then report the skip).
inline ::testing::AssertionResult well_formed(const std::string& doc)
{
    if (!xmllint_missing_reason().empty()) return ::testing::AssertionSuccess();
    const LintResult r = run_xmllint("--noout", doc);
    if (r.status == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "xmllint rejects the document:\n" << r.err << "document:\n" << doc;
}

} // namespace xml_test
