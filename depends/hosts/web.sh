# SPDX-License-Identifier: MIT
# The web host: WebAssembly with Debian's own emscripten. Part of every
# package's cache key.
host_packages=(qt opencc)

# Debian's emscripten runs with Debian's python and node's modules (acorn for
# its JavaScript optimiser); its prebuilt system libraries are never rebuilt
# (FROZEN_CACHE), so nothing outside the cache folder is written.
export EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Qt's build, and a program's configuration with that Qt, look for an
# emscripten SDK's folder: $EMSDK/.emscripten naming the compiler's folder
# inside it. Debian installs none, so a stand-in folder of links to Debian's
# emscripten serves: deps/emsdk, made on every run (cmake/WebToolchain.cmake
# points EMSDK at it).
host_setup() {
    local folder=$deps/emsdk
    mkdir -p "$folder/emscripten"
    echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$folder/.emscripten"
    ln -sfn /usr/bin/emcc "$folder/emscripten/emcc"
    ln -sfn /usr/share/emscripten/cmake "$folder/emscripten/cmake"
}

host_identity() {
    cat "$emscripten_toolchain"
    emcc -v 2>&1
    # Installed packages only: dpkg also knows names that other packages mention.
    dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Version}\n' emscripten binaryen 'clang-[0-9]*' 'lld-[0-9]*' \
        cmake ninja-build | awk '$1 == "ii"'
}

# host_cmake SOURCE BUILD ARGS...: configures a release build for
# WebAssembly whose files name the work folder as /build.
host_cmake() {
    local source=$1 build=$2
    shift 2
    EMSDK=$deps/emsdk cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$emscripten_toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS="-ffile-prefix-map=$work=/build" -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work=/build" \
        -S "$source" -B "$build" "$@"
}
