// Config: the effective configuration of one trace service.
//
// A plain value, copied whole; it owns nothing and has no lock of its own.
// The configuration language is the only place that enforces the limits of
// the fields; code that sets them directly can store any value.
#pragma once

#include <jotwell/export.h>
#include <jotwell/importance.h>

#include <cstdint>
#include <iosfwd>
#include <string>

namespace Jotwell {

// Display-mask bits: each chooses an optional column of a record.
enum DisplayMask : std::uint32_t {
    none_mask = 0x00000000,
    time_mask = 0x00000001,
    rank_mask = 0x00000002,
    importance_mask = 0x00000004,
    severity_mask = 0x00000008,
    exc_mask = 0x00000010,
    pid_mask = 0x00000020,
    tid_mask = 0x00000040,
    scope_mask = 0x00000080,
    major_tick_mask = 0x00000100,
    minor_tick_mask = 0x00000200,
    major_depth_mask = 0x00000400,
    minor_depth_mask = 0x00000800,
    root_name_mask = 0x00001000,
    root_id_mask = 0x00002000,
    caller_name_mask = 0x00004000,
    caller_id_mask = 0x00008000,
    callee_name_mask = 0x00010000,
    callee_id_mask = 0x00020000,
    user_mask = 0x00040000,
    architect_mask = 0x00080000,
    developer_mask = 0x00100000,
    consultant_mask = 0x00200000,
    msg_mask = 0x00400000,
    src_file_mask = 0x00800000,
    src_line_mask = 0x01000000,

    os_mask = 0x60,
    process_mask = 0x63,
    diagnostic_mask = 0x1C,
    major_steps_mask = 0x500,
    minor_steps_mask = 0xA00,
    steps_mask = 0xF00,
    tick_mask = 0x380,
    depth_mask = 0xC80,
    root_mask = 0x3000,
    caller_mask = 0xC000,
    callee_mask = 0x30000,
    workflow_mask = 0x3FF80,
    workflow_names_mask = 0x15000,
    workflow_ids_mask = 0x2A000,
    actors_mask = 0x3C0000,
    debug_mask = 0x1800000,
    all_mask = 0x1FFFFFF,
};

// Bits a configuration may switch, and bits that are always on.
constexpr std::uint32_t settable_display_bits = 0x01BFFF02;
constexpr std::uint32_t forced_display_bits = 0x004000FD;
constexpr std::uint32_t default_effective_display_mask = forced_display_bits;

struct JOTWELL_API Config {
    Config();

    // The mask every reader uses: (display_mask & 0x01BFFF02) | 0x004000FD.
    std::uint32_t effective_display_mask() const
    {
        return (display_mask & settable_display_bits) | forced_display_bits;
    }

    // Writes the record in the configuration language's layout, without a
    // final newline; only what differs from the defaults beyond the first
    // two lines.
    std::ostream& print(std::ostream& os) const;

    // Runs a configuration text against this record. The text works on a
    // copy, which replaces the record only when the whole text succeeded;
    // errors go to the text's error destination as one line. name, log_dir
    // and config_file are what the text reads under those names. Effects
    // outside the record (lines written, commands run, files created) stay
    // even when the text fails. Runs in different threads are independent.
    // The stream is read one character at a time, only as far as the text
    // runs; a run that ends early leaves the rest unread.
    bool parse(std::istream& in, const std::string& name, const std::string& log_dir,
               const std::string& config_file);
    // The same, with the names a trace service resolves when the program
    // gives none: VX_TRACE_NAME, else the process name, else "Jotwell";
    // VX_TRACE_LOGDIR, else "."; VX_TRACE_CONFIGFILE, else the name followed
    // by "_trace.ini" in VX_TRACE_CONFIGDIR (else ".").
    bool parse(std::istream& in);

    bool active;
    Importance importance;        // the threshold; only its level is consulted

    std::uint32_t size;           // records per log file before rotation
    bool keep;                    // keep completed log files

    std::uint32_t display_mask;   // raw bits; read effective_display_mask()
    std::int16_t major_steps_display_width;
    std::int16_t minor_steps_display_width;
    std::int16_t workflow_names_display_width;
    std::int16_t workflow_ids_display_width;
    std::int16_t actors_display_width;
    char consultant[64];          // NUL-terminated, at most 63 characters
};

inline std::ostream& operator<<(std::ostream& os, const Config& c) { return c.print(os); }

} // namespace Jotwell
