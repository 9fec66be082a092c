# Pure code: the file's text, parsed and written over byte buffers.
list(APPEND MIRABO_CORE_SOURCES
    settings/SettingsText.cpp
)
# Win32: locating, reading and safely replacing the file.
list(APPEND MIRABO_SHELL_SOURCES
    settings/SettingsFile.cpp
)
