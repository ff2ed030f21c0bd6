// Records per second through a text and an XML log file, on one thread,
// and heap allocations per record once the writers have warmed up. The
// allocations are counted by replacing the global operator new.
#include "jotwell/logfile/log_file_log.h"
#include "jotwell/logfile/log_file_xml.h"
#include "jotwell/runtime/logger_access.h"

#include <jotwell/jotwell.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>

namespace {

std::atomic<unsigned long long> allocations{0};

void* counted(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) { return counted(size); }
void* operator new[](std::size_t size) { return counted(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

struct BenchInfo : Jotwell::DeviceInfo {
    BenchInfo(const std::string& ext, const std::string& dir) : ext_(ext), dir_(dir) {}
    std::string name() const override { return "bench"; }
    std::string logext() const override { return ext_; }
    std::string logdir() const override { return dir_; }
    std::string configfile() const override { return "bench_trace.ini"; }
    std::string ext_, dir_;
};

class BenchDir {
public:
    BenchDir()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("jotwell-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~BenchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string lib() const
    {
        std::string s = path_.string();
        for (char& c : s)
            if (c == '/') c = '\\';
        return s;
    }

private:
    std::filesystem::path path_;
};

template <class LogFileKind>
void records(benchmark::State& state, const char* ext)
{
    BenchDir dir;
    BenchInfo info(ext, dir.lib());
    LogFileKind lf(info);
    Jotwell::Config c;
    c.active = true;
    c.size = 0xFFFFFFFFu;   // no rotation inside the run
    const Jotwell::Importance imp = {2, 0, nullptr, 0};
    Jotwell::Context::WithContext scope;
    scope.data()->user = Jotwell::Context::SubFields("alice");
    const Jotwell::Logger l = Jotwell::LoggerAccess::make_value(imp, Jotwell::Logger::Plain, c, scope.data());

    unsigned rank = 0;
    auto one = [&] {
        ++rank;
        std::ostream* s = lf.begin_message(l, rank);
        *s << "connected to database, request " << rank % 1000 << " done";
        lf.end_message(l, rank);
    };
    for (int i = 0; i < 100; ++i) one();   // open the file, grow the buffers

    const unsigned long long before = allocations.load();
    for (auto _ : state) one();
    const unsigned long long during = allocations.load() - before;

    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_record"] =
        benchmark::Counter(static_cast<double>(during) / static_cast<double>(state.iterations()));
}

void BM_TextLogRecord(benchmark::State& state) { records<Jotwell::LogFileLog>(state, "log"); }
void BM_XmlLogRecord(benchmark::State& state) { records<Jotwell::LogFileXml>(state, "xml"); }

BENCHMARK(BM_TextLogRecord);
BENCHMARK(BM_XmlLogRecord);

} // namespace

BENCHMARK_MAIN();
