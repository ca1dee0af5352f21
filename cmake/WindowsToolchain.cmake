# SPDX-License-Identifier: MIT
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which Qt needs). Libraries and packages are looked for only in the
# MinGW root and in VELMORA_WINDOWS_DEPS, the folder the Windows Qt and OpenCC
# are installed in; programs run at build time are the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMORA_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VELMORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMORA_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW})
if(VELMORA_WINDOWS_DEPS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VELMORA_WINDOWS_DEPS}/qt ${VELMORA_WINDOWS_DEPS}/opencc)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The linker leaves the PE time stamp out: the same sources give the same files.
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
endforeach()
