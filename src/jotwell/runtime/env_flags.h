// The four process-wide flags read from the environment once, by the first
// JotwellInitExit; false until then.
#pragma once

namespace Jotwell {
namespace EnvFlags {

bool echo();        // VX_TRACE_ECHO: write echo lines
bool debug();       // VX_TRACE_DEBUG
bool to_screen();   // VX_TRACE_TO_SCREEN: records go to standard output
bool xml();         // VX_TRACE_XML: the default log extension is "xml"

// Reads the flags again, ignoring the read-once marker. For tests only.
void reload_for_test();

} // namespace EnvFlags
} // namespace Jotwell
