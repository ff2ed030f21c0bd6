# Cross build for 32-bit Windows with Debian's mingw-w64 toolchain
# (g++-mingw-w64-i686-posix: the POSIX thread model, so std::thread works).
#
#   cmake -S . -B build/windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake
#
# Test programs run under Wine through tools/wine-run.sh, with a Wine prefix
# of their own inside the build tree (<build>/wineprefix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(JOTWELL_MINGW_TRIPLE i686-w64-mingw32)
find_program(CMAKE_C_COMPILER ${JOTWELL_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER ${JOTWELL_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER ${JOTWELL_MINGW_TRIPLE}-windres)

# Headers, libraries and packages come from the mingw sysroot only, so the
# host's GoogleTest and Google Benchmark are never picked up.
set(CMAKE_FIND_ROOT_PATH /usr/${JOTWELL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every module loads the one shared C++ runtime (libstdc++-6.dll,
# libgcc_s_dw2-1.dll, libwinpthread-1.dll): with a static runtime in each
# module, an exception thrown in Jotwell.dll could not unwind through the
# program's frames. tools/wine-run.sh puts the runtime's folders on Wine's
# PATH.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
    get_filename_component(_jotwell_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${_jotwell_root}/tools/wine-run.sh"
        CACHE FILEPATH "Runs the Windows test programs under Wine")
endif()
