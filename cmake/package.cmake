# The release package of the 32-bit tree, made with CPack:
# mirabo-<version>-win32.zip holding a folder of that name with the stripped
# mirabo.exe and the Japanese readme.txt that the native tree makes from the
# program's tables (refgen). `cmake --build <tree> --target package`.
set(MIRABO_README_TXT "" CACHE FILEPATH "readme.txt made by the native tree's readme target")

if(NOT MIRABO_WINE_ARCH STREQUAL "win32")
    return()
endif()

if(MIRABO_README_TXT)
    install(TARGETS mirabo RUNTIME DESTINATION .)
    install(FILES ${MIRABO_README_TXT} DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_NAME mirabo)
    set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
    set(MIRABO_PACKAGE_NAME mirabo-${PROJECT_VERSION}-win32)
    set(CPACK_PACKAGE_FILE_NAME ${MIRABO_PACKAGE_NAME})
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
    include(CPack)
    # Unpacked into an empty folder, run from there under a fresh prefix.
    add_test(NAME win32.package
             COMMAND ${CMAKE_SOURCE_DIR}/tests/package_check.sh
                     ${CMAKE_BINARY_DIR}/${MIRABO_PACKAGE_NAME}.zip ${MIRABO_README_TXT}
                     $<TARGET_FILE:core_tests>)
    set_tests_properties(win32.package PROPERTIES RESOURCE_LOCK wine TIMEOUT 2400 SKIP_RETURN_CODE 77)
elseif(NOT MIRABO_WINE_TESTS)
    # No package: where the Wine suites run on the 64-bit build, the 32-bit
    # build still runs its core tests and the program itself once.
    add_test(NAME win32.smoke
             COMMAND ${CMAKE_SOURCE_DIR}/tests/smoke32.sh $<TARGET_FILE:mirabo> $<TARGET_FILE:core_tests>)
    set_tests_properties(win32.smoke PROPERTIES RESOURCE_LOCK wine TIMEOUT 2400 SKIP_RETURN_CODE 77)
endif()
