#include <jotwell/kitbase/native.h>
#include <jotwell/simpletime.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sstream>
#include <thread>

using namespace Kitbase::Native;

namespace {

template <class E>
std::string printed(const E& e)
{
    std::ostringstream ss;
    e.print(ss);
    return ss.str();
}

} // namespace

TEST(ExceptionFamily, PrintGivesTheMessageWhatStaysGeneric)
{
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {printed(SimpleTime::Exception()), "unknown SimpleTime::Exception"},
        {printed(SimpleTime::IncorrectUtcTime()), "incorrect SimpleTime::UtcTime"},
        {printed(SimpleTime::DivideByZero()), "cannot DivideByZero a SimpleTime::Duration"},
        {printed(CannotCreateTls()), "cannot create tls"},
        {printed(CannotSetTls()), "cannot set tls"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);

    try {
        throw SimpleTime::DivideByZero();
    } catch (const Kitbase::Exception& e) {
        EXPECT_STREQ(e.what(), "Kitbase::Exception");
        EXPECT_EQ(printed(e), "cannot DivideByZero a SimpleTime::Duration");
        const Kitbase::Exception& copy = SimpleTime::DivideByZero(static_cast<const SimpleTime::DivideByZero&>(e));
        EXPECT_STREQ(copy.what(), "Kitbase::Exception");
    }
    EXPECT_THROW(throw CannotSetTls(), std::runtime_error);
    EXPECT_THROW(throw SimpleTime::IncorrectUtcTime(), SimpleTime::Exception);
}

TEST(Mutex, IsReentrantAndGuardUnlocksOnce)
{
    Mutex m;
    m.lock();
    m.lock();  // a critical section may be entered again by its owner
    m.unlock();
    m.unlock();

    std::atomic<bool> taken{false};
    m.lock();
    {
        Guard g(m);
        g.unlock();
        // The destructor must not unlock a second time: that would release
        // the hold taken above, and the other thread would get in.
    }
    std::thread t([&] {
        m.lock();
        taken = true;
        m.unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(taken.load());
    m.unlock();
    t.join();
    EXPECT_TRUE(taken.load());
}

TEST(RecursiveMutex, SecondThreadWaitsForTheOutermostUnlock)
{
    RecursiveMutex rm;
    EXPECT_EQ(rm.count(), 0);
    rm.lock();
    rm.lock();
    rm.lock();
    EXPECT_EQ(rm.count(), 3);
    EXPECT_EQ(rm.owner(), current_thread_id());

    std::atomic<int> stage{0};
    std::atomic<std::int32_t> count_seen{0};
    std::atomic<std::uint32_t> owner_seen{0};
    std::uint32_t other_id = 0;
    std::thread t([&] {
        other_id = current_thread_id();
        stage = 1;
        rm.lock();
        count_seen = rm.count();
        owner_seen = rm.owner();
        stage = 2;
        rm.unlock();
    });
    while (stage.load() < 1) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    rm.unlock();
    rm.unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(stage.load(), 1) << "the waiter got the lock before the outermost unlock";
    rm.unlock();
    t.join();
    EXPECT_EQ(stage.load(), 2);
    EXPECT_EQ(count_seen.load(), 1);
    EXPECT_EQ(owner_seen.load(), other_id);
    EXPECT_NE(other_id, 0u);
    EXPECT_EQ(rm.count(), 0);
    EXPECT_EQ(rm.owner(), 0u);
}

TEST(RecursiveMutex, ExcludesUnderContention)
{
    RecursiveMutex rm;
    long counter = 0;
    auto work = [&] {
        for (int i = 0; i < 20000; ++i) {
            rm.lock();
            rm.lock();
            ++counter;
            rm.unlock();
            rm.unlock();
        }
    };
    std::thread a(work), b(work), c(work);
    a.join();
    b.join();
    c.join();
    EXPECT_EQ(counter, 60000);
}

TEST(Tls, EachThreadSeesItsOwnValue)
{
    Tls slot;
    int a = 1, b = 2;
    EXPECT_EQ(slot.get(), nullptr);
    EXPECT_EQ(slot.set(&a), nullptr);
    EXPECT_EQ(slot.set(&b), &a);
    EXPECT_EQ(slot.get(), &b);

    void* seen_first = &a;
    void* previous = &a;
    std::thread t([&] {
        seen_first = slot.get();
        int c = 3;
        previous = slot.set(&c);
        slot.set(nullptr);
    });
    t.join();
    EXPECT_EQ(seen_first, nullptr);
    EXPECT_EQ(previous, nullptr);
    EXPECT_EQ(slot.get(), &b);

    Tls other;
    EXPECT_EQ(other.get(), nullptr);
    slot.set(nullptr);
}

TEST(ThreadId, IsTheSystemsAndDiffersBetweenThreads)
{
    const std::uint32_t mine = current_thread_id();
    std::uint32_t theirs = mine;
    std::thread t([&] { theirs = current_thread_id(); });
    t.join();
    EXPECT_NE(mine, 0u);
    EXPECT_NE(mine, theirs);
}
