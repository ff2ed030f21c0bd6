// Log file names.
#include "jotwell/logfile/log_file_ext.h"

#include <jotwell/kitbase/portable.h>

#include <sstream>

namespace Jotwell {

LogFileNamer::LogFileNamer(DeviceInfo* i) : info(i), opened_at(SimpleTime::clock().now()) {}

std::string LogFileNamer::make_name()
{
    opened_at = SimpleTime::clock().now();
    const std::string ext = info->logext();
    const Kitbase::Portable::Process process;
    const std::string p = process.name();
    const std::string n = info->name();

    SimpleTime::UtcTime::Separator sep;
    sep.date = sep.dateTime = sep.time = sep.fraction = '_';
    std::ostringstream file;
    file << (p == n ? n : p + "_" + n) << '_' << process.id() << '_';
    SimpleTime::UtcTime(opened_at).print(file, sep);
    file << "_trace." << ext;

    return Kitbase::Portable::Pathname(Kitbase::Portable::Pathname(info->logdir()), file.str()).as_file();
}

} // namespace Jotwell
