# Regenerates the locale units into WORK_DIR and compares them with the
# committed ones in SOURCE_DIR. Prints "glossagen skipped: <reason>" (which
# CTest reports as a skip) when the generator's Python packages are missing.
#   cmake -DPYTHON=... -DGENERATOR=... -DSOURCE_DIR=... -DWORK_DIR=... -P regenerate.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${PYTHON}")
    message("glossagen skipped: ${PYTHON} does not exist")
    return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(
    COMMAND "${PYTHON}" "${GENERATOR}" --out "${WORK_DIR}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE summary
    ERROR_VARIABLE errors)
if(status EQUAL 3)
    message("glossagen skipped: ${errors}")
    return()
endif()
if(NOT status EQUAL 0)
    message(FATAL_ERROR "glossagen failed (${status}):\n${summary}\n${errors}")
endif()

file(GLOB_RECURSE generated RELATIVE "${WORK_DIR}" "${WORK_DIR}/*")
list(LENGTH generated count)
if(count LESS 138)
    message(FATAL_ERROR "glossagen wrote only ${count} files")
endif()
set(differences "")
foreach(relative IN LISTS generated)
    if(NOT EXISTS "${SOURCE_DIR}/${relative}")
        string(APPEND differences "  missing in the tree: ${relative}\n")
        continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
        "${WORK_DIR}/${relative}" "${SOURCE_DIR}/${relative}" RESULT_VARIABLE different)
    if(different)
        string(APPEND differences "  differs: ${relative}\n")
    endif()
endforeach()
file(GLOB committed RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/locales/*")
foreach(relative IN LISTS committed)
    if(NOT relative IN_LIST generated)
        string(APPEND differences "  not generated: ${relative}\n")
    endif()
endforeach()
if(differences)
    message(FATAL_ERROR "the committed units are not what glossagen writes now:\n${differences}"
        "remake them with: /usr/bin/python3 tools/glossagen/glossagen.py --out src/glossapack")
endif()
message("${count} generated files match the tree\n${summary}")
file(REMOVE_RECURSE "${WORK_DIR}")
