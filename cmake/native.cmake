# Native tree: the pure core with its unit tests under AddressSanitizer and
# UBSan, or (with clang) the fuzz targets, or (MIRABO_BENCH) the benchmarks
# in a Release tree of their own.
enable_testing()

option(MIRABO_BENCH "Build only the benchmarks: an optimised core without sanitizers" OFF)
option(MIRABO_SANITIZE "Build the core and its tests with ASan and UBSan" ON)
option(MIRABO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(MIRABO_BENCH)
    set(MIRABO_SANITIZE OFF)
    if(NOT CMAKE_BUILD_TYPE STREQUAL "Release")
        message(FATAL_ERROR "The benchmarks measure a Release build: configure with -DCMAKE_BUILD_TYPE=Release")
    endif()
endif()

# clang only knows UTF-8 as execution charset. The fuzz targets check
# properties (termination, capacity, round trips) that hold in any charset.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(MIRABO_CHARSET_FLAGS)
endif()

set(MIRABO_SANITIZER_FLAGS)
if(MIRABO_SANITIZE)
    set(MIRABO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
endif()

add_library(mirabo_core STATIC ${MIRABO_CORE_SOURCES} core/LeadByteNative.cpp)
target_include_directories(mirabo_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(mirabo_core PRIVATE ${MIRABO_PROGRAM_FLAGS} ${MIRABO_CHARSET_FLAGS})
if(MIRABO_FUZZ)
    target_compile_options(mirabo_core PUBLIC -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(mirabo_core PUBLIC -fsanitize=address,undefined)
else()
    target_compile_options(mirabo_core PUBLIC ${MIRABO_SANITIZER_FLAGS})
    target_link_options(mirabo_core PUBLIC ${MIRABO_SANITIZER_FLAGS})
endif()

if(MIRABO_FUZZ)
    include(fuzz/fuzz.cmake OPTIONAL)
    return()
endif()
if(MIRABO_BENCH)
    include(bench/bench.cmake)
    return()
endif()

mirabo_add_gtest()
add_executable(core_tests ${MIRABO_CORE_TEST_SOURCES})
target_compile_options(core_tests PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(core_tests PRIVATE mirabo_core gtest gtest_main)
add_test(NAME native.core COMMAND core_tests --gtest_brief=1)

# Which folder may include which, no include cycle, no Windows header in
# pure code.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME native.includes COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check-includes.py ${CMAKE_SOURCE_DIR})

# The reference parts of the documentation come from the program's tables:
# readme.txt (code page 932, CR LF) for the package, and the generated
# blocks of README.md, which native.reference compares with the tables.
add_executable(refgen tools/refgen.cpp)
target_compile_options(refgen PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(refgen PRIVATE mirabo_core)
set(MIRABO_README_SOURCE ${CMAKE_SOURCE_DIR}/docs/readme.ja.txt.in)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/readme.txt
    COMMAND iconv -f UTF-8 -t CP932 ${MIRABO_README_SOURCE} -o ${CMAKE_BINARY_DIR}/readme.ja.cp932
    COMMAND refgen readme ${CMAKE_BINARY_DIR}/readme.ja.cp932 ${PROJECT_VERSION} ${CMAKE_BINARY_DIR}/readme.txt
    DEPENDS refgen ${MIRABO_README_SOURCE}
    COMMENT "readme.txt from docs/readme.ja.txt.in and the program's tables")
add_custom_target(readme ALL DEPENDS ${CMAKE_BINARY_DIR}/readme.txt)
add_test(NAME native.reference COMMAND refgen check-readme ${CMAKE_SOURCE_DIR}/README.md)
