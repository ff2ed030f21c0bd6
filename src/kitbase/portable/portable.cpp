// Files, process id, bounded formatting and the environment.
#include <jotwell/kitbase/portable.h>

#include "kitbase/native/os.h"

namespace Kitbase {
namespace Portable {

namespace Os = Kitbase::Native::Os;

bool unlink(const std::string& path) { return Os::remove_file(path); }
bool mkdir(const std::string& path) { return Os::make_directory(path); }
bool copy_file(const std::string& from, const std::string& to) { return Os::copy_new_file(from, to); }

bool exists_file(const std::string& path)
{
    ifstream in(path.c_str());
    bool good = in.good();
    in.close();
    return good;
}

int getpid() { return Os::process_id(); }

int vsnprintf(char* buf, unsigned size, const char* format, va_list args)
{
    return Os::format(buf, size, format, args);
}

std::string& getenv(const std::string& name, std::string& value)
{
    Os::get_environment(name, value);
    return value;
}

std::string getenv(const std::string& name, const std::string& fallback)
{
    std::string value;
    if (Os::get_environment(name, value)) return value;
    return fallback;
}

ifstream::ifstream() {}
ifstream::ifstream(const char* file) : std::ifstream(Os::host_path(file).c_str(), std::ios_base::in) {}
ifstream::~ifstream() {}

} // namespace Portable
} // namespace Kitbase
