# One feature folder (archive/, cycles/, methods/) makes two libraries:
#
#   strovel_feature(NAME CALCOLO a.cpp b.cpp FINESTRE a_window.cpp b_window.cpp)
#
#   strovel_NAME           the computation: no widgets; the command line links it
#   strovel_NAME_finestre  the windows over it (Qt Widgets)
#
# A new window adds its two file names to its folder's call, nothing else.
function(strovel_feature nome)
    cmake_parse_arguments(F "" "" "CALCOLO;FINESTRE" ${ARGN})
    add_library(strovel_${nome} STATIC ${F_CALCOLO})
    target_link_libraries(strovel_${nome} PUBLIC strovel_storage)
    set_property(GLOBAL APPEND PROPERTY STROVEL_CALCOLI strovel_${nome})
    # The fuzz build has no windows.
    if(F_FINESTRE AND TARGET strovel_gui)
        add_library(strovel_${nome}_finestre STATIC ${F_FINESTRE})
        set_target_properties(strovel_${nome}_finestre PROPERTIES AUTOMOC ON)
        target_link_libraries(strovel_${nome}_finestre PUBLIC strovel_${nome} strovel_gui)
        set_property(GLOBAL APPEND PROPERTY STROVEL_FINESTRE strovel_${nome}_finestre)
    endif()
endfunction()

# After every feature folder: strovel_analysis (every computation) and strovel_finestre (every
# window), for the command line, the program, the tests and the benchmarks.
function(strovel_raccogli_feature)
    get_property(calcoli GLOBAL PROPERTY STROVEL_CALCOLI)
    add_library(strovel_analysis INTERFACE)
    target_link_libraries(strovel_analysis INTERFACE ${calcoli})
    get_property(finestre GLOBAL PROPERTY STROVEL_FINESTRE)
    add_library(strovel_finestre INTERFACE)
    target_link_libraries(strovel_finestre INTERFACE ${finestre})
endfunction()
