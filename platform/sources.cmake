# Win32 state and helpers that the features and the shell share.
list(APPEND MIRABO_SHELL_SOURCES
    platform/AppState.cpp
    platform/MonitorLayoutWin.cpp
    platform/OsVersionWin.cpp
    platform/PopupMenu.cpp
    platform/WindowOpacity.cpp
)
