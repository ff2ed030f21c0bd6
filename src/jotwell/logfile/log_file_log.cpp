// The text record layout.
#include "jotwell/logfile/log_file_log.h"

#include "jotwell/logfile/log_file_ext_impl.h"

#include <jotwell/context.h>
#include <jotwell/kitbase/native.h>
#include <jotwell/kitbase/portable.h>

#include <cstring>
#include <exception>
#include <ostream>

namespace Jotwell {

template class LogFileExt<LogOfstream>;

namespace {

const char nested_trace_marker[] = "### Jotwell: Incorrect usage: NestedTrace Lost ###";

char scope_char(Logger::Tag t)
{
    switch (t) {
    case Logger::Open: return '{';
    case Logger::Close: return '}';
    default: return ' ';
    }
}

void pad(std::ostream& s, std::int32_t n)
{
    for (std::int32_t i = 0; i < n; ++i) s.put(' ');
}

// Right-aligned in width w; longer text is written whole.
void put_text(std::ostream& s, const char* text, std::size_t length, std::int32_t w)
{
    if (w > 0 && static_cast<std::size_t>(w) > length) pad(s, w - static_cast<std::int32_t>(length));
    s.write(text, static_cast<std::streamsize>(length));
}

void put_text(std::ostream& s, const std::string& text, std::int32_t w) { put_text(s, text.data(), text.size(), w); }

void put_number(std::ostream& s, std::uint32_t value, std::int32_t w)
{
    s.width(w > 0 ? w : 0);
    s << static_cast<std::int32_t>(value);
}

} // namespace

std::ostream* LogFileLog::do_header_message()
{
    std::ostream& s = stream->out();
    const Logger& l = *logger;
    const Importance& imp = l.importance();
    const Config& c = l.config();
    const Logger::Tag t = l.tag();
    Context::Data* d = l.data();

    const int pid = Kitbase::Portable::Process().id();
    const std::uint32_t tid = Kitbase::Native::current_thread_id();
    const bool in_exception = std::uncaught_exceptions() > 0;

    s.precision(6);
    s.width(0);
    s.fill(' ');
    s.flags(std::ios_base::fmtflags());

    const std::uint32_t m = c.effective_display_mask();
    if (imp.file && (m & (src_file_mask | src_line_mask)))
        s << imp.file << ':' << imp.line << ':' << " this is Jotwell message " << rank << std::endl;

    SimpleTime::UtcTime(SimpleTime::clock().now()).print(s, SimpleTime::UtcTime::Separator());
    if (m & rank_mask) {
        s.fill('0');
        s.width(3);
        s << rank % 100;
        s.fill(' ');
    }

    s << '|' << imp.level_glyph() << '|' << imp.severity_glyph() << '|' << (in_exception ? 'X' : ' ') << '|';
    s.width(5);
    s << pid << '|';
    s.width(4);
    s << tid << '|' << scope_char(t) << '|';

    const std::int32_t major_w = c.major_steps_display_width;
    const std::int32_t minor_w = c.minor_steps_display_width;
    const std::int32_t names_w = c.workflow_names_display_width;
    const std::int32_t ids_w = c.workflow_ids_display_width;
    const std::int32_t actors_w = c.actors_display_width;

    if (d) {
        if (t == Logger::Open) {
            ++d->minor_tick;
            ++d->minor_depth;
        }
        if (m & major_tick_mask) put_number(s, d->major_tick, major_w);
        s << '|';
        if (m & minor_tick_mask) put_number(s, d->minor_tick, minor_w);
        s << '|';
        if (m & major_depth_mask) put_number(s, d->major_depth, major_w);
        s << '|';
        if (m & minor_depth_mask) put_number(s, d->minor_depth, minor_w);
        s << '|';
        const struct {
            std::uint32_t bit;
            const Context::SubFields* value;
            std::int32_t width;
        } texts[] = {
            {root_name_mask, &d->root.name, names_w},     {root_id_mask, &d->root.id, ids_w},
            {caller_name_mask, &d->caller.name, names_w}, {caller_id_mask, &d->caller.id, ids_w},
            {callee_name_mask, &d->callee.name, names_w}, {callee_id_mask, &d->callee.id, ids_w},
            {user_mask, &d->user, actors_w},              {architect_mask, &d->architect, actors_w},
            {developer_mask, &d->developer, actors_w},
        };
        for (const auto& f : texts) {
            if (m & f.bit) put_text(s, f.value->text(), f.width);
            s << '|';
        }
    } else {
        const struct {
            std::uint32_t bit;
            std::int32_t width;
        } blanks[] = {
            {major_tick_mask, major_w},   {minor_tick_mask, minor_w},   {major_depth_mask, major_w},
            {minor_depth_mask, minor_w},  {root_name_mask, names_w},    {root_id_mask, ids_w},
            {caller_name_mask, names_w},  {caller_id_mask, ids_w},      {callee_name_mask, names_w},
            {callee_id_mask, ids_w},      {user_mask, actors_w},        {architect_mask, actors_w},
            {developer_mask, actors_w},
        };
        for (const auto& f : blanks) {
            if (m & f.bit) pad(s, f.width);
            s << '|';
        }
    }

    if (m & consultant_mask) {
        // The record may have been filled without its terminator.
        const void* end = std::memchr(c.consultant, '\0', 63);
        const std::size_t length = end ? static_cast<const char*>(end) - c.consultant : 63;
        put_text(s, c.consultant, length, actors_w < 63 ? actors_w : 63);
    }
    s << '|';

    if (d && t == Logger::Close) {
        --d->minor_depth;
        ++d->minor_tick;
    }
    return &s;
}

void LogFileLog::do_footer_message()
{
    std::ostream& s = stream->out();
    if (nested_trace_lost) s << std::endl << nested_trace_marker;
    s << std::endl;
}

} // namespace Jotwell
