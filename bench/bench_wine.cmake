# Win32 benchmarks, run by hand under Wine (not registered as tests):
#   tools/with-wine.sh tools/wine-run.sh win64 build/win64/view_bench.exe
add_executable(view_bench bench/RedrawBench.cpp tests/support/PatternWindow.cpp)
target_include_directories(view_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_compile_options(view_bench PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(view_bench PRIVATE mirabo_shell)
target_link_options(view_bench PRIVATE ${MIRABO_STATIC_LINK})

# The floor of the idle cost, for bench/idle_cpu.sh.
add_executable(idle_timer WIN32 bench/IdleTimer.cpp)
target_link_libraries(idle_timer PRIVATE mirabo_core user32 gdi32)
target_link_options(idle_timer PRIVATE ${MIRABO_STATIC_LINK} -mwindows)

# The main window with view settings from the command line, for screenshots
# (bench/screenshots.sh).
add_executable(view_demo WIN32 bench/ViewDemo.cpp)
target_compile_options(view_demo PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(view_demo PRIVATE mirabo_shell)
target_link_options(view_demo PRIVATE ${MIRABO_STATIC_LINK} -mwindows)

# The long run watched for leaks (minutes; not part of the test run):
#   tools/with-wine.sh tools/wine-run.sh win64 build/win64/soak_bench.exe
add_executable(soak_bench bench/SoakBench.cpp tests/support/PatternWindow.cpp)
target_include_directories(soak_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_compile_options(soak_bench PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(soak_bench PRIVATE mirabo_shell psapi)
target_link_options(soak_bench PRIVATE ${MIRABO_STATIC_LINK})
