# Installs the headers, the library, a CMake package (find_package(Jotwell
# CONFIG) gives Jotwell::jotwell) and a pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS jotwell EXPORT JotwellTargets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
# A mingw-w64 build's DLLs load the compiler's runtime DLLs; they go beside
# them so that the installed bin folder runs on Windows as it is.
if(MINGW)
    foreach(runtime_dll libstdc++-6.dll libgcc_s_dw2-1.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime_dll}
            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(IS_ABSOLUTE "${runtime_path}" AND EXISTS "${runtime_path}")
            install(FILES ${runtime_path} DESTINATION ${CMAKE_INSTALL_BINDIR})
        endif()
    endforeach()
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_BINARY_DIR}/include/jotwell/export.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/jotwell)

set(JOTWELL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Jotwell)
install(EXPORT JotwellTargets NAMESPACE Jotwell:: DESTINATION ${JOTWELL_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/JotwellConfig.cmake.in
    ${PROJECT_BINARY_DIR}/JotwellConfig.cmake
    INSTALL_DESTINATION ${JOTWELL_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/JotwellConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/JotwellConfig.cmake ${PROJECT_BINARY_DIR}/JotwellConfigVersion.cmake
    DESTINATION ${JOTWELL_CMAKE_DIR})

# The name the linker knows the library by: Jotwell for the Windows DLL's
# import library.
get_target_property(JOTWELL_LINK_NAME jotwell OUTPUT_NAME)
if(NOT JOTWELL_LINK_NAME)
    set(JOTWELL_LINK_NAME jotwell)
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/jotwell.pc.in ${PROJECT_BINARY_DIR}/jotwell.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/jotwell.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
