# Benchmarks of the hot paths (Google Benchmark). The native tree's core
# carries the sanitizers, so the benchmarks compile the core again, without
# them and optimised, whatever the tree's build type. Built, never run as
# tests:
#   cmake --build build/native --target mirabo_bench && build/native/mirabo_bench
find_package(benchmark REQUIRED)

set(MIRABO_BENCH_FLAGS -O2 -fno-exceptions -fno-rtti)

add_library(mirabo_core_bench STATIC ${MIRABO_CORE_SOURCES} core/LeadByteNative.cpp)
target_include_directories(mirabo_core_bench PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(mirabo_core_bench PRIVATE -Wall -Wextra ${MIRABO_CHARSET_FLAGS} ${MIRABO_BENCH_FLAGS})

add_executable(mirabo_bench bench/TemplateBench.cpp bench/SettingsBench.cpp)
target_compile_options(mirabo_bench PRIVATE -Wall -Wextra ${MIRABO_CHARSET_FLAGS} -O2 -DNDEBUG)
target_link_libraries(mirabo_bench PRIVATE mirabo_core_bench benchmark::benchmark benchmark::benchmark_main)
