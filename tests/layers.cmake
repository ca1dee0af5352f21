# SPDX-License-Identifier: MIT
# Fails when a folder includes a header of a folder in a higher layer or in
# its own layer (where cycles start). cmake -DSOURCE=<checkout> -P layers.cmake
set(folders platform commands layout assets window app) # from the bottom layer up
foreach(folder IN LISTS folders)
    list(FIND folders ${folder} rank_${folder})
endforeach()

set(problems)
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources RELATIVE ${SOURCE} ${SOURCE}/${folder}/*.h ${SOURCE}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE}/${source} includes REGEX "^#include \"[^\"]+/[^\"]+\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" included "${line}")
            if(NOT DEFINED rank_${included})
                list(APPEND problems "${source} includes ${included}/, a folder of no layer")
            elseif(NOT included STREQUAL folder AND NOT rank_${included} LESS rank_${folder})
                list(APPEND problems "${source} (layer ${rank_${folder}}) includes ${included}/ (layer ${rank_${included}})")
            endif()
        endforeach()
    endforeach()
endforeach()

file(GLOB top RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(entry IN LISTS top)
    if(IS_DIRECTORY ${SOURCE}/${entry} AND NOT entry MATCHES "^(\\..*|build|tests|bench|scripts|packaging|depends|docs|config|cmake)$"
       AND NOT DEFINED rank_${entry})
        list(APPEND problems "folder ${entry}/ belongs to no layer")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " report)
    message(FATAL_ERROR "Layers broken:\n  ${report}")
endif()
message(STATUS "Every include points to a lower layer")
