// Parse throughput of the configuration language: a 1,000-line text of
// assignments, conditions, arithmetic and string building, run against a
// fresh record each time. Nothing is written: the text has no output
// statement that executes.
#include <jotwell/jotwell.h>

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

std::string thousand_lines()
{
    static const char* const lines[] = {
        "active = true;                                   # on",
        "importance = l;",
        "size = 5000 + 250 * 4 - 1000 / 8 % 7;",
        "display_mask |= root_mask | caller_mask | callee_mask;",
        "if (name == \"orders\" && !debug) { keep = true; } else size += 10;",
        "consultant = \"Rud\" + \"-\" + 42 + \"-\" + importance;",
        "actors_display_width = active ? 12 : 8;",
        "if (false) echo(\"never \" + name + log_dir + config_file);",
        "major_steps_display_width = int(\" 7 \") + (size > 1000 ? 1 : 0);",
        "display_mask &= ~rank_mask; ++workflow_ids_display_width; size--;",
    };
    std::string text;
    for (int i = 0; i < 1000; ++i) text += std::string(lines[i % 10]) + "\n";
    return text;
}

void BM_ConfigParse1000Lines(benchmark::State& state)
{
    const std::string text = thousand_lines();
    for (auto _ : state) {
        std::istringstream in(text);
        Jotwell::Config c;
        const bool ok = c.parse(in, "orders", "logs", "orders_trace.ini");
        benchmark::DoNotOptimize(ok);
        if (!ok) state.SkipWithError("the benchmark text does not parse");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 1000);
}
BENCHMARK(BM_ConfigParse1000Lines);

// A run's fixed cost: the tables every run builds, over an empty text.
void BM_ConfigParseEmpty(benchmark::State& state)
{
    for (auto _ : state) {
        std::istringstream in("");
        Jotwell::Config c;
        benchmark::DoNotOptimize(c.parse(in, "orders", "logs", "orders_trace.ini"));
    }
}
BENCHMARK(BM_ConfigParseEmpty);

} // namespace
BENCHMARK_MAIN();
