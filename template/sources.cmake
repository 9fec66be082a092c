list(APPEND MIRABO_CORE_SOURCES
    template/Template.cpp
)
