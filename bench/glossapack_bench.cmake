# glossapack's load time and resident memory (reads /proc/self/smaps, so
# Linux only). Run: build/default/bench/bench_glossapack_load
if(NOT WIN32 AND TARGET glossapack)
    add_executable(bench_glossapack_load ${CMAKE_CURRENT_LIST_DIR}/glossapack_load_bench.cpp)
    target_link_libraries(bench_glossapack_load PRIVATE Glossa::glossa jotwell_warnings benchmark::benchmark)
    target_compile_definitions(bench_glossapack_load PRIVATE "GLOSSAPACK_PATH=\"$<TARGET_FILE:glossapack>\"")
    add_dependencies(bench_glossapack_load glossapack)
endif()
