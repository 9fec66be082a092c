list(APPEND MIRABO_CORE_SOURCES
    view/ColorHistory.cpp
    view/PointInfo.cpp
)
list(APPEND MIRABO_SHELL_SOURCES
    view/RedrawView.cpp
    view/SamplePoint.cpp
)
