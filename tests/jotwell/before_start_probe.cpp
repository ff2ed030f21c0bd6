// Reads the importance constants from a static constructor that runs before
// the library has started (the library is a shared object loaded first, so
// this program links the archive and includes no header that would start
// it). Prints the fields it saw.
#include <jotwell/importance.h>

#include <cstdio>

namespace {
struct Reader {
    Reader()
    {
        std::printf("%d %d %d %d %s|%s\n", Jotwell::Error.level, Jotwell::Error.severity,
                    Jotwell::Error.file == nullptr ? 0 : 1, Jotwell::Error.line, Jotwell::Error.level_glyph(),
                    Jotwell::Error.severity_glyph());
    }
} reader;
} // namespace

int main() { return 0; }
