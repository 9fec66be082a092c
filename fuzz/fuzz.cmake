# libFuzzer targets over the pure core (clang, ASan and UBSan). Each checks
# properties of its routine, not only that it survives. ctest runs every
# target for a short bounded time on a scratch copy of its seed corpus;
# tools/fuzz-long.sh runs them for longer.
set(MIRABO_FUZZ_SECONDS 15 CACHE STRING "Seconds each fuzz target runs as a test")

# Any undefined behaviour stops the fuzzer instead of being reported and
# passed over.
target_compile_options(mirabo_core PUBLIC -fno-sanitize-recover=undefined)

set(MIRABO_FUZZ_TARGETS
    settings_reader:SettingsReaderFuzz
    copykey_value:CopyKeyValueFuzz
    color_text:ColorTextFuzz
    expand_template:ExpandTemplateFuzz
)
foreach(entry ${MIRABO_FUZZ_TARGETS})
    string(REPLACE ":" ";" pair ${entry})
    list(GET pair 0 name)
    list(GET pair 1 source)
    add_executable(fuzz_${name} fuzz/${source}.cpp)
    target_link_libraries(fuzz_${name} PRIVATE mirabo_core)
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined -Wall -Wextra)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    add_test(NAME fuzz.${name}
             COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run-fuzz.sh $<TARGET_FILE:fuzz_${name}>
                     ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name} ${CMAKE_BINARY_DIR}/fuzz-artifacts
                     ${MIRABO_FUZZ_SECONDS})
    set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 300)
endforeach()
