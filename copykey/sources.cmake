list(APPEND MIRABO_CORE_SOURCES
    copykey/CopyKeyList.cpp
    copykey/KeyCombo.cpp
)
