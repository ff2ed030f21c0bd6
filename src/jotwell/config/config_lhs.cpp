// The assignable names of the configuration language and the run's two
// output destinations.
#include "jotwell/config/config_lhs.h"

#include "jotwell/config/config_lexer.h"
#include "kitbase/native/os.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace Jotwell {

namespace {

int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

const char* const standard_output_name = "-";
const char* const standard_error_name = "--";

} // namespace

int SizeLhs::get() { return static_cast<int>(config->size); }
void SizeLhs::set(int v) { config->size = static_cast<std::uint32_t>(clamp(v, size_min, size_max)); }

int DisplayMaskLhs::get() { return static_cast<int>(config->effective_display_mask()); }
void DisplayMaskLhs::set(int v) { config->display_mask = static_cast<std::uint32_t>(v); }

int DisplayWidthLhs::get() { return config->*field; }
void DisplayWidthLhs::set(int v)
{
    config->*field = static_cast<std::int16_t>(clamp(v, display_width_min, display_width_max));
}

void ConsultantLhs::set(const std::string& t)
{
    text = t;
    const std::size_t n = std::min(t.size(), consultant_max);
    std::memcpy(config->consultant, t.data(), n);
    config->consultant[n] = '\0';
}

OutputFileLhs::OutputFileLhs(bool error_destination)
    : to_error(error_destination), path(error_destination ? standard_error_name : standard_output_name)
{
}

void OutputFileLhs::set(const std::string& t)
{
    if (file.is_open()) file.close();
    file.clear();
    path = to_error ? standard_error_name : standard_output_name;
    if (t == path) return;
    const char* const other = to_error ? standard_output_name : standard_error_name;
    if (t == other) {
        to_error = !to_error;
        path = other;
        return;
    }
    // A name with a NUL byte cannot be handed to the system whole; opening
    // what comes before the NUL would write to a file nobody named.
    if (t.empty() || t.find('\0') != std::string::npos) return;
    file.open(Kitbase::Native::Os::host_path(t).c_str(), std::ios::out | std::ios::trunc);
    if (file.is_open())
        path = t;
    else
        file.clear();
}

std::ostream& OutputFileLhs::stream()
{
    if (file.is_open()) return file;
    return to_error ? std::cerr : std::cout;
}

AboutLhs::AboutLhs(ConfigLexer* r) : run(r), banner("Jotwell tracing library, configuration language") {}

void AboutLhs::set(const std::string& t)
{
    std::ostream& os = run->output();
    os << banner << std::endl;
    if (t == "hanoi") write_hanoi(os);
}

namespace {

struct Towers {
    std::vector<int> pegs[3];   // disc sizes, bottom first

    void draw(std::ostream& os) const
    {
        for (int height = 3; height >= 0; --height) {
            for (int p = 0; p < 3; ++p) {
                if (p > 0) os << ' ';
                const int size = height < static_cast<int>(pegs[p].size()) ? pegs[p][height] : 0;
                if (size == 0)
                    os << "   |   ";
                else
                    os << std::string(4 - size, ' ') << std::string(2 * size - 1, 'X') << std::string(4 - size, ' ');
            }
            os << std::endl;
        }
        os << "------- ------- -------" << std::endl << std::endl;
    }

    void move(int n, int from, int to, int via, std::ostream& os)
    {
        if (n == 0) return;
        move(n - 1, from, via, to, os);
        pegs[to].push_back(pegs[from].back());
        pegs[from].pop_back();
        draw(os);
        move(n - 1, via, to, from, os);
    }
};

} // namespace

void write_hanoi(std::ostream& os)
{
    Towers t;
    t.pegs[0] = {4, 3, 2, 1};
    t.draw(os);
    t.move(4, 0, 2, 1, os);
}

} // namespace Jotwell
