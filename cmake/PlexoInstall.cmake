# Install rules shared by every module: the versioned shared library, its
# public headers in their folder, and its entry in the exported target set.
# plexo_add_module calls plexo_install_module, so a new module installs
# itself; the root CMakeLists.txt calls plexo_install_package once at the end.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The installed tree can move: programs and libraries find their libraries
# relative to themselves.
set(CMAKE_INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")

# Sanitizer builds: whoever links the installed libraries needs the same
# runtime, so the flags travel with the exported targets.
if(PLEXO_SANITIZE)
    set(PLEXO_CONSUMER_SANITIZER_FLAGS ${PLEXO_SANITIZER_FLAGS})
endif()

# Headers that include Qt, PCRE2, libjpeg or system headers are internal to
# the framework and stay out of the install.
function(plexo_public_headers out_var folder)
    file(GLOB headers "${folder}/*.h")
    set(public)
    foreach(header IN LISTS headers)
        file(STRINGS "${header}" outside REGEX
            "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z]*|pcre2|jpeglib|jerror|sys/|unistd|fcntl|dirent)")
        if(NOT outside)
            list(APPEND public "${header}")
        endif()
    endforeach()
    set(${out_var} ${public} PARENT_SCOPE)
endfunction()

function(plexo_install_module target)
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        EXPORT_NAME ${target})
    add_library(Plexo::${target} ALIAS ${target})
    if(PLEXO_CONSUMER_SANITIZER_FLAGS)
        target_compile_options(${target} INTERFACE
            "$<INSTALL_INTERFACE:${PLEXO_CONSUMER_SANITIZER_FLAGS}>")
        target_link_options(${target} INTERFACE
            "$<INSTALL_INTERFACE:${PLEXO_CONSUMER_SANITIZER_FLAGS}>")
    endif()
    install(TARGETS ${target} EXPORT PlexoTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    plexo_public_headers(headers "${CMAKE_CURRENT_SOURCE_DIR}")
    install(FILES ${headers}
        DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/plexo/${folder}")
    set_property(GLOBAL APPEND PROPERTY PLEXO_MODULES ${target})
endfunction()

# The package files and the aggregate Plexo::Plexo that brings every module.
function(plexo_install_package)
    get_property(modules GLOBAL PROPERTY PLEXO_MODULES)
    add_library(Plexo INTERFACE)
    target_link_libraries(Plexo INTERFACE ${modules})
    install(TARGETS Plexo EXPORT PlexoTargets)
    set(cmake_dir "${CMAKE_INSTALL_LIBDIR}/cmake/Plexo")
    install(EXPORT PlexoTargets NAMESPACE Plexo:: DESTINATION "${cmake_dir}")
    configure_package_config_file(
        "${PROJECT_SOURCE_DIR}/cmake/PlexoConfig.cmake.in"
        "${PROJECT_BINARY_DIR}/PlexoConfig.cmake"
        INSTALL_DESTINATION "${cmake_dir}")
    write_basic_package_version_file(
        "${PROJECT_BINARY_DIR}/PlexoConfigVersion.cmake"
        COMPATIBILITY SameMajorVersion)
    install(FILES "${PROJECT_BINARY_DIR}/PlexoConfig.cmake"
                  "${PROJECT_BINARY_DIR}/PlexoConfigVersion.cmake"
        DESTINATION "${cmake_dir}")
endfunction()
