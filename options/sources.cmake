list(APPEND MIRABO_SHELL_SOURCES
    options/OptionsSheet.cpp
)
