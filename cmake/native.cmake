# Native tree: the pure core with its unit tests under AddressSanitizer and
# UBSan, the benchmarks, and (with clang) the fuzz targets.
enable_testing()

option(MIRABO_SANITIZE "Build the core and its tests with ASan and UBSan" ON)
option(MIRABO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

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

mirabo_add_gtest()
add_executable(core_tests ${MIRABO_CORE_TEST_SOURCES})
target_compile_options(core_tests PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(core_tests PRIVATE mirabo_core gtest gtest_main)
add_test(NAME native.core COMMAND core_tests --gtest_brief=1)

include(bench/bench.cmake OPTIONAL)

# Which folder may include which, no include cycle, no Windows header in
# pure code.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME native.includes COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check-includes.py ${CMAKE_SOURCE_DIR})
