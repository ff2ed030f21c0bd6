// Config::parse: runs a configuration text against a record.
#include <jotwell/config.h>

#include "jotwell/config/config_lexer.h"

#include <jotwell/kitbase/portable.h>

#include <istream>

namespace Jotwell {

bool Config::parse(std::istream& in, const std::string& name, const std::string& log_dir,
                   const std::string& config_file)
{
    // The text edits a copy; the record sees the copy only if all of it ran.
    Config working(*this);
    try {
        ConfigLexer run(&working, name, log_dir, config_file, in);
        const int status = config_parse(run);
        if (status != 0 || in.bad()) run.report_here("wrong syntax");
    } catch (const ConfigLexer::Error&) {
        return false;
    }
    *this = working;
    return true;
}

namespace {

// The service's names as the environment and the defaults give them, with
// nothing given by the program.
std::string resolved_name()
{
    std::string name = Kitbase::Portable::getenv("VX_TRACE_NAME", std::string());
    if (name.empty()) name = Kitbase::Portable::Process().name();
    if (name.empty()) name = "Jotwell";
    return name;
}

std::string resolved_config_file(const std::string& name)
{
    const std::string file = Kitbase::Portable::getenv("VX_TRACE_CONFIGFILE", std::string());
    if (!file.empty()) return file;
    const Kitbase::Portable::Pathname dir(Kitbase::Portable::getenv("VX_TRACE_CONFIGDIR", "."));
    return Kitbase::Portable::Pathname(dir, name + "_trace.ini").as_file();
}

} // namespace

bool Config::parse(std::istream& in)
{
    const std::string name = resolved_name();
    return parse(in, name, Kitbase::Portable::getenv("VX_TRACE_LOGDIR", "."), resolved_config_file(name));
}

} // namespace Jotwell
