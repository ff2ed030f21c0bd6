# Warning flags for the project's own targets. Third-party and generated
# code silence their own warnings where they are compiled.
add_library(jotwell_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(jotwell_warnings INTERFACE -Wall -Wextra)
endif()
