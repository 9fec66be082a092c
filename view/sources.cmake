list(APPEND MIRABO_CORE_SOURCES
    view/AreaSample.cpp
    view/ColorHistory.cpp
    view/FrameOps.cpp
    view/InfoPanelText.cpp
    view/ViewLayout.cpp
)
list(APPEND MIRABO_SHELL_SOURCES
    view/ArrowMark.cpp
    view/BackBuffer.cpp
    view/DrawPrimitives.cpp
    view/MemorySurface.cpp
    view/RedrawView.cpp
    view/SamplePoint.cpp
    view/ScreenCopy.cpp
)
