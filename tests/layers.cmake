# SPDX-License-Identifier: MIT
# Fails when a folder of the program includes a header of a folder in a layer
# above its own, or of another folder in its own layer (which is how a cycle
# between folders starts). cmake -DSOURCE=<checkout> -P layers.cmake
# Layers from the bottom: platform adapters; commands; header-only layout
# tables; the artwork generator, whose painting the window uses; the window;
# the entry.
set(folders)
foreach(entry platform:0 commands:1 layout:2 assets:3 window:4 app:5)
    string(REPLACE ":" ";" pair ${entry})
    list(GET pair 0 folder)
    list(GET pair 1 level)
    set(rank_${folder} ${level})
    list(APPEND folders ${folder})
endforeach()

set(problems)
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources RELATIVE ${SOURCE} ${SOURCE}/${folder}/*.h ${SOURCE}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE}/${source} includes REGEX "^#include \"[^\"]+/[^\"]+\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" included "${line}")
            if(included STREQUAL folder)
                continue()
            endif()
            if(NOT DEFINED rank_${included})
                list(APPEND problems "${source} includes ${included}/, a folder of no layer")
            elseif(NOT rank_${included} LESS rank_${folder})
                list(APPEND problems "${source} (layer ${rank_${folder}}) includes ${included}/ (layer ${rank_${included}})")
            endif()
        endforeach()
    endforeach()
endforeach()

file(GLOB top RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(entry IN LISTS top)
    if(IS_DIRECTORY ${SOURCE}/${entry} AND NOT entry MATCHES "^(\\..*|build|tests|bench|scripts|packaging|docs|config|cmake)$"
       AND NOT DEFINED rank_${entry})
        list(APPEND problems "folder ${entry}/ belongs to no layer")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " report)
    message(FATAL_ERROR "Layers broken:\n  ${report}")
endif()
message(STATUS "Every include points to a lower layer")
