// libFuzzer target over Config::parse. It never runs a command or opens a
// file: texts that mention system, output_file or error_file are refused.
// Beyond the sanitizers it checks what a run promises: a failed run leaves
// the record unchanged, a successful one keeps the language's limits, and
// the printed form of the result reads back to the same record.
#include <jotwell/jotwell.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Swallows what the texts write, so the fuzzer's own output stays readable.
class NullBuf : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

NullBuf null_buf;

bool same(const Jotwell::Config& a, const Jotwell::Config& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void check(bool condition)
{
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::cout.rdbuf(&null_buf);
    std::cerr.rdbuf(&null_buf);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* refused : {"system", "output_file", "error_file"})
        if (text.find(refused) != std::string::npos) return -1;

    Jotwell::Config record;
    // A record off its defaults, so that "unchanged" means something.
    record.size = 777;
    record.display_mask = 0x2000;
    std::strcpy(record.consultant, "Rud");
    const Jotwell::Config before = record;

    std::istringstream in(text);
    const bool ok = record.parse(in, "fuzz", "logs", "fuzz_trace.ini");
    if (!ok) {
        check(same(record, before));
        return 0;
    }
    check(record.consultant[63] == '\0');
    if (record.size != before.size) check(record.size >= 10 && record.size <= 1000000);
    for (std::int16_t w : {record.major_steps_display_width, record.minor_steps_display_width,
                           record.workflow_names_display_width, record.workflow_ids_display_width,
                           record.actors_display_width})
        check(w >= 0 && w <= 128);

    // The printed form reads back, except the consultant line, which the
    // language does not read (it quotes with apostrophes).
    Jotwell::Config plain = record;
    plain.consultant[0] = '\0';
    std::ostringstream printed;
    plain.print(printed);
    std::istringstream again(printed.str());
    Jotwell::Config back;
    check(back.parse(again, "fuzz", "logs", "fuzz_trace.ini"));
    check(back.active == plain.active && back.importance.level == plain.importance.level &&
          back.size == plain.size && back.keep == plain.keep &&
          back.effective_display_mask() == plain.effective_display_mask() &&
          back.major_steps_display_width == plain.major_steps_display_width &&
          back.minor_steps_display_width == plain.minor_steps_display_width &&
          back.workflow_names_display_width == plain.workflow_names_display_width &&
          back.workflow_ids_display_width == plain.workflow_ids_display_width &&
          back.actors_display_width == plain.actors_display_width);
    return 0;
}
