// jotwell-config-check: runs a configuration text against a default record,
// the way a trace service would read it, and prints the resulting record.
// Operators use it to check a configuration file before deploying it.
#include <jotwell/jotwell.h>

#include <fstream>
#include <iostream>
#include <string>

namespace {

const char* const usage_text =
    "Usage: jotwell-config-check [OPTION]... [FILE]\n"
    "Run a Jotwell configuration text against a default configuration record and\n"
    "print the record it leaves, in the configuration language's own layout.\n"
    "With no FILE, or when FILE is -, read standard input.\n"
    "\n"
    "  --name NAME          the service name the text sees as 'name'\n"
    "                       (default: VX_TRACE_NAME, else the process name)\n"
    "  --log-dir DIR        the text's 'log_dir' (default: VX_TRACE_LOGDIR, else .)\n"
    "  --config-file PATH   the text's 'config_file' (default: FILE, else\n"
    "                       VX_TRACE_CONFIGFILE, else NAME_trace.ini in\n"
    "                       VX_TRACE_CONFIGDIR)\n"
    "  --help               show this help and exit\n"
    "\n"
    "The text runs for real: echo, print and warn write, system runs its command\n"
    "and output_file creates its file.\n"
    "\n"
    "Exit status: 0 when the whole text ran, 1 when it is faulty (the language's\n"
    "error line is written to its error destination), 2 on a usage error or an\n"
    "unreadable FILE.\n";

int usage_error(const std::string& message)
{
    std::cerr << "jotwell-config-check: " << message << "\n"
              << "Try 'jotwell-config-check --help' for more information.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string name, log_dir, config_file, file;
    bool have_name = false, have_log_dir = false, have_config_file = false, have_file = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](std::string& into, bool& have) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            have = true;
            return true;
        };
        if (arg == "--help") {
            std::cout << usage_text;
            return 0;
        } else if (arg == "--name") {
            if (!value(name, have_name)) return usage_error("option '--name' needs a value");
        } else if (arg == "--log-dir") {
            if (!value(log_dir, have_log_dir)) return usage_error("option '--log-dir' needs a value");
        } else if (arg == "--config-file") {
            if (!value(config_file, have_config_file)) return usage_error("option '--config-file' needs a value");
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            return usage_error("unknown option '" + arg + "'");
        } else if (have_file) {
            return usage_error("only one FILE may be given");
        } else {
            file = arg;
            have_file = true;
        }
    }
    const bool from_stdin = !have_file || file == "-";
    if (!have_config_file && !from_stdin) {
        config_file = file;
        have_config_file = true;
    }

    // What the trace service would use when the program names nothing.
    if (!have_name) {
        name = Kitbase::Portable::getenv("VX_TRACE_NAME", std::string());
        if (name.empty()) name = Kitbase::Portable::Process().name();
        if (name.empty()) name = "Jotwell";
    }
    if (!have_log_dir) log_dir = Kitbase::Portable::getenv("VX_TRACE_LOGDIR", ".");
    if (!have_config_file) {
        config_file = Kitbase::Portable::getenv("VX_TRACE_CONFIGFILE", std::string());
        if (config_file.empty())
            config_file = Kitbase::Portable::Pathname(Kitbase::Portable::Pathname(Kitbase::Portable::getenv(
                                                          "VX_TRACE_CONFIGDIR", ".")),
                                                      name + "_trace.ini")
                              .as_file();
    }

    std::ifstream in_file;
    if (!from_stdin) {
        in_file.open(file.c_str(), std::ios::binary);
        if (!in_file.is_open()) {
            std::cerr << "jotwell-config-check: cannot open '" << file << "'\n";
            return 2;
        }
    }
    std::istream& in = from_stdin ? std::cin : in_file;

    Jotwell::Config record;
    if (!record.parse(in, name, log_dir, config_file)) return 1;
    record.print(std::cout) << std::endl;
    return 0;
}
