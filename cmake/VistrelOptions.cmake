# One interface target carries the language standard, warnings and sanitizer flags
# for every library, executable and test of the project.
option(VISTREL_GUI "Build the windows, the finder, the test camera and the benchmarks (needs Qt 6); \
OFF builds the toolkit-free libraries and their tests alone" ON)
option(VISTREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VISTREL_FUZZ "Build the fuzz targets with libFuzzer (needs clang)" OFF)

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

add_library(vistrel_options INTERFACE)
target_compile_options(vistrel_options INTERFACE -Wall -Wextra -Wpedantic)
# GCC 12 reports std::string assignments of short literals as overlapping copies once it
# optimises (GCC bug 105329); the warning is wrong there and hides the real ones.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(vistrel_options INTERFACE -Wno-restrict)
endif()
target_compile_definitions(vistrel_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_URL_CAST_FROM_STRING)

# Fuzz targets learn from coverage points in every library they exercise, not only in their
# own source file.
if(VISTREL_FUZZ)
    target_compile_options(vistrel_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

if(VISTREL_SANITIZE)
    target_compile_options(vistrel_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(vistrel_options INTERFACE -fsanitize=address,undefined)
endif()
