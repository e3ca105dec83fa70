# How skipped tests show in CTest. A test that cannot run here (an integration test outside the
# private network namespace of scripts/netns) must show as skipped, never as passed, and a test
# that did run must not show as skipped.
# - GoogleTest: gtest_discover_tests registers every TEST as a CTest test of its own and marks
#   it skipped when its output carries GoogleTest's "[  SKIPPED ]", so GTEST_SKIP() shows
#   exactly for the tests that skipped.
# - Qt Test: one program is one CTest test, and CTest keeps one verdict per test. The program is
#   reported skipped when Qt's totals read "0 passed, 0 failed" with at least one skip, which is
#   what a QSKIP in initTestCase() gives: every function skipped, nothing ran. When some
#   functions passed and one skipped, the program is reported passed, because reporting the
#   whole program skipped would hide the checks that did run (its SKIP lines stay in the output,
#   ctest -V). So a function that needs what the others do not, such as the private namespace,
#   goes into a program of its own that skips in initTestCase(); tests/support/private_network.h
#   has the macro for it.
# - Failures win: a failed check or a crash leaves no "0 failed" totals, so it is never skipped.

# vistrel_add_gtest(<name> SOURCES <files...> LIBS <targets...> [LABELS <label>] [ADMIN_PORT])
# Builds one GoogleTest program and registers its tests with CTest. ADMIN_PORT marks tests
# that use UDP port 13364: they run one at a time, since broadcasts reach every socket on it.
include(GoogleTest)

function(vistrel_add_gtest name)
    cmake_parse_arguments(ARG "ADMIN_PORT" "LABELS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main vistrel_options)
    # gtest_discover_tests passes properties on as a flat list: one label per program.
    set(properties LABELS ${ARG_LABELS})
    if(ARG_ADMIN_PORT)
        list(APPEND properties RESOURCE_LOCK admin_port)
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES ${properties})
endfunction()

# vistrel_add_fuzz_target(<name> SOURCE <file> LIBS <targets...> CORPUS <dir>)
# With VISTREL_FUZZ the target is a libFuzzer program; otherwise it is a plain program
# that replays every file of its corpus, registered as a test so the corpus runs under CTest.
function(vistrel_add_fuzz_target name)
    cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCE})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vistrel_options)
    if(VISTREL_FUZZ)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
        add_test(NAME ${name}.corpus COMMAND ${name} ${ARG_CORPUS})
        set_tests_properties(${name}.corpus PROPERTIES LABELS fuzz)
    endif()
endfunction()

# vistrel_add_qtest(<name> SOURCES <files...> LIBS <targets...> [LABELS <label>] [ADMIN_PORT])
# Builds one Qt Test program for windows; it runs on the offscreen platform.
function(vistrel_add_qtest name)
    cmake_parse_arguments(ARG "ADMIN_PORT" "LABELS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets vistrel_options)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        SKIP_REGULAR_EXPRESSION "Totals: 0 passed, 0 failed, [1-9][0-9]* skipped")
    if(ARG_ADMIN_PORT)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK admin_port)
    endif()
endfunction()
