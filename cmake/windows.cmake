# Windows tree (mingw-w64): the program, and when MIRABO_WINE_TESTS is on,
# the core tests again, the in-process shell tests and the end-to-end tests,
# all run under Wine.
enable_testing()
enable_language(RC)

option(MIRABO_WINE_TESTS "Build and register the tests that run under Wine" ON)
if(NOT DEFINED MIRABO_WINE_ARCH)
    set(MIRABO_WINE_ARCH win32)
endif()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
    set(MIRABO_MANIFEST_ARCH amd64)
else()
    set(MIRABO_MANIFEST_ARCH x86)
endif()
configure_file(res/mirabo.manifest.in ${CMAKE_BINARY_DIR}/mirabo.manifest @ONLY)
configure_file(res/version.h.in ${CMAKE_BINARY_DIR}/version.h @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${CMAKE_BINARY_DIR} -c 65001")
set(MIRABO_RESOURCES ${CMAKE_SOURCE_DIR}/res/mirabo.rc)
set_source_files_properties(${MIRABO_RESOURCES} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/mirabo.ico;${CMAKE_SOURCE_DIR}/res/options.rc;${CMAKE_BINARY_DIR}/mirabo.manifest;${CMAKE_BINARY_DIR}/version.h;${CMAKE_SOURCE_DIR}/res/resource.h")

set(MIRABO_WIN_LIBS user32 gdi32 kernel32 shell32 comctl32 comdlg32)
set(MIRABO_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_library(mirabo_core STATIC ${MIRABO_CORE_SOURCES} platform/LeadByteWin.cpp)
target_include_directories(mirabo_core PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res)
target_compile_options(mirabo_core PRIVATE ${MIRABO_PROGRAM_FLAGS} ${MIRABO_CHARSET_FLAGS})
target_compile_definitions(mirabo_core PUBLIC WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0501 WINVER=0x0501)

add_library(mirabo_shell STATIC ${MIRABO_SHELL_SOURCES})
target_link_libraries(mirabo_shell PUBLIC mirabo_core ${MIRABO_WIN_LIBS})
target_compile_options(mirabo_shell PRIVATE ${MIRABO_PROGRAM_FLAGS} ${MIRABO_CHARSET_FLAGS})

add_executable(mirabo WIN32 app/WinMain.cpp ${MIRABO_RESOURCES})
target_link_libraries(mirabo PRIVATE mirabo_shell)
target_compile_options(mirabo PRIVATE ${MIRABO_PROGRAM_FLAGS} ${MIRABO_CHARSET_FLAGS})
# The shipped file carries no debug sections of the static runtime.
target_link_options(mirabo PRIVATE ${MIRABO_STATIC_LINK} -mwindows $<$<CONFIG:Release,MinSizeRel>:-s>)

# Checks of the shipped file itself: PE32 i386, GUI, icon and manifest inside.
add_test(NAME ${MIRABO_WINE_ARCH}.pe_check
         COMMAND ${CMAKE_SOURCE_DIR}/tests/pe_check.sh $<TARGET_FILE:mirabo> ${MIRABO_WINE_ARCH})

# The small window that keeps a Wine environment alive, and the Win32
# benchmarks, in every Windows tree.
add_executable(keeper WIN32 tools/keeper.cpp)
target_link_options(keeper PRIVATE ${MIRABO_STATIC_LINK} -mwindows)
target_link_libraries(keeper PRIVATE user32 gdi32)
include(bench/bench_wine.cmake)

mirabo_add_gtest()

# The core tests run in every tree that runs the Wine suites, and in the
# shipped 32-bit tree in any case (its package test runs them).
if(MIRABO_WINE_TESTS OR MIRABO_WINE_ARCH STREQUAL "win32")
    add_executable(core_tests ${MIRABO_CORE_TEST_SOURCES})
    target_compile_options(core_tests PRIVATE ${MIRABO_CHARSET_FLAGS})
    target_link_libraries(core_tests PRIVATE mirabo_core gtest gtest_main)
    target_link_options(core_tests PRIVATE ${MIRABO_STATIC_LINK})
endif()

include(cmake/package.cmake)

if(NOT MIRABO_WINE_TESTS)
    return()
endif()

# Every Wine test shares one prefix, one display and one clipboard.
function(mirabo_wine_test name)
    add_test(NAME ${MIRABO_WINE_ARCH}.${name} COMMAND ${ARGN})
    set_tests_properties(${MIRABO_WINE_ARCH}.${name} PROPERTIES RESOURCE_LOCK wine TIMEOUT 900)
endfunction()

mirabo_wine_test(core core_tests --gtest_brief=1)

file(GLOB MIRABO_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(test_support STATIC ${MIRABO_SUPPORT_SOURCES})
# The main-window harness runs the shell in the test process.
target_link_libraries(test_support PUBLIC gtest mirabo_shell ${MIRABO_WIN_LIBS})
target_compile_options(test_support PRIVATE ${MIRABO_CHARSET_FLAGS})

file(GLOB MIRABO_INPROC_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
add_executable(inproc_tests ${MIRABO_INPROC_TEST_SOURCES} ${MIRABO_RESOURCES})
target_compile_options(inproc_tests PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(inproc_tests PRIVATE mirabo_shell test_support gtest gtest_main)
target_link_options(inproc_tests PRIVATE ${MIRABO_STATIC_LINK})
mirabo_wine_test(inproc inproc_tests --gtest_brief=1)

file(GLOB MIRABO_E2E_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${MIRABO_E2E_TEST_SOURCES})
target_compile_options(e2e_tests PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(e2e_tests PRIVATE test_support gtest gtest_main)
target_link_options(e2e_tests PRIVATE ${MIRABO_STATIC_LINK})
# Reports the screen scale that a newly started program sees.
add_executable(dpi_probe WIN32 tests/e2e/probe/DpiProbe.cpp)
target_link_libraries(dpi_probe PRIVATE user32 gdi32)
target_link_options(dpi_probe PRIVATE ${MIRABO_STATIC_LINK} -mwindows)
add_dependencies(e2e_tests mirabo dpi_probe)
mirabo_wine_test(e2e e2e_tests --gtest_brief=1)
set_property(TEST ${MIRABO_WINE_ARCH}.e2e APPEND PROPERTY ENVIRONMENT
             "MIRABO_EXE=$<TARGET_FILE:mirabo>" "MIRABO_DPI_PROBE=$<TARGET_FILE:dpi_probe>")


# The real program on a desktop of two monitors side by side, with an X
# server, Wine prefix and wineserver of its own (so it takes no part in
# the lock the other Wine tests share).
file(GLOB MIRABO_MONITOR_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/monitors/*.cpp)
add_executable(monitor_tests ${MIRABO_MONITOR_TEST_SOURCES})
target_compile_options(monitor_tests PRIVATE ${MIRABO_CHARSET_FLAGS})
target_link_libraries(monitor_tests PRIVATE test_support gtest gtest_main)
target_link_options(monitor_tests PRIVATE ${MIRABO_STATIC_LINK})
add_dependencies(monitor_tests mirabo keeper)
add_test(NAME ${MIRABO_WINE_ARCH}.monitors
         COMMAND ${CMAKE_SOURCE_DIR}/tests/two_monitors.sh ${MIRABO_WINE_ARCH} $<TARGET_FILE:keeper>
                 $<TARGET_FILE:monitor_tests> --gtest_brief=1)
set_tests_properties(${MIRABO_WINE_ARCH}.monitors PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77
                     ENVIRONMENT "MIRABO_EXE=$<TARGET_FILE:mirabo>")
