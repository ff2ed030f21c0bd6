// Durations, physical times, UTC calendar times and the process clock.
#include <jotwell/simpletime.h>

#include "kitbase/native/os.h"

#include <cstdint>
#include <ctime>
#include <iomanip>

namespace SimpleTime {

// The constants' storage. The references below are bound to it by static
// initialisation; SimpleTimeInitExit::init() stores the values.
namespace {
Duration constant_storage[6];
const Clock* process_clock = nullptr;
int live_instances = 0;
} // namespace

// This unit's own start object, constructed before anything here is used.
namespace {
SimpleTimeInitExit own_instance;
} // namespace

const Duration& Duration::Zero = constant_storage[0];
const Duration& Duration::Millisecond = constant_storage[1];
const Duration& Duration::Second = constant_storage[2];
const Duration& Duration::Minute = constant_storage[3];
const Duration& Duration::Hour = constant_storage[4];
const Duration& Duration::Day = constant_storage[5];

const Duration& Zero = constant_storage[0];
const Duration& Millisecond = constant_storage[1];
const Duration& Second = constant_storage[2];
const Duration& Minute = constant_storage[3];
const Duration& Hour = constant_storage[4];
const Duration& Day = constant_storage[5];

std::ostream& Exception::print(std::ostream& os) const { return os << "unknown SimpleTime::Exception"; }
std::ostream& IncorrectUtcTime::print(std::ostream& os) const { return os << "incorrect SimpleTime::UtcTime"; }
std::ostream& DivideByZero::print(std::ostream& os) const
{
    return os << "cannot DivideByZero a SimpleTime::Duration";
}

Duration& Duration::operator+=(const Duration& d) { ms_ += d.ms_; return *this; }
Duration& Duration::operator-=(const Duration& d) { ms_ -= d.ms_; return *this; }
Duration& Duration::operator*=(double factor) { ms_ *= factor; return *this; }
Duration& Duration::operator*=(int factor) { ms_ *= static_cast<double>(factor); return *this; }

Duration& Duration::operator/=(double factor)
{
    if (factor == 0.0) throw DivideByZero();
    ms_ /= factor;
    return *this;
}

namespace {

// The whole quotient, truncated toward zero into 32 bits. A quotient that
// does not fit is clamped, so the remainder stays finite.
std::int32_t whole_quotient(double q)
{
    if (!(q == q)) return 0;
    if (q >= 2147483647.0) return INT32_MAX;
    if (q <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(q);
}

} // namespace

Duration& Duration::operator%=(const Duration& d)
{
    const double q = *this / d;
    const std::int32_t n = whole_quotient(q);
    ms_ -= static_cast<double>(n) * d.ms_;
    return *this;
}

Duration& Duration::chop(const Duration& d) { return *this %= d; }

Duration Duration::chop(const Duration& d) const
{
    Duration r(*this);
    r %= d;
    return r;
}

bool operator==(const Duration& a, const Duration& b) { return a.ms_ == b.ms_; }
bool operator<(const Duration& a, const Duration& b) { return a.ms_ < b.ms_; }

double operator/(const Duration& a, const Duration& b)
{
    if (b.ms_ == 0.0) throw DivideByZero();
    return a.ms_ / b.ms_;
}

std::ostream& operator<<(std::ostream& os, const Duration& v)
{
    if (v < Zero) os << '-';
    const Duration a = v < Duration::Zero ? -v : v;

    Duration rest = a;
    const std::int32_t days = whole_quotient(rest / Day);
    rest -= Day * static_cast<double>(days);
    const std::int32_t hours = whole_quotient(rest / Hour);
    rest -= Hour * static_cast<double>(hours);
    const std::int32_t minutes = whole_quotient(rest / Minute);
    rest -= Minute * static_cast<double>(minutes);
    const double seconds = rest / Second;

    if (a >= Day) os << days << "::";
    if (a >= Hour) os << hours << ':';
    if (a >= Minute) os << minutes << ':';
    const std::int64_t micro = static_cast<std::int64_t>(seconds * 1000000.0 + 0.5);
    return os << static_cast<double>(micro) * 0.000001;
}

PhysicalTime& PhysicalTime::operator+=(const Duration& d) { ms_ += d.ms_; return *this; }
PhysicalTime& PhysicalTime::operator-=(const Duration& d) { ms_ -= d.ms_; return *this; }

Duration operator-(const PhysicalTime& a, const PhysicalTime& b) { return Duration(a.ms_ - b.ms_); }
bool operator==(const PhysicalTime& a, const PhysicalTime& b) { return a.ms_ == b.ms_; }
bool operator<(const PhysicalTime& a, const PhysicalTime& b) { return a.ms_ < b.ms_; }

std::ostream& operator<<(std::ostream& os, const PhysicalTime& p)
{
    const Duration d = p - PhysicalTime();
    if (d < Duration::Zero) return os << d;
    return os << UtcTime(p);
}

UtcTime::UtcTime(int year_, int month_, int day_, int hour_, int minute_, int second_, int millisecond_)
    : year(year_), month(month_), day(day_), hour(hour_), minute(minute_), second(second_),
      millisecond(millisecond_)
{
}

UtcTime::UtcTime(const PhysicalTime& p)
    : year(1970), month(1), day(1), hour(0), minute(0), second(0), millisecond(0)
{
    Duration d = p - PhysicalTime();
    const double s = d / Second;
    // Seconds beyond 32 bits are taken whole here, so far dates still
    // break down; the sub-second rest is the same either way.
    const double whole = s < 0 ? -static_cast<double>(static_cast<std::int64_t>(-s))
                               : static_cast<double>(static_cast<std::int64_t>(s));
    d -= Second * whole;
    millisecond = whole_quotient(d / Millisecond);

    std::tm tm{};
    if (Kitbase::Native::Os::utc_breakdown(static_cast<std::int64_t>(whole), tm)) {
        year = tm.tm_year + 1900;
        month = tm.tm_mon + 1;
        day = tm.tm_mday;
        hour = tm.tm_hour;
        minute = tm.tm_min;
        second = tm.tm_sec;
    }
}

PhysicalTime UtcTime::physicalTime() const
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = 0;
    std::int64_t seconds = 0;
    if (!Kitbase::Native::Os::utc_seconds(tm, seconds)) throw IncorrectUtcTime();
    PhysicalTime p;
    p += Millisecond * (static_cast<double>(seconds) * 1000.0 + static_cast<double>(millisecond));
    return p;
}

std::ostream& UtcTime::print(std::ostream& os, const Separator& sep) const
{
    os.fill('0');
    os << std::setw(4) << year << sep.date << std::setw(2) << month << sep.date << std::setw(2) << day
       << sep.dateTime << std::setw(2) << hour << sep.time << std::setw(2) << minute << sep.time
       << std::setw(2) << second << sep.fraction << std::setw(3) << millisecond;
    os.fill(' ');
    return os;
}

Clock::~Clock() {}

namespace {

class NativeClockImpl : public Clock {
public:
    PhysicalTime now() const override
    {
        std::int64_t seconds = 0;
        int milliseconds = 0;
        Kitbase::Native::Os::wall_clock(seconds, milliseconds);
        PhysicalTime p;
        p += (static_cast<double>(seconds) * 1000.0 + milliseconds) * Millisecond;
        return p;
    }
};

} // namespace

const Clock& clock()
{
    // Outside the library's lifetime, a clock of the same kind keeps
    // callers safe; it has no state to go stale.
    static const NativeClockImpl fallback;
    return process_clock ? *process_clock : fallback;
}

void SimpleTimeInitExit::init()
{
    constant_storage[0] = Duration(0.0);
    constant_storage[1] = Duration(1.0);
    constant_storage[2] = Duration(1000.0);
    constant_storage[3] = Duration(60000.0);
    constant_storage[4] = Duration(3600000.0);
    constant_storage[5] = Duration(86400000.0);
    process_clock = new NativeClockImpl;
}

void SimpleTimeInitExit::exit()
{
    delete process_clock;
    process_clock = nullptr;
}

SimpleTimeInitExit::SimpleTimeInitExit()
{
    if (live_instances++ == 0) init();
}

SimpleTimeInitExit::~SimpleTimeInitExit()
{
    if (--live_instances == 0) exit();
}

} // namespace SimpleTime
