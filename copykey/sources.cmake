list(APPEND MIRABO_CORE_SOURCES
    copykey/CaptureImage.cpp
    copykey/CaptureMenuLabel.cpp
    copykey/KeyBindings.cpp
    copykey/KeyCombo.cpp
)
list(APPEND MIRABO_SHELL_SOURCES
    copykey/AccelTable.cpp
    copykey/CaptureMenu.cpp
    copykey/CaptureOutput.cpp
    copykey/Hotkey.cpp
    copykey/KeyName.cpp
)
