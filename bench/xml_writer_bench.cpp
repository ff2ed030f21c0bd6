// Throughput of the XML writer in the layout the XML log uses, and heap
// allocations per element once the writer has warmed up, counted by
// replacing the global operator new.
#include <jotwell/kitbase/xml.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <ostream>
#include <streambuf>

namespace {

std::atomic<std::size_t> allocations{0};

} // namespace

namespace {

// Out of line, so that the compiler does not pair an inlined malloc with a
// delete expression and warn about a mismatch.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
void release(void* p) noexcept
{
    std::free(p);
}

} // namespace

// The other forms of new and delete end in these.
void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }

namespace {

using namespace Kitbase::Xml;

// A target that counts what it is given and keeps nothing, so that only
// the writer's own costs are measured.
struct NullBuf : std::streambuf {
    std::size_t bytes = 0;

protected:
    int_type overflow(int_type c) override
    {
        ++bytes;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        bytes += static_cast<std::size_t>(n);
        return n;
    }
};

// One Msg element with its attributes and a message of 42 bytes.
void write_flat(Ostream& xml, unsigned rank)
{
    Tag msg(xml, "Msg");
    msg.attribute("Rank");
    xml << rank;
    msg.attribute("Time");
    xml << "2009/06/15 14:03:27.481";
    msg.attribute("Pid");
    xml << 4242;
    msg.attribute("Tid");
    xml << 3368u;
    msg.attribute("Imp");
    xml << ">=";
    msg.text();
    xml << "posting \"invoice\" 42 & more to the ledger";
}

// A Msg with a thread context: six elements and a comment.
void write_nested(Ostream& xml, unsigned rank)
{
    Tag msg(xml, "Msg");
    msg.attribute("Rank");
    xml << rank;
    msg.attribute("Imp");
    xml << "==";
    {
        Tag workflow(xml, "Workflow");
        {
            Tag tick(xml, "Tick");
            tick.attribute("Major");
            xml << 2u;
            tick.attribute("Minor");
            xml << rank;
        }
        Tag depth(xml, "Depth");
        depth.attribute("Major");
        xml << 1u;
        depth.attribute("Scope");
        xml << "Open";
    }
    {
        Tag actors(xml, "Actors");
        actors.attribute("User");
        xml << "alice";
    }
    msg.text();
    xml << "line one\nline two <with> 'markup' & \x01 control";
    {
        Tag source(xml, "Source");
        source.attribute("File");
        xml << "src\\billing.cpp";
        source.attribute("Line");
        xml << 118;
    }
    Section lost(xml, false);
    xml << "Lost Nested Trace";
}

template <void (*Write)(Ostream&, unsigned)>
void BM_Element(benchmark::State& state, double elements_per_call)
{
    NullBuf buf;
    std::ostream target(&buf);
    const std::size_t start = allocations.load();
    XmlOstream xml(&target, Format(1));
    Tag root(xml, "Jotwell");
    root.attribute("LogFile");
    xml << "ToScreen";
    const std::size_t warm_up_before = allocations.load();
    Write(xml, 0);  // the data stream buffer has grown at the root; this settles the rest
    const double warm_up = double(allocations.load() - warm_up_before);

    unsigned rank = 1;
    const std::size_t bytes_before = buf.bytes;
    const std::size_t allocations_before = allocations.load();
    for (auto _ : state) Write(xml, rank++);
    const double allocated = double(allocations.load() - allocations_before);

    const double elements = double(state.iterations()) * elements_per_call;
    state.SetItemsProcessed(static_cast<std::int64_t>(elements));
    state.counters["elements/s"] = benchmark::Counter(elements, benchmark::Counter::kIsRate);
    state.counters["allocs/element"] = allocated / elements;
    // What the writer allocated before the loop: its tag stack and buffer.
    state.counters["setup_allocs"] = double(warm_up_before - start) + warm_up;
    state.counters["bytes/element"] = double(buf.bytes - bytes_before) / elements;
}

void BM_FlatMsg(benchmark::State& state) { BM_Element<write_flat>(state, 1); }
BENCHMARK(BM_FlatMsg);

void BM_NestedMsg(benchmark::State& state) { BM_Element<write_nested>(state, 6); }
BENCHMARK(BM_NestedMsg);

} // namespace

BENCHMARK_MAIN();
