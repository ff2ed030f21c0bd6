# Runs glossadump and checks its output.
#   -DTOOL=glossadump -DARGS=a;b -DEXPECTED=file      compare standard output with a file
#   -DTOOL=glossadump -DARGS=--json -DPYTHON=python   check that the output is the JSON of 136 trees
#   [-DEMULATOR=...]                                   runs the tool through it (Wine)
execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "glossadump ${ARGS} exited with ${rc}\n${err}")
endif()
string(REPLACE "\r\n" "\n" out "${out}")
if(DEFINED EXPECTED)
    file(READ "${EXPECTED}" expected)
    if(NOT out STREQUAL expected)
        file(WRITE "${WORK_DIR}/glossadump.actual" "${out}")
        message(FATAL_ERROR "output differs from ${EXPECTED}; see ${WORK_DIR}/glossadump.actual")
    endif()
endif()
if(DEFINED PYTHON)
    if(NOT EXISTS "${PYTHON}")
        message("glossadump skipped: ${PYTHON} does not exist")
        return()
    endif()
    file(WRITE "${WORK_DIR}/glossadump.json" "${out}")
    execute_process(COMMAND "${PYTHON}" -c [=[
import json, sys
trees = json.load(open(sys.argv[1], encoding="utf-8"))
assert len(trees) == 136, len(trees)
names = [t["name"] for t in trees]
assert names[41:44] == ["en_US.CP1252", "i18n.CP1252", "en_VI.CP1252"], names[41:44]
af = trees[0]
assert af["m_Lcid"] == 0x0436 and af["m_Identity"]["m_DisplayName"] == "Afrikaans (South Africa)"
assert af["m_Numeric"]["m_GroupSeparator"] == "\u00a0"
assert af["m_Time"]["m_DayNames"][0] == "Maandag"
assert len(af["m_Identity"]["m_TerritoryNames"]) == 109
assert trees[42]["m_Numeric"] is None and trees[42]["m_Identity"]["m_Language"] is None
]=] "${WORK_DIR}/glossadump.json" RESULT_VARIABLE bad ERROR_VARIABLE why)
    if(bad)
        message(FATAL_ERROR "glossadump --json: ${why}")
    endif()
endif()
