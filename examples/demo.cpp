// A first look at Jotwell: importance glyphs, a configuration record in the
// configuration language's layout, time values, and the process picture.
#include <jotwell/jotwell.h>

#include <cstring>
#include <iostream>

int main()
{
    using namespace Jotwell;

    std::cout << "Importance levels and severities\n";
    const struct {
        const char* name;
        const Importance& value;
    } levels[] = {{"XS", XS}, {"S", S}, {"M", M}, {"L", L}, {"XL", XL},
                  {"Success", Success}, {"Warning", Warning}, {"Error", Error}, {"Assert", Assert}};
    for (const auto& l : levels)
        std::cout << "  " << l.name << "\t'" << l.value.level_glyph() << "' [" << l.value.severity_glyph() << "]\n";

    std::cout << "\nA configuration record\n";
    Config config;
    config.active = true;
    config.importance = L;
    config.size = 500;
    config.keep = true;
    std::strcpy(config.consultant, "Rud");
    config.display_mask = root_name_mask | caller_name_mask | callee_name_mask;
    config.workflow_names_display_width = 12;
    config.actors_display_width = 8;
    config.print(std::cout) << "\n";

    std::cout << "\nTime values\n";
    using namespace SimpleTime;
    const PhysicalTime now = SimpleTime::clock().now();
    std::cout << "  now (UTC)            " << now << "\n";
    std::cout << "  a day and a bit      " << Day + Hour + Minute + 1.5 * Second << "\n";
    std::cout << "  90 seconds           " << 90 * Second << "\n";
    UtcTime::Separator file_sep;
    file_sep.date = file_sep.dateTime = file_sep.time = file_sep.fraction = '_';
    std::cout << "  as in a log name     ";
    UtcTime(now).print(std::cout, file_sep) << "\n";
    try {
        Second / Zero;
    } catch (const Kitbase::Exception& e) {
        std::cout << "  Second / Zero throws ";
        e.print(std::cout) << "\n";
    }

    std::cout << "\nThis process\n";
    Kitbase::Portable::Process process;
    std::cout << "  name  " << process.name() << "\n";
    std::cout << "  id    " << process.id() << "\n";
    std::cout << "  args ";
    for (const std::string& a : process.args()) std::cout << " " << a;
    std::cout << "\n";
    return 0;
}
