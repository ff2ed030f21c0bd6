// Costs of the support pieces that sit on every record's path: the clock,
// the calendar breakdown of a time stamp, and bounded formatting.
#include <jotwell/jotwell.h>

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

void BM_ClockNow(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(SimpleTime::clock().now());
}
BENCHMARK(BM_ClockNow);

void BM_UtcTimeBreakdownAndPrint(benchmark::State& state)
{
    const SimpleTime::PhysicalTime now = SimpleTime::clock().now();
    std::ostringstream os;
    for (auto _ : state) {
        os.seekp(0);
        os << SimpleTime::UtcTime(now);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UtcTimeBreakdownAndPrint);

int format(char* buf, unsigned size, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    int n = Kitbase::Portable::vsnprintf(buf, size, fmt, args);
    va_end(args);
    return n;
}

void BM_BoundedFormat(benchmark::State& state)
{
    char buf[1024];
    for (auto _ : state) benchmark::DoNotOptimize(format(buf, sizeof buf, "request %d from %s took %.3f ms", 42, "client-7", 1.25));
}
BENCHMARK(BM_BoundedFormat);

} // namespace

BENCHMARK_MAIN();
