# Runs a probe program with the given environment and compares its standard
# output, with thread ids written as N, to an expected file.
#
#   cmake -DPROBE=exe -DEXPECTED=file [-DEMULATOR=...] "-DENV=A=1;B=2"
#         "-DUNSET=C;D" -P run_probe.cmake
foreach(var IN LISTS UNSET)
    unset(ENV{${var}})
endforeach()
foreach(pair IN LISTS ENV)
    string(FIND "${pair}" "=" eq)
    string(SUBSTRING "${pair}" 0 ${eq} name)
    math(EXPR start "${eq} + 1")
    string(SUBSTRING "${pair}" ${start} -1 value)
    set(ENV{${name}} "${value}")
endforeach()

execute_process(
    COMMAND ${EMULATOR} ${PROBE}
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "probe exited with ${rc}\n${err}")
endif()
string(REPLACE "\r\n" "\n" out "${out}")
string(REGEX REPLACE "\\(Thr-[0-9]+\\)" "(Thr-N)" out "${out}")
file(READ "${EXPECTED}" expected)
if(NOT out STREQUAL expected)
    file(WRITE "${EXPECTED}.actual" "${out}")
    message(FATAL_ERROR "output differs from ${EXPECTED}\n--- got ---\n${out}--- expected ---\n${expected}")
endif()
