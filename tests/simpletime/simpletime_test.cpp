#include <jotwell/simpletime.h>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace SimpleTime;

namespace {

template <class T>
std::string str(const T& v)
{
    std::ostringstream ss;
    ss << v;
    return ss.str();
}

} // namespace

TEST(Duration, ConstantsRatiosAndIdentity)
{
    EXPECT_EQ(Second / Millisecond, 1000.0);
    EXPECT_EQ(Day / Hour, 24.0);
    EXPECT_EQ(Hour / Minute, 60.0);
    EXPECT_EQ(Minute / Second, 60.0);
    EXPECT_TRUE(Duration() == Zero);
    EXPECT_EQ(&Duration::Second, &SimpleTime::Second);
    EXPECT_EQ(&Duration::Zero, &SimpleTime::Zero);
    EXPECT_EQ(&Duration::Day, &SimpleTime::Day);
}

TEST(Duration, Arithmetic)
{
    Duration d = 5 * Second;
    d += Millisecond * 250.0;
    EXPECT_EQ(d / Millisecond, 5250.0);
    d -= Second;
    EXPECT_EQ(d / Millisecond, 4250.0);
    d *= 2;
    EXPECT_EQ(d / Millisecond, 8500.0);
    d /= 4.0;
    EXPECT_EQ(d / Millisecond, 2125.0);
    EXPECT_EQ((-d) / Millisecond, -2125.0);
    EXPECT_EQ((Minute * 0.5) / Second, 30.0);
    EXPECT_TRUE(Second < Minute);
    EXPECT_TRUE(Minute >= Minute);
    EXPECT_FALSE(Second >= Minute);
    EXPECT_TRUE(Second + Second == 2 * Second);
    // A NaN factor divides like any other.
    Duration n = Second;
    n /= std::nan("");
    EXPECT_TRUE(std::isnan(n / Second));
}

TEST(Duration, ChopKeepsTheSignOfTheDividend)
{
    Duration d = 2500 * Millisecond;
    d %= Second;
    EXPECT_EQ(d / Millisecond, 500.0);

    Duration neg = -2500 * Millisecond;
    EXPECT_EQ(&neg.chop(Second), &neg);
    EXPECT_EQ(neg / Millisecond, -500.0);

    const Duration c = 2500 * Millisecond;
    EXPECT_EQ(c.chop(Second) / Millisecond, 500.0);
    EXPECT_EQ(c / Millisecond, 2500.0);

    // Quotients beyond 32 bits still leave a finite value.
    Duration huge = Day * 1e9;
    huge %= Millisecond;
    EXPECT_TRUE(std::isfinite(huge / Millisecond));
}

TEST(Duration, ZeroDivisorsThrow)
{
    Duration d = Second;
    EXPECT_THROW(d.chop(Zero), DivideByZero);
    EXPECT_THROW(d %= Zero, DivideByZero);
    EXPECT_THROW(static_cast<const Duration&>(d).chop(Zero), DivideByZero);
    EXPECT_THROW(d /= 0.0, DivideByZero);
    EXPECT_THROW((void)(Second / Zero), DivideByZero);
    EXPECT_EQ(d / Second, 1.0);  // untouched by the refused operations
}

TEST(Duration, PrintedForm)
{
    const struct {
        Duration value;
        const char* text;
    } cases[] = {
        {Zero, "0"},
        {1.5 * Second, "1.5"},
        {-0.25 * Second, "-0.25"},
        {Minute + Second, "1:1"},
        {Hour, "1:0:0"},
        {Day + Hour + Minute + 1.5 * Second, "1::1:1:1.5"},
        {12.3456789 * Second, "12.3457"},
        {Minute + 59.9999999 * Second, "1:60"},
        {-(Hour + 2 * Second), "-1:0:2"},
        {3 * Day, "3::0:0:0"},
        {Millisecond, "0.001"},
    };
    for (const auto& c : cases) EXPECT_EQ(str(c.value), c.text);

    std::ostringstream fixed;
    fixed.setf(std::ios::fixed);
    fixed.precision(2);
    fixed << 1.5 * Second;
    EXPECT_EQ(fixed.str(), "1.50");
}

TEST(UtcTime, ConversionsBothWays)
{
    EXPECT_EQ(str(UtcTime()), "1970/01/01 00:00:00.000");
    EXPECT_TRUE(UtcTime().physicalTime() == PhysicalTime());

    PhysicalTime p;
    p += 1500.9 * Millisecond;
    UtcTime u(p);
    EXPECT_EQ(u.second, 1);
    EXPECT_EQ(u.millisecond, 500);

    UtcTime t(2005, 3, 7, 9, 5, 2, 42);
    EXPECT_EQ(str(t), "2005/03/07 09:05:02.042");
    const PhysicalTime tp = t.physicalTime();
    EXPECT_EQ((tp - PhysicalTime()) / Millisecond, 1110186302042.0);
    const UtcTime back(tp);
    EXPECT_EQ(str(back), "2005/03/07 09:05:02.042");

    // Round trip truncates to the whole millisecond.
    PhysicalTime q = tp;
    q += 0.7 * Millisecond;
    EXPECT_TRUE(UtcTime(q).physicalTime() == tp);

    // Fields out of range carry over.
    EXPECT_EQ(str(UtcTime(UtcTime(2005, 1, 32).physicalTime())), "2005/02/01 00:00:00.000");
    EXPECT_EQ(str(UtcTime(UtcTime(2004, 2, 29, 24, 0, 0).physicalTime())), "2004/03/01 00:00:00.000");
}

TEST(UtcTime, TimesBeforeTheEpochAreRefused)
{
    EXPECT_THROW(UtcTime(1969, 12, 31, 23, 59, 59).physicalTime(), IncorrectUtcTime);
    EXPECT_THROW(UtcTime(1900, 1, 1).physicalTime(), IncorrectUtcTime);
    EXPECT_NO_THROW(UtcTime(1970, 1, 1, 0, 0, 0).physicalTime());
}

TEST(UtcTime, PrintWidthsSeparatorsAndFill)
{
    UtcTime::Separator underscores;
    underscores.date = underscores.dateTime = underscores.time = underscores.fraction = '_';
    std::ostringstream ss;
    ss.fill('*');
    UtcTime(2005, 3, 7, 9, 5, 2, 42).print(ss, underscores);
    EXPECT_EQ(ss.str(), "2005_03_07_09_05_02_042");
    EXPECT_EQ(ss.fill(), ' ');

    EXPECT_EQ(str(UtcTime(12345, 1, 1)), "12345/01/01 00:00:00.000");
    EXPECT_EQ(str(UtcTime(7, 1, 1)), "0007/01/01 00:00:00.000");
}

TEST(PhysicalTime, PrintedFormAndComparisons)
{
    EXPECT_EQ(str(PhysicalTime()), "1970/01/01 00:00:00.000");
    PhysicalTime before;
    before -= 1500 * Millisecond;
    EXPECT_EQ(str(before), "-1.5");
    EXPECT_TRUE(before < PhysicalTime());
    EXPECT_TRUE((PhysicalTime() - before) == 1500 * Millisecond);
    EXPECT_TRUE((before - Second) < before);
}

TEST(Clock, NowIsCurrentAndMovesForward)
{
    const PhysicalTime a = SimpleTime::clock().now();
    const UtcTime u(a);
    EXPECT_GE(u.year, 2024);
    const PhysicalTime b = SimpleTime::clock().now();
    EXPECT_FALSE(b < a);
}
