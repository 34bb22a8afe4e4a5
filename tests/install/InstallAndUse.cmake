# Installs the build into a fresh prefix, checks what the install holds,
# then configures, builds and runs a small program of the user's own, made
# of classes the class wizard writes, against that prefix alone; installs
# that program into the prefix, moves the whole tree and runs it again.
# Arguments: BUILD_DIR, SOURCE_DIR, CONSUMER_DIR, WORK_DIR, GENERATOR,
# CLASS_GENERATOR (the program that writes every kind of class), PYTHON,
# PREPARE_SCRIPT, LIBDIR, KILNSMITH (ON when the program is built).
set(prefix "${WORK_DIR}/prefix")
set(moved "${WORK_DIR}/moved")
set(consumer_src "${WORK_DIR}/src")
set(consumer_build "${WORK_DIR}/consumer")
file(REMOVE_RECURSE "${WORK_DIR}")

function(run_step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc
        OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
    endif()
endfunction()

function(expect_installed)
    foreach(path IN LISTS ARGN)
        if(NOT EXISTS "${prefix}/${path}")
            message(FATAL_ERROR "the install lacks ${path}")
        endif()
    endforeach()
endfunction()

run_step("install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
expect_installed(
    "${LIBDIR}/cmake/Plexo/PlexoConfig.cmake"
    "${LIBDIR}/cmake/Plexo/PlexoConfigVersion.cmake"
    "${LIBDIR}/cmake/Plexo/PlexoTargets.cmake"
    "include/plexo/library/model/QYDataModel.h"
    "share/kilnsmith/LanguageSys/DevStudio.ini"
    "share/kilnsmith/LanguageSys/DevStudio.lcf")
if(KILNSMITH)
    expect_installed(
        "bin/kilnsmith"
        "share/applications/kilnsmith.desktop"
        "share/icons/hicolor/16x16/apps/kilnsmith.png"
        "share/icons/hicolor/48x48/apps/kilnsmith.png"
        "share/icons/hicolor/256x256/apps/kilnsmith.png")
endif()

# The program's own sources, away from the source tree so that no header of
# it is reachable by a relative include, and the wizard's classes beside.
file(COPY "${CONSUMER_DIR}/" DESTINATION "${consumer_src}")
run_step("writing the classes" "${PYTHON}" "${PREPARE_SCRIPT}" "${CLASS_GENERATOR}"
    "${WORK_DIR}/generated" "${consumer_src}")
run_step("configure" ${CMAKE_COMMAND} -S "${consumer_src}" -B "${consumer_build}"
    -G "${GENERATOR}" "-DCMAKE_PREFIX_PATH=${prefix}" -DCMAKE_CXX_COMPILER_LAUNCHER=)
run_step("build" ${CMAKE_COMMAND} --build "${consumer_build}")
# The only include folders allowed are the prefix's and the system's.
file(READ "${consumer_build}/compile_commands.json" commands)
string(REPLACE "${WORK_DIR}" "" commands "${commands}")
string(FIND "${commands}" "${SOURCE_DIR}" leaks)
if(NOT leaks EQUAL -1)
    message(FATAL_ERROR "the program's build reaches the source tree:\n${commands}")
endif()
run_step("run" "${consumer_build}/consumer" "${WORK_DIR}")

# Installed beside the library and moved with it, the program still finds
# its libraries and the shipped data.
run_step("installing the program" ${CMAKE_COMMAND} --install "${consumer_build}" --prefix "${prefix}")
file(RENAME "${prefix}" "${moved}")
run_step("run from the moved tree" "${moved}/bin/consumer" "${WORK_DIR}" kilnsmith)
