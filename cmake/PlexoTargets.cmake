# Helpers that give every module and test the same flags.

option(PLEXO_WERROR "Treat compiler warnings as errors (the test build turns it on)" OFF)

set(PLEXO_WARNINGS -Wall -Wextra -Wno-unused-parameter)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # The class library's windows and controls overload Create by design:
    # each class adds the form its callers use beside the base class's.
    list(APPEND PLEXO_WARNINGS -Wno-overloaded-virtual)
endif()
if(PLEXO_WERROR)
    list(APPEND PLEXO_WARNINGS -Werror)
endif()
set(PLEXO_FP_FLAGS -ffp-contract=off -fno-fast-math)

if(PLEXO_SANITIZE)
    set(PLEXO_SANITIZER_FLAGS -fsanitize=address,undefined,leak
        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${PLEXO_SANITIZER_FLAGS})
    add_link_options(${PLEXO_SANITIZER_FLAGS})
endif()

# The fuzzing build: every module carries the coverage instrumentation that
# libFuzzer steers by; only the fuzz programs link libFuzzer itself.
if(PLEXO_FUZZ)
    set(PLEXO_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    # clang also asks for 'override' on the run-time class macros' members.
    add_compile_options(${PLEXO_FUZZ_FLAGS} -fsanitize=fuzzer-no-link -Wno-inconsistent-missing-override)
    add_link_options(${PLEXO_FUZZ_FLAGS})
endif()

function(plexo_apply_flags target)
    target_compile_options(${target} PRIVATE ${PLEXO_WARNINGS} ${PLEXO_FP_FLAGS})
    target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/PlexoInstall.cmake)

# plexo_add_module(<target> SOURCES ... [DEPS ...] [QT])
# A shared library for one framework module or subsystem.  Shared, so that
# every run-time class registration (a static object in its source file) is
# always loaded and no linker can drop it.  DEPS are other targets (public).
# QT links Qt (only framework modules may).
function(plexo_add_module target)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS" ${ARGN})
    add_library(${target} SHARED ${ARG_SOURCES})
    target_compile_options(${target} PRIVATE ${PLEXO_WARNINGS})
    # Callers compile the headers' inline arithmetic the same way.
    target_compile_options(${target} PUBLIC ${PLEXO_FP_FLAGS})
    target_include_directories(${target} PUBLIC
        "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>"
        "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/plexo>")
    # The classes the wizard writes include the library's headers by file
    # name alone ("QYDrawPortsComponent.h"): each library module also offers
    # its own folder.  Their names all begin with QY, so nothing is hidden.
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    if(folder MATCHES "^library/")
        target_include_directories(${target} PUBLIC
            "$<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>"
            "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/plexo/${folder}>")
    endif()
    if(ARG_DEPS)
        target_link_libraries(${target} PUBLIC ${ARG_DEPS})
    endif()
    if(ARG_QT)
        target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
    endif()
    plexo_install_module(${target})
endfunction()

# plexo_add_test(<target> SOURCES ... DEPS ... [SEPARATE <Suite.Case>...] [SHARDS <n>])
# A GoogleTest executable run by CTest, with the shared test main (offscreen
# Qt application) and the sanitizer environment.  It is one CTest test
# unless long cases are split off, so that CTest spreads them over the cores:
#   SEPARATE  each named case is a test of its own, <target>.<Suite.Case>,
#             and <target> runs the others;
#   SHARDS    the cases are dealt round-robin to n tests, <target>.<i>
#             (GoogleTest's sharding; a parameterized case counts as one
#             case per parameter).
# The split tests are marked costly, so that a first run (before CTest has
# measured them) starts them first instead of last.
function(plexo_add_test target)
    cmake_parse_arguments(ARG "" "SHARDS" "SOURCES;DEPS;SEPARATE" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    plexo_apply_flags(${target})
    target_link_libraries(${target} PRIVATE plexo_test_main ${ARG_DEPS} GTest::gtest)
    # A test program's own code is calls and checks; optimising it took
    # close to half of its compile time and saves nothing measurable when it
    # runs.  The modules it tests keep the build's optimisation.
    target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O0>)
    target_compile_definitions(${target} PRIVATE
        PLEXO_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    set(environment "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
    set(tests)
    if(ARG_SHARDS)
        math(EXPR last "${ARG_SHARDS} - 1")
        foreach(index RANGE ${last})
            add_test(NAME ${target}.${index} COMMAND ${target})
            set_tests_properties(${target}.${index} PROPERTIES COST 100 ENVIRONMENT
                "${environment};GTEST_TOTAL_SHARDS=${ARG_SHARDS};GTEST_SHARD_INDEX=${index}")
            list(APPEND tests ${target}.${index})
        endforeach()
    elseif(ARG_SEPARATE)
        list(JOIN ARG_SEPARATE ":" separated)
        add_test(NAME ${target} COMMAND ${target} --gtest_filter=-${separated})
        list(APPEND tests ${target})
        foreach(case IN LISTS ARG_SEPARATE)
            add_test(NAME ${target}.${case} COMMAND ${target} --gtest_filter=${case})
            # A case renamed away would leave a test that runs nothing.
            set_tests_properties(${target}.${case} PROPERTIES
                COST 100 FAIL_REGULAR_EXPRESSION "\\[  PASSED  \\] 0 tests")
            list(APPEND tests ${target}.${case})
        endforeach()
    else()
        add_test(NAME ${target} COMMAND ${target})
        list(APPEND tests ${target})
    endif()
    foreach(test IN LISTS tests)
        set_tests_properties(${test} PROPERTIES TIMEOUT 600)
        get_test_property(${test} ENVIRONMENT own)
        if(NOT own)
            set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}")
        endif()
    endforeach()
endfunction()

# plexo_add_unprivileged_test(<target> <gtest filter>)
# The named cases of a test program, which the superuser's rights would
# skip (permissions do not bind root), run once more as the unprivileged
# user 'nobody' when the tests run as root: <target>.unprivileged.  It is
# skipped when not running as root (the program's own test runs them) and
# where no user can be switched to.
function(plexo_add_unprivileged_test target filter)
    add_test(NAME ${target}.unprivileged
        COMMAND sh "${PROJECT_SOURCE_DIR}/tests/support/run-unprivileged.sh" $<TARGET_FILE:${target}> "${filter}")
    get_test_property(${target} ENVIRONMENT environment)
    set_tests_properties(${target}.unprivileged PROPERTIES
        TIMEOUT 600 SKIP_RETURN_CODE 77 ENVIRONMENT "${environment}")
endfunction()

# plexo_add_benchmark(<target> SOURCES ... DEPS ...)
function(plexo_add_benchmark target)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    plexo_apply_flags(${target})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
