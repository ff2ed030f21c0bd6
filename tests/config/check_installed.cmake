cmake_minimum_required(VERSION 3.25)
# Installs the built project into a scratch prefix and runs the installed
# configuration checker on a file.
set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install failed")
endif()
find_program(checker NAMES jotwell-config-check jotwell-config-check.exe PATHS ${prefix}/bin NO_DEFAULT_PATH
    REQUIRED)
if(EMULATOR)
    # The Windows checker finds its DLLs beside itself, as installed; it runs
    # in the Wine prefix of the build it was installed from.
    set(ENV{JOTWELL_WINEPREFIX} "${BUILD}/wineprefix")
    set(ENV{JOTWELL_WINE_OWN_RUNTIME} 1)
endif()
execute_process(COMMAND ${EMULATOR} ${checker} --name orders --config-file x.ini ${INI}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
string(REPLACE "\r\n" "\n" out "${out}")
if(NOT rc EQUAL 0 OR NOT out MATCHES "^tracing orders at >= from x.ini\nactive       = true;\n")
    message(FATAL_ERROR "installed checker failed (${rc}):\n${out}${err}")
endif()
message(STATUS "installed checker ran")
