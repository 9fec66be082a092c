list(APPEND MIRABO_SHELL_SOURCES
    settings/SettingsFile.cpp
)
