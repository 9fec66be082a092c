list(APPEND MIRABO_CORE_SOURCES
    template/ColorModel.cpp
    template/DateEscape.cpp
    template/Template.cpp
    template/TokenMenuTable.cpp
)
