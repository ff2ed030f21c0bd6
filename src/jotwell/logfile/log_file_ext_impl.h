// The definitions of LogFileExt<T>, included by the unit that instantiates
// it for T.
#pragma once

#include "jotwell/logfile/log_file_ext.h"

#include "jotwell/runtime/echo.h"
#include "jotwell/runtime/env_flags.h"

#include <jotwell/kitbase/portable.h>

namespace Jotwell {

template <class T>
LogFileExt<T>::LogFileExt(DeviceInfo& info) : stream(nullptr), size(0), has_previous(false), namer(&info)
{
}

template <class T>
LogFileExt<T>::~LogFileExt()
{
    delete stream;
}

template <class T>
void LogFileExt<T>::do_header_file()
{
    if (stream) {
        stream->re_open();
        JOTWELL_ECHO(1461, "LogFile::do_header_file (): re-opened '" << stream->name << "'");
        return;
    }
    stream = EnvFlags::to_screen() ? new T : new T(namer.make_name());
    size = 0;
    JOTWELL_ECHO(1458, "LogFile::do_header_file (): opened '" << stream->name << "'");
}

template <class T>
void LogFileExt<T>::do_footer_file()
{
    if (!stream) return;
    const Config& c = logger->config();
    if (!c.active) {
        stream->close();
        JOTWELL_ECHO(1479, "LogFile::do_footer_file (): close because config is not active");
    }
    ++size;
    if (size < c.size) return;
    JOTWELL_ECHO(1487, "LogFile::possibly_reset (): one trace message too many,"
                           << " size=" << size << ", max_size=" << c.size);
    if (stream->to_screen || SimpleTime::Duration::Zero < SimpleTime::clock().now() - namer.opened_at) {
        possibly_reset(c);
        T* done = stream;
        stream = nullptr;
        delete done;
    } else {
        // A new file would get the current one's name: keep writing here
        // until the clock moves on.
        JOTWELL_ECHO(1493, "LogFile::possibly_reset (): keep long '" << stream->name << "'");
    }
}

template <class T>
void LogFileExt<T>::possibly_reset(const Config& c)
{
    if (has_previous && !c.keep) {
        JOTWELL_ECHO(1517, "LogFile::possibly_reset (): unlinking '" << previous_name << "'");
        Kitbase::Portable::unlink(previous_name);
    }
    if (stream->to_screen) {
        has_previous = false;
        previous_name.clear();
    } else {
        has_previous = true;
        previous_name = stream->name;
    }
}

} // namespace Jotwell
