// SimpleTime: lengths of time, points in time, UTC calendar times and the
// process-wide clock, with their printed forms.
//
// Times are doubles in milliseconds. Calendar breakdown is always UTC.
// All types are plain values; clock() is shared and may be used from any
// thread between the library's start and stop.
#pragma once

#include <jotwell/export.h>
#include <jotwell/kitbase/exception.h>

#include <ostream>

namespace SimpleTime {

class JOTWELL_API Exception : public Kitbase::Exception {
public:
    std::ostream& print(std::ostream& os) const override;
};

struct JOTWELL_API IncorrectUtcTime : Exception {
    std::ostream& print(std::ostream& os) const override;
};

struct JOTWELL_API DivideByZero : Exception {
    std::ostream& print(std::ostream& os) const override;
};

class PhysicalTime;
class SimpleTimeInitExit;

// A length of time; may be negative and need not be whole. Build one from
// the constants and the scalar operators: 5 * Second, Minute * 0.5.
class JOTWELL_API Duration {
public:
    constexpr Duration() : ms_(0.0) {}

    Duration& operator+=(const Duration& d);
    Duration& operator-=(const Duration& d);
    Duration& operator*=(double factor);
    Duration& operator*=(int factor);
    Duration& operator/=(double factor);     // throws DivideByZero for 0.0
    Duration& operator%=(const Duration& d); // keeps the remainder
    Duration& chop(const Duration& d);       // same as %=
    Duration chop(const Duration& d) const;  // the remainder, *this unchanged

    static const Duration& Zero;
    static const Duration& Millisecond;
    static const Duration& Second;
    static const Duration& Minute;
    static const Duration& Hour;
    static const Duration& Day;

private:
    explicit constexpr Duration(double ms) : ms_(ms) {}

    double ms_;

    // The friend functions get their export mark at their namespace-scope
    // declarations below; marked here too, a DLL's users would lose the
    // import (a redeclaration drops dllimport).
    friend class PhysicalTime;
    friend class SimpleTimeInitExit;
    friend struct DurationAccess;
    friend bool operator==(const Duration&, const Duration&);
    friend bool operator<(const Duration&, const Duration&);
    friend double operator/(const Duration&, const Duration&);
    friend Duration operator-(const PhysicalTime&, const PhysicalTime&);
    friend std::ostream& operator<<(std::ostream&, const Duration&);
};

JOTWELL_API extern const Duration& Zero;
JOTWELL_API extern const Duration& Millisecond;
JOTWELL_API extern const Duration& Second;
JOTWELL_API extern const Duration& Minute;
JOTWELL_API extern const Duration& Hour;
JOTWELL_API extern const Duration& Day;

JOTWELL_API bool operator==(const Duration& a, const Duration& b);
JOTWELL_API bool operator<(const Duration& a, const Duration& b);
inline bool operator>=(const Duration& a, const Duration& b) { return !(a < b); }
// The ratio a / b; throws DivideByZero when b is zero.
JOTWELL_API double operator/(const Duration& a, const Duration& b);
JOTWELL_API std::ostream& operator<<(std::ostream& os, const Duration& d);

inline Duration operator+(const Duration& a, const Duration& b) { Duration r(a); r += b; return r; }
inline Duration operator-(const Duration& a) { Duration r(a); r *= -1.0; return r; }
inline Duration operator*(const Duration& d, double f) { Duration r(d); r *= f; return r; }
inline Duration operator*(double f, const Duration& d) { Duration r(d); r *= f; return r; }
inline Duration operator*(const Duration& d, int f) { Duration r(d); r *= f; return r; }
inline Duration operator*(int f, const Duration& d) { Duration r(d); r *= f; return r; }

// A point in time: milliseconds since 1970-01-01 00:00:00 UTC.
class JOTWELL_API PhysicalTime {
public:
    constexpr PhysicalTime() : ms_(0.0) {}

    PhysicalTime& operator+=(const Duration& d);
    PhysicalTime& operator-=(const Duration& d);

private:
    double ms_;

    friend Duration operator-(const PhysicalTime&, const PhysicalTime&);
    friend bool operator==(const PhysicalTime&, const PhysicalTime&);
    friend bool operator<(const PhysicalTime&, const PhysicalTime&);
};

inline PhysicalTime operator-(const PhysicalTime& p, const Duration& d) { PhysicalTime r(p); r -= d; return r; }
// The length from b to a, negative when a is earlier.
JOTWELL_API Duration operator-(const PhysicalTime& a, const PhysicalTime& b);
JOTWELL_API bool operator==(const PhysicalTime& a, const PhysicalTime& b);
JOTWELL_API bool operator<(const PhysicalTime& a, const PhysicalTime& b);
JOTWELL_API std::ostream& operator<<(std::ostream& os, const PhysicalTime& p);

// A calendar time in UTC. No field's range is tested on construction.
struct JOTWELL_API UtcTime {
    struct Separator {
        Separator() : date('/'), dateTime(' '), time(':'), fraction('.') {}
        char date;
        char dateTime;
        char time;
        char fraction;
    };

    UtcTime(int year = 1970, int month = 1, int day = 1, int hour = 0,
            int minute = 0, int second = 0, int millisecond = 0);
    explicit UtcTime(const PhysicalTime& p);

    // Fields outside their ranges carry over (the 32nd of January is the
    // 1st of February); throws IncorrectUtcTime for a time before the
    // epoch or one the platform cannot hold.
    PhysicalTime physicalTime() const;

    // year/month/day hour:minute:second.millisecond, zero-filled to the
    // widths 4, 2, 2, 2, 2, 2, 3; leaves the stream's fill at ' '.
    std::ostream& print(std::ostream& os, const Separator& sep) const;

    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
    int millisecond;
};

inline std::ostream& operator<<(std::ostream& os, const UtcTime& t) { return t.print(os, UtcTime::Separator()); }

// The source of the current time.
struct JOTWELL_API Clock {
    Clock() {}
    Clock(const Clock&) {}
    Clock& operator=(const Clock&) { return *this; }
    virtual ~Clock();
    virtual PhysicalTime now() const = 0;
};

// The process-wide clock; valid between the first SimpleTimeInitExit
// construction and the last destruction.
JOTWELL_API const Clock& clock();

// Starts the time library with its first instance and stops it with the
// last. Every unit that includes this header holds one.
class JOTWELL_API SimpleTimeInitExit {
public:
    SimpleTimeInitExit();
    ~SimpleTimeInitExit();
    SimpleTimeInitExit(const SimpleTimeInitExit&) = delete;
    SimpleTimeInitExit& operator=(const SimpleTimeInitExit&) { return *this; }

private:
    static void init();
    static void exit();
};

namespace {
SimpleTimeInitExit simpletime_init_exit_instance;
} // namespace

} // namespace SimpleTime
