# Benchmarks of the hot paths (Google Benchmark), in a native Release tree
# of their own whose core has no sanitizers. Built, never run as tests:
#   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DMIRABO_BENCH=ON
#   cmake --build build/bench && build/bench/mirabo_bench
find_package(benchmark REQUIRED)

add_executable(mirabo_bench bench/TemplateBench.cpp bench/SettingsBench.cpp)
target_compile_options(mirabo_bench PRIVATE -Wall -Wextra ${MIRABO_CHARSET_FLAGS})
target_link_libraries(mirabo_bench PRIVATE mirabo_core benchmark::benchmark benchmark::benchmark_main)
