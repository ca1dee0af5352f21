# SPDX-License-Identifier: MIT
# The Windows host: x86_64-w64-mingw32 with Debian's MinGW-w64 (the posix
# thread model, which Qt needs). Part of every package's cache key.
host_packages=(qt opencc)

host_setup() { :; }

# What the recipes' files depend on besides their sources.
host_identity() {
    cat "$repo/cmake/WindowsToolchain.cmake"
    x86_64-w64-mingw32-g++-posix -v 2>&1
    x86_64-w64-mingw32-gcc-posix -v 2>&1
    x86_64-w64-mingw32-ld --version | head -n1
    dpkg-query -W g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev cmake ninja-build
}

# host_cmake SOURCE BUILD ARGS...: configures a release build for
# x86_64-w64-mingw32 whose files name the work folder as /build, so that the
# cache's place on this machine is in none of them.
host_cmake() {
    local source=$1 build=$2
    shift 2
    cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/WindowsToolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS="-ffile-prefix-map=$work=/build" -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work=/build" \
        -S "$source" -B "$build" "$@"
}
