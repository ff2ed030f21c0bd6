// The picture of the running process, captured once at the library's start.
#include <jotwell/kitbase/portable.h>

#include "kitbase/native/os.h"

namespace Kitbase {
namespace Portable {

namespace {

struct ProcessRecord {
    int id = 0;
    std::vector<std::string> args;
    std::vector<char*> argv;      // pointers into args, then a null entry
    std::string name;
};

ProcessRecord* record = nullptr;
int live_instances = 0;

// Outside the library's lifetime the process reads as nameless, with one
// empty argument, instead of failing.
ProcessRecord& current()
{
    static ProcessRecord* idle = [] {
        ProcessRecord* r = new ProcessRecord;
        r->args.push_back(std::string());
        r->argv.push_back(&r->args[0][0]);
        r->argv.push_back(nullptr);
        return r;
    }();
    return record ? *record : *idle;
}

} // namespace

void ProcessInitExit::init()
{
    namespace Os = Kitbase::Native::Os;
    ProcessRecord* r = new ProcessRecord;
    r->id = Os::process_id();
    if (!Os::program_arguments(r->args)) r->args.push_back(Os::program_path());
    if (r->args.empty()) r->args.push_back(std::string());
    for (std::string& a : r->args) r->argv.push_back(&a[0]);
    r->argv.push_back(nullptr);
    r->name = Pathname(r->args[0]).basename(".exe");
    record = r;
}

void ProcessInitExit::exit()
{
    delete record;
    record = nullptr;
}

ProcessInitExit::ProcessInitExit()
{
    if (live_instances++ == 0) init();
}

ProcessInitExit::~ProcessInitExit()
{
    if (--live_instances == 0) exit();
}

int Process::argc() const { return static_cast<int>(current().args.size()); }
const std::vector<std::string>& Process::args() const { return current().args; }
char** Process::argv() const { return current().argv.data(); }
char** Process::envp() const { return Native::Os::environment_block(); }
int Process::id() const { return current().id; }
std::string Process::name() const { return current().name; }

} // namespace Portable
} // namespace Kitbase
