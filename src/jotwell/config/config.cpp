// The configuration record and its printed form.
#include <jotwell/config.h>

#include <algorithm>
#include <ostream>

namespace Jotwell {

Config::Config()
    : active(false), importance{2, 0, nullptr, 0}, size(10000), keep(false), display_mask(0),
      major_steps_display_width(0), minor_steps_display_width(0), workflow_names_display_width(0),
      workflow_ids_display_width(0), actors_display_width(0), consultant{}
{
}

std::ostream& Config::print(std::ostream& os) const
{
    const Config defaults;
    os << "active       = " << (active ? "true" : "false") << ";" << std::endl
       << "importance   = '" << importance.level_glyph() << "';";
    if (size != defaults.size) os << std::endl << "size         = " << size << ";";
    if (keep != defaults.keep) os << std::endl << "keep         = " << (keep ? "true" : "false") << ";";
    if (consultant[0] != '\0') {
        // The field may have been filled without its terminator.
        const std::ptrdiff_t n = std::find(consultant, consultant + sizeof consultant, '\0') - consultant;
        os << std::endl << std::endl << "consultant   = '";
        os.write(consultant, static_cast<std::streamsize>(n));
        os << "';";
    }
    const std::uint32_t mask = effective_display_mask();
    if (mask != defaults.effective_display_mask())
        os << std::endl << std::endl << "display_mask = " << mask << ";";

    struct Width {
        std::int16_t value;
        const char* label;
    };
    const Width widths[] = {
        {major_steps_display_width, "major_steps_display_width    = "},
        {minor_steps_display_width, "minor_steps_display_width    = "},
        {workflow_names_display_width, "workflow_names_display_width = "},
        {workflow_ids_display_width, "workflow_ids_display_width   = "},
        {actors_display_width, "actors_display_width         = "},
    };
    bool any = false;
    for (const Width& w : widths) any = any || w.value != 0;
    if (any) {
        os << std::endl;
        for (const Width& w : widths)
            if (w.value != 0) os << std::endl << w.label << w.value << ";";
    }
    return os;
}

} // namespace Jotwell
