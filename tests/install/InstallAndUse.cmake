# Installs the build into a fresh prefix, then configures, builds and runs a
# small program of the user's own against that prefix alone.
# Arguments: BUILD_DIR, CONSUMER_DIR, WORK_DIR, GENERATOR.
set(prefix "${WORK_DIR}/prefix")
set(consumer_build "${WORK_DIR}/consumer")
file(REMOVE_RECURSE "${WORK_DIR}")

function(run_step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc
        OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
    endif()
endfunction()

run_step("install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
# Copy the program's sources away from the source tree so that no header of
# the source tree is reachable by relative include.
file(COPY "${CONSUMER_DIR}/" DESTINATION "${WORK_DIR}/src")
run_step("configure" ${CMAKE_COMMAND} -S "${WORK_DIR}/src" -B "${consumer_build}"
    -G "${GENERATOR}" "-DCMAKE_PREFIX_PATH=${prefix}" -DCMAKE_CXX_COMPILER_LAUNCHER=)
run_step("build" ${CMAKE_COMMAND} --build "${consumer_build}")
# The only include folders allowed are the prefix's and the system's.
file(READ "${consumer_build}/compile_commands.json" commands)
string(REPLACE "${WORK_DIR}" "" commands "${commands}")
string(FIND "${commands}" "${SOURCE_DIR}" leaks)
if(NOT leaks EQUAL -1)
    message(FATAL_ERROR "the program's build reaches the source tree:\n${commands}")
endif()
run_step("run" "${consumer_build}/consumer")
