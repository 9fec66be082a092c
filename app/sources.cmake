# Pure code: no <windows.h>, built natively and for Windows.
list(APPEND MIRABO_CORE_SOURCES
    app/BuiltinCopyKeys.cpp
    app/ContextMenuModel.cpp
    app/MainWndRules.cpp
    app/OsVersion.cpp
    app/Settings.cpp
    app/TextUtil.cpp
    app/ViewCommands.cpp
)
# Win32 shell.
list(APPEND MIRABO_SHELL_SOURCES
    app/AppState.cpp
    app/Commands.cpp
    app/ContextMenu.cpp
    app/MainWnd.cpp
    app/OsVersionWin.cpp
    app/Startup.cpp
)
