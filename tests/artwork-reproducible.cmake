# SPDX-License-Identifier: MIT
# Runs the artwork generator twice into fresh folders and compares every file
# byte for byte between the runs and with the committed artwork.
# cmake -DGENERATOR=<program> -DCOMMITTED=<assets folder> -DWORK=<folder> -P this
file(REMOVE_RECURSE ${WORK})
foreach(run first second)
    execute_process(COMMAND ${GENERATOR} ${WORK}/${run} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the generator failed on its ${run} run: ${status}")
    endif()
endforeach()

file(GLOB_RECURSE files RELATIVE ${WORK}/first ${WORK}/first/*)
file(GLOB_RECURSE second_files RELATIVE ${WORK}/second ${WORK}/second/*)
if(NOT files STREQUAL second_files)
    message(FATAL_ERROR "the runs wrote different files: ${files} / ${second_files}")
endif()
list(LENGTH files count)
if(count LESS 11)
    message(FATAL_ERROR "the generator wrote only ${count} files: ${files}")
endif()

foreach(file IN LISTS files)
    foreach(other ${WORK}/second ${COMMITTED})
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/first/${file}
                                ${other}/${file}
                        RESULT_VARIABLE differs)
        if(NOT differs EQUAL 0)
            message(FATAL_ERROR "${file} differs from ${other}/${file}")
        endif()
    endforeach()
endforeach()
message(STATUS "${count} files, identical in both runs and to the committed ones")
file(REMOVE_RECURSE ${WORK})
