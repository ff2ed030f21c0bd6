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
find_program(checker jotwell-config-check PATHS ${prefix}/bin NO_DEFAULT_PATH REQUIRED)
execute_process(COMMAND ${checker} --name orders --config-file x.ini ${INI}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^tracing orders at >= from x.ini\nactive       = true;\n")
    message(FATAL_ERROR "installed checker failed (${rc}):\n${out}${err}")
endif()
message(STATUS "installed checker ran")
