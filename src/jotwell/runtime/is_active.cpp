// The default activity filter.
#include <jotwell/admin.h>

namespace Jotwell {
namespace Admin {

IsActive::~IsActive() {}

bool IsActive::operator()(const Importance& importance, Logger::Tag, const Config& config, Context::Data*) const
{
    if (importance.severity >= 3) return true;
    return config.active && importance.level >= config.importance.level;
}

} // namespace Admin
} // namespace Jotwell
