# SPDX-License-Identifier: MIT
# Zips FOLDER, under its own name, into ZIP: its entries in sorted order,
# each with the time EPOCH, the usual permissions and no owner or extra time
# fields, its DOS times in UTC, so that neither the clock, the time zone nor
# the umask leaves a trace in it. Included by a script that sets FOLDER, ZIP,
# EPOCH and ZIP_PROGRAM, or run as it is:
#   cmake -DFOLDER=... -DZIP=... -DEPOCH=... -DZIP_PROGRAM=zip -P ReproducibleZip.cmake
get_filename_component(parent ${FOLDER} DIRECTORY)
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${parent} ${FOLDER}/*)
list(SORT entries)
set(listing ${ZIP}.entries)
list(JOIN entries "\n" listing_text)
file(WRITE ${listing} "${listing_text}\n")
execute_process(COMMAND chmod -R u=rwX,go=rX ${FOLDER} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND touch -h -d @${EPOCH} ${FOLDER} ${entries}
                WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP_PROGRAM} -X -D -q ${ZIP} -@
                WORKING_DIRECTORY ${parent} INPUT_FILE ${listing} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${listing})
