cmake_minimum_required(VERSION 3.25)
# Runs the configuration checker once and compares its exit status, its
# standard output and its standard error with what is expected.
#
#   cmake -DCHECKER=exe "-DARGS=a|b" [-DINPUT=file] -DRC=n
#         [-DOUT_FILE=file] [-DOUT_MATCH=regex] [-DERR=text]
#         [-DCONFIG_FILE=text] -P run_checker.cmake
string(REPLACE "|" ";" ARGS "${ARGS}")
if(INPUT)
    set(input INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${EMULATOR} ${CHECKER} ${ARGS} ${input}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
string(REPLACE "\r\n" "\n" out "${out}")
string(REPLACE "\r\n" "\n" err "${err}")
if(NOT rc EQUAL RC)
    message(FATAL_ERROR "exit status ${rc}, expected ${RC}\n--- stdout ---\n${out}--- stderr ---\n${err}")
endif()
if(OUT_FILE)
    file(READ ${OUT_FILE} expected)
    string(REPLACE "<config_file>" "${CONFIG_FILE}" expected "${expected}")
    if(NOT out STREQUAL expected)
        message(FATAL_ERROR "stdout differs\n--- got ---\n${out}--- expected ---\n${expected}")
    endif()
endif()
if(OUT_MATCH AND NOT out MATCHES "${OUT_MATCH}")
    message(FATAL_ERROR "stdout does not match ${OUT_MATCH}\n${out}")
endif()
if(DEFINED ERR AND NOT err STREQUAL ERR)
    message(FATAL_ERROR "stderr differs\n--- got ---\n${err}--- expected ---\n${ERR}")
endif()
