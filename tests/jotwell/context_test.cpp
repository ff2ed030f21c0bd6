// Per-thread contexts, the default activity filter and the statement record.
#include <jotwell/admin.h>
#include <jotwell/context.h>
#include <jotwell/kitbase/native.h>

#include "jotwell/runtime/env_flags.h"
#include "jotwell/runtime/library_state.h"
#include "jotwell/runtime/logger_access.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <thread>
#include <vector>

using namespace Jotwell;
using Context::SubFields;

namespace {

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The line numbers of the echo lines in text, in order.
std::vector<int> echo_numbers(const std::string& text)
{
    std::vector<int> numbers;
    const std::regex head("^\"\\.\\./src/\\.\\\\Jotwell\", line ([0-9]+): \\(Thr-[0-9]+\\): .*$");
    for (const std::string& line : lines_of(text)) {
        std::smatch m;
        EXPECT_TRUE(std::regex_match(line, m, head)) << line;
        if (!m.empty()) numbers.push_back(std::stoi(m[1]));
    }
    return numbers;
}

class EchoOn {
public:
    EchoOn()
    {
        test_support::set_env("VX_TRACE_ECHO", "1");
        EnvFlags::reload_for_test();
    }
    ~EchoOn()
    {
        test_support::unset_env("VX_TRACE_ECHO");
        EnvFlags::reload_for_test();
    }
};

// Stands in for the default trace service, which belongs to a later step
// of the start.
class DefaultLogos {
public:
    explicit DefaultLogos(Logos* l) : old_(LibraryState::default_logos()) { LibraryState::set_default_logos(l); }
    ~DefaultLogos() { LibraryState::set_default_logos(old_); }

private:
    Logos* old_;
};

Logos* fake_logos(int n) { return reinterpret_cast<Logos*>(static_cast<std::uintptr_t>(0x1000 * n)); }

} // namespace

TEST(SubFieldsTest, TextForms)
{
    SubFields root;
    EXPECT_TRUE(root.empty());
    EXPECT_EQ("", root.text());

    SubFields one("Billing");
    EXPECT_FALSE(one.empty());
    EXPECT_EQ("Billing", one.text());

    // An empty part is still a part.
    EXPECT_FALSE(SubFields(std::string()).empty());
    EXPECT_EQ("", SubFields(std::string()).text());

    SubFields path(std::string("a"));
    EXPECT_EQ("a", path.text());
    path.append(42).append("c");   // the cached "a" must not survive an append
    EXPECT_EQ("a/42/c", path.text());
    SubFields copy = path;
    EXPECT_EQ("a/42/c", copy.text());
    copy.append_part("d");
    EXPECT_EQ("a/42/c/d", copy.text());
    EXPECT_EQ("a/42/c", path.text());

    std::ostringstream os;
    os << Context::Position(SubFields("Invoice"), SubFields("42")) << ' ' << Context::Position();
    EXPECT_EQ("Invoice#42 #", os.str());
    EXPECT_TRUE(Context::Position().empty());
    EXPECT_FALSE(Context::Position(SubFields(), SubFields("7")).empty());
}

TEST(ContextTest, OnlyTheOutermostScopeOwnsTheContext)
{
    ASSERT_EQ(nullptr, Context::get_data());
    {
        Context::WithContext outer;
        ASSERT_NE(nullptr, outer.data());
        EXPECT_TRUE(outer.is_owner());
        EXPECT_EQ(outer.data(), Context::get_data());
        {
            Context::WithContext inner;
            EXPECT_FALSE(inner.is_owner());
            EXPECT_EQ(outer.data(), inner.data());
        }
        EXPECT_EQ(outer.data(), Context::get_data());

        Context::Data& d = *outer.data();
        EXPECT_EQ(0u, d.major_tick);
        EXPECT_EQ(0u, d.minor_depth);
        EXPECT_TRUE(d.root.empty() && d.callee.empty() && d.user.empty());
        EXPECT_TRUE(d.calls.empty());
        EXPECT_GE(d.calls.capacity(), 2u);
        EXPECT_FALSE(d.auto_installed);
    }
    EXPECT_EQ(nullptr, Context::get_data());
}

TEST(ContextTest, EachThreadHasItsOwn)
{
    Context::WithContext mine;
    Context::Data* other = nullptr;
    Context::Data* other_before = mine.data();
    std::thread t([&] {
        other_before = Context::get_data();
        Context::WithContext scope;
        other = scope.data();
    });
    t.join();
    EXPECT_EQ(nullptr, other_before);
    EXPECT_NE(nullptr, other);
    EXPECT_NE(mine.data(), other);
    EXPECT_EQ(mine.data(), Context::get_data());
}

TEST(ContextTest, RoutingFallsBackToTheDefaultService)
{
    DefaultLogos def(fake_logos(1));
    EXPECT_EQ(fake_logos(1), Context::get_logos(nullptr));

    Context::WithContext scope;
    Context::Data* d = scope.data();
    EXPECT_EQ(fake_logos(1), d->logos());
    EXPECT_EQ(fake_logos(1), Context::get_logos(d));
    EXPECT_EQ(d, d->set_logos(fake_logos(2)));
    EXPECT_EQ(fake_logos(2), Context::get_logos(d));
    d->set_logos(nullptr);
    EXPECT_EQ(fake_logos(1), Context::get_logos(d));
}

TEST(ContextTest, EchoLines)
{
    DefaultLogos def(fake_logos(3));
    EchoOn echo;
    std::string text;
    {
        test_support::CaptureCout capture;
        {
            Context::WithContext outer;
            Context::WithContext inner;
            Context::get_logos(Context::get_data());
            Context::get_logos(nullptr);
            outer.data()->set_logos(nullptr);
        }
        text = capture.text();
    }
    const std::vector<int> expected = {
        2255, 2246, 2258, 2260, 2263,     // outer installs
        2255, 2246, 2258, 2265,           // inner finds it
        2246, 2297, 2299, 752, 2301,      // routed through the context
        2297, 2304,                       // no context
        2568, 2571,                       // back to the default
        2284, 2286, 2290,                 // outer deletes it
    };
    EXPECT_EQ(expected, echo_numbers(text)) << text;

    const std::vector<std::string> lines = lines_of(text);
    ASSERT_EQ(expected.size(), lines.size());
    std::ostringstream tid;
    tid << "(Thr-" << Kitbase::Native::current_thread_id() << "): ";
    EXPECT_NE(std::string::npos, lines[0].find(tid.str() + "install_data ()"));
    EXPECT_NE(std::string::npos, lines[2].find("install_data (), is_owner=1, data=0"));
    EXPECT_NE(std::string::npos, lines[3].find("install_data (), before new Context::Data"));
    EXPECT_NE(std::string::npos, lines[4].find("install_data (), after  new Context::Data"));
    EXPECT_NE(std::string::npos, lines[7].find("install_data (), is_owner=0, data=0x"));
    EXPECT_NE(std::string::npos, lines[15].find("get_logos (), returning default logos=0x3000"));
    EXPECT_NE(std::string::npos, lines[16].find("Data::set_logos (), x is logos=0"));
    EXPECT_NE(std::string::npos, lines[17].find("Data::set_logos (), logos_ is now logos=0x3000, returning data=0x"));
    EXPECT_NE(std::string::npos, lines[20].find("uninstall_data () at end"));
}

TEST(ActivityFilterTest, DefaultFilter)
{
    const struct {
        std::int32_t level;
        std::int32_t severity;
        bool active;
        std::int32_t threshold;
        bool expected;
    } cases[] = {
        {4, 2, false, 2, false},   // Error, default configuration
        {4, 3, false, 2, true},    // Assert passes whatever the configuration
        {2, 0, true, 3, false},    // M below L
        {3, 0, true, 3, true},     // L
        {4, 0, true, 3, true},     // XL
        {3, 1, true, 3, true},     // Warning
        {4, 2, true, 3, true},     // Error
        {0, 5, false, 4, true},    // severity beyond the assertion
        {2, -1, true, 2, true},    // negative severity is plain
        {2, -1, false, 2, false},
        {-3, 0, true, -4, true},   // levels compare signed
        {-5, 0, true, -4, false},
    };
    const Admin::IsActive filter;
    for (const auto& c : cases) {
        Config config;
        config.active = c.active;
        config.importance.level = c.threshold;
        const Importance imp = {c.level, c.severity, nullptr, 0};
        EXPECT_EQ(c.expected, filter(imp, Logger::Plain, config, nullptr))
            << "level " << c.level << " severity " << c.severity << " active " << c.active << " threshold "
            << c.threshold;
        // The default filter looks at neither the tag nor the context.
        Context::WithContext scope;
        EXPECT_EQ(c.expected, filter(imp, Logger::Open, config, scope.data()));
    }
}

namespace {
struct Silence : Admin::IsActive {
    bool operator()(const Importance&, Logger::Tag, const Config&, Context::Data*) const override { return false; }
};
} // namespace

TEST(ActivityFilterTest, DerivedFilterReplacesTheDefault)
{
    Silence silence;
    const Admin::IsActive& filter = silence;
    EXPECT_FALSE(filter(Assert, Logger::Plain, Config(), nullptr));
}

TEST(LoggerTest, IdleStatementCarriesACopyOfItsConfiguration)
{
    Config live;
    live.size = 5;
    const Importance imp = {3, 1, "f.cpp", 9};
    Context::WithContext scope;
    std::unique_ptr<Logger> l = LoggerAccess::make(imp, Logger::Open, live, scope.data());
    live.size = 6;
    EXPECT_EQ(5u, l->config().size);
    EXPECT_EQ(&imp, &l->importance());
    EXPECT_EQ(Logger::Open, l->tag());
    EXPECT_EQ(scope.data(), l->data());
    EXPECT_EQ(nullptr, l->logos());
    EXPECT_EQ(nullptr, l->stream());
    EXPECT_EQ(0, Logger::Plain);
    EXPECT_EQ(1, Logger::Open);
    EXPECT_EQ(2, Logger::Close);
}
