list(APPEND MIRABO_CORE_SOURCES
    template/ColorModel.cpp
    template/ColorScience.cpp
    template/CssColorNames.cpp
    template/DateEscape.cpp
    template/Template.cpp
    template/TokenMenuTable.cpp
)
