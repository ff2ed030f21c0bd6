// Picks the host back end of the operating-system seam.
#include "kitbase/native/os.h"

#if defined(_WIN32)
#include "kitbase/native/os_win32.inc"
#else
#include "kitbase/native/os_posix.inc"
#endif
