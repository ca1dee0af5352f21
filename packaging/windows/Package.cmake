# SPDX-License-Identifier: MIT
# Installs the build into the program's folder FOLDER, stripped, and makes the
# installer INSTALLER (with makensis from TEMPLATE) and the zip ZIP of it.
# EPOCH is the time every file takes, and strip stamps.
# cmake -DBUILD=... -DFOLDER=... -DINSTALLER=... -DZIP=... -DMAKENSIS=... -DSTRIP=... -DTEMPLATE=...
#       -DICON=... -DVERSION=... -DSHORT_VERSION=... -DCOMPANY=... -DTITLE=...
#       -DEPOCH=... -DZIP_PROGRAM=... -P Package.cmake
cmake_minimum_required(VERSION 3.25)
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
file(REMOVE_RECURSE ${FOLDER})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${FOLDER} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The compiler's runtime DLLs come with their symbols.
file(GLOB_RECURSE binaries ${FOLDER}/*.dll)
execute_process(COMMAND ${STRIP} ${binaries} COMMAND_ERROR_IS_FATAL ANY)

# The files one by one, so that the uninstaller removes exactly these.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT files)
set(INSTALL_FILES "")
set(UNINSTALL_FILES "")
set(UNINSTALL_FOLDERS "")
set(CHECK_FILES "")
set(folders)
set(current "")
set(size 0)
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windows_file "$INSTDIR/${file}")
    string(REPLACE "/" "\\" target "$INSTDIR/${folder}")
    string(REGEX REPLACE "\\\\$" "" target "${target}")
    if(NOT target STREQUAL current)
        string(APPEND INSTALL_FILES "    SetOutPath \"${target}\"\n")
        set(current "${target}")
        list(APPEND folders "${target}")
    endif()
    string(APPEND INSTALL_FILES "    File \"${FOLDER}/${file}\"\n")
    string(APPEND UNINSTALL_FILES "    Delete \"${windows_file}\"\n")
    string(APPEND CHECK_FILES "    !insertmacro CHECK_FREE \"${windows_file}\"\n")
    file(SIZE ${FOLDER}/${file} bytes)
    math(EXPR size "${size} + ${bytes}")
endforeach()
string(APPEND INSTALL_FILES "    SetOutPath \"$INSTDIR\"\n")
# Deepest folders first; RMDir leaves a folder that still holds files of the user's.
list(REMOVE_DUPLICATES folders)
list(REMOVE_ITEM folders "$INSTDIR")
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    string(APPEND UNINSTALL_FOLDERS "    RMDir \"${folder}\"\n")
endforeach()
math(EXPR SIZE_KB "(${size} + 1023) / 1024")

# The installer's licence page shows the notice; NSIS reads UTF-16 with a byte order mark.
get_filename_component(work ${INSTALLER} DIRECTORY)
set(NOTICE ${work}/installer-notice.txt)
execute_process(COMMAND iconv -f UTF-8 -t UTF-16 ${FOLDER}/licenses/NOTICE.txt
                OUTPUT_FILE ${NOTICE} COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(INSTALLER_NAME ${INSTALLER} NAME)
configure_file(${TEMPLATE} ${work}/installer.nsi @ONLY)
execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 ${work}/installer.nsi COMMAND_ERROR_IS_FATAL ANY)

# The zip, which no clock, time zone or umask leaves a trace in.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ReproducibleZip.cmake)
