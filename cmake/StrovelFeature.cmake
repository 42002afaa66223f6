# A feature is one folder (cycles/strovel/, methods/spia/, ...) and one call:
#
#   strovel_feature(NAME CALCOLO a.cpp  ARCHIVIO b.cpp  FINESTRE a_finestra.cpp
#                   COMANDI a_comando.cpp  USA strovel_other)
#
#   strovel_NAME            the computation: plain C++ over the core (and the computations it
#                           USEs), nothing else: no Qt, no database; linking the core only, it
#                           cannot include anything more
#   strovel_NAME_archivio   what reads or writes the databases through storage/ (no SQL of its
#                           own: the layer test checks that)
#   strovel_NAME_comandi    its strovel-cli commands, over the command-line driver
#   strovel_NAME_finestre   its windows (Qt Widgets)
#
# The command line links the first three of every feature, the program the first two and the
# windows. A new window or command adds its file names to its folder's call, nothing else.
function(strovel_feature nome)
    cmake_parse_arguments(F "" "" "CALCOLO;ARCHIVIO;COMANDI;FINESTRE;USA" ${ARGN})
    set(librerie)
    if(F_CALCOLO)
        add_library(strovel_${nome} STATIC ${F_CALCOLO})
        target_link_libraries(strovel_${nome} PUBLIC strovel_core ${F_USA})
        list(APPEND librerie strovel_${nome})
    endif()
    if(F_ARCHIVIO)
        add_library(strovel_${nome}_archivio STATIC ${F_ARCHIVIO})
        target_link_libraries(strovel_${nome}_archivio PUBLIC ${librerie} strovel_storage)
        list(APPEND librerie strovel_${nome}_archivio)
    endif()
    set_property(GLOBAL APPEND PROPERTY STROVEL_CALCOLI ${librerie})
    # The fuzz build has neither commands nor windows.
    if(F_COMANDI AND NOT STROVEL_FUZZ)
        add_library(strovel_${nome}_comandi STATIC ${F_COMANDI})
        target_link_libraries(strovel_${nome}_comandi PUBLIC ${librerie} strovel_cli_base)
        set_property(GLOBAL APPEND PROPERTY STROVEL_COMANDI strovel_${nome}_comandi)
    endif()
    if(F_FINESTRE AND TARGET strovel_gui)
        add_library(strovel_${nome}_finestre STATIC ${F_FINESTRE})
        set_target_properties(strovel_${nome}_finestre PROPERTIES AUTOMOC ON)
        target_link_libraries(strovel_${nome}_finestre PUBLIC ${librerie} strovel_gui)
        set_property(GLOBAL APPEND PROPERTY STROVEL_FINESTRE strovel_${nome}_finestre)
    endif()
endfunction()

# After every feature folder: strovel_analysis (every computation and its database access),
# strovel_comandi (every command) and strovel_finestre (every window), for the command line,
# the program, the tests and the benchmarks.
function(strovel_raccogli_feature)
    get_property(calcoli GLOBAL PROPERTY STROVEL_CALCOLI)
    add_library(strovel_analysis INTERFACE)
    target_link_libraries(strovel_analysis INTERFACE ${calcoli})
    get_property(comandi GLOBAL PROPERTY STROVEL_COMANDI)
    add_library(strovel_comandi INTERFACE)
    target_link_libraries(strovel_comandi INTERFACE ${comandi})
    get_property(finestre GLOBAL PROPERTY STROVEL_FINESTRE)
    add_library(strovel_finestre INTERFACE)
    target_link_libraries(strovel_finestre INTERFACE ${finestre})
endfunction()
