# Pure rules of the shell: no <windows.h>, built natively and for Windows.
list(APPEND MIRABO_CORE_SOURCES
    app/BuiltinCopyKeys.cpp
    app/ContextMenuModel.cpp
    app/MainWndRules.cpp
    app/ViewCommands.cpp
)
# Win32 shell.
list(APPEND MIRABO_SHELL_SOURCES
    app/Commands.cpp
    app/ContextMenu.cpp
    app/InitDefaults.cpp
    app/MainWnd.cpp
    app/TrayIcon.cpp
    app/Startup.cpp
)
