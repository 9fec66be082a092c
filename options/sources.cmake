# Pure decisions of the pages and their tables: no <windows.h>.
list(APPEND MIRABO_CORE_SOURCES
    options/CopyKeysRules.cpp
    options/OptionsRules.cpp
    options/TemplateFont.cpp
)
# The property sheet, its pages and the token menu of the format boxes.
list(APPEND MIRABO_SHELL_SOURCES
    options/CopyKeyEditor.cpp
    options/CopyKeysPage.cpp
    options/DisplayPage.cpp
    options/OptionsSheet.cpp
    options/OtherPage.cpp
    options/PageControls.cpp
    options/SheetFrame.cpp
    options/TokenMenu.cpp
    options/WindowPage.cpp
)
