# Shared records and pure rules: no <windows.h>, built natively and for
# Windows. The lead-byte test has one implementation per platform
# (LeadByteNative.cpp here, platform/LeadByteWin.cpp for Windows).
list(APPEND MIRABO_CORE_SOURCES
    core/Color.cpp
    core/CopyKeyList.cpp
    core/MonitorLayout.cpp
    core/OsVersion.cpp
    core/PointInfo.cpp
    core/SampleSize.cpp
    core/Settings.cpp
    core/TextUtil.cpp
    core/Zoom.cpp
)
