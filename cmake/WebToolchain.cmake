# SPDX-License-Identifier: MIT
# Builds for WebAssembly with Debian's emscripten and the Qt for WebAssembly
# of VELMORA_WEB_DEPS (depends/build web), whose toolchain file loads
# emscripten's own. Qt's CMake code asks an emscripten SDK's folder for the
# compiler's version: the stand-in folder depends/build made beside Qt.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMORA_WEB_DEPS)
if(NOT EXISTS "${VELMORA_WEB_DEPS}/qt/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "VELMORA_WEB_DEPS, the folder depends/build web printed, holds no Qt")
endif()
set(ENV{EMSDK} ${VELMORA_WEB_DEPS}/emsdk)
set(ENV{EMSDK_PYTHON} /usr/bin/python3)
set(ENV{NODE_PATH} /usr/share/nodejs)
set(QT_CHAINLOAD_TOOLCHAIN_FILE /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
include(${VELMORA_WEB_DEPS}/qt/lib/cmake/Qt6/qt.toolchain.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH ${VELMORA_WEB_DEPS}/qt ${VELMORA_WEB_DEPS}/opencc)
# Debian's Qt 6.8 source leaves a static Qt's plugins out of the programs
# that link it; the program needs the wasm platform plugin built in.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
