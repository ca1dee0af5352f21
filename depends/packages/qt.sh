# SPDX-License-Identifier: MIT
# Qt from Debian's own qt6-base source package of this host's Qt version with
# Debian's patches: the cross build runs the host's Qt tools, which must be of
# the same version. Core, Gui and Widgets, with what the host needs: for
# Windows shared, with Test and the windows and offscreen platform plugins;
# for the web static, with the wasm platform plugin. The libraries built into
# Qt state their versions and licences in Qt's attribution files, kept with
# their licence texts.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
licence=LGPL-3.0-only
origin="Debian's source package qt6-base $version (Qt's sources with Debian's patches)"
built_in=(freetype harfbuzz-ng pcre2 libpng zlib double-conversion md4c tinycbor blake2 sha3 easing icc rfc6234)

# Off everywhere: what Velmora does not use (databases, networking, D-Bus,
# printing, XML, threads' helpers, image formats but PNG, ICU, which the
# program's own adapters replace).
# Windows: also what does not build on MinGW-w64: OpenGL (INPUT_opengl, or
# dynamic GL breaks the windows plugin), tablets (Debian removed wintab). Qt
# 6.4 goes without Direct2D and DirectWrite (without Direct2D, DirectWrite 3
# fails to link): its text goes through GDI. Qt 6.8 compiles its Windows font
# code only with both, so keeps them.
# Web: static, as WebAssembly links; one thread, as a page without
# cross-origin isolation has; OpenGL kept, as the wasm plugin draws through
# WebGL; no Test, no session manager; the libraries built into Qt, never the
# build host's (pkg-config off).
build() {
    local source=$work/source build=$work/build options=() feature third_party
    local features=(sql network dbus printsupport concurrent xml zstd icu androiddeployqt jpeg gif)
    case $host in
    windows)
        features+=(vulkan tabletevent ico style_windowsvista)
        dpkg --compare-versions "$version" ge 6.8 || features+=(direct2d directwrite directwrite3)
        options+=(-DBUILD_SHARED_LIBS=ON -DINPUT_opengl=no)
        ;;
    web)
        features+=(thread testlib sessionmanager pkg_config fontconfig system_zlib system_pcre2 system_freetype
            system_harfbuzz system_libpng system_doubleconversion system_jpeg)
        options+=(-DBUILD_SHARED_LIBS=OFF -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten)
        ;;
    esac
    # From 6.5 Qt can compile its sources in batches (a unity build): Qt 6.8
    # then builds in 24 minutes here instead of 38. Qt 6.4 has no such option.
    dpkg --compare-versions "$version" lt 6.5 || options+=(-DQT_UNITY_BUILD=ON)
    fetch_debian_source "qt6-base=$version" "$source"
    # Patches for one host and Qt version sit in patches/qt/HOST/MAJOR.MINOR.
    apply_patches "$source" "$(cut -d. -f1-2 <<<"$version")"
    use_source_date "$source"
    for feature in "${features[@]}"; do
        options+=("-DFEATURE_$feature=OFF")
    done
    # Qt writes the prefix it is configured for into Qt6Core.dll; a fixed one
    # keeps this machine's cache folder out of it. Installed Qt is relocatable,
    # and the program finds its files through qt.conf.
    host_cmake "$source" "$build" -DCMAKE_INSTALL_PREFIX=/velmora-depends/qt \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "${options[@]}" \
        >"$work/configure.log" 2>&1 || fail "Qt's configuration failed" "$work/configure.log"
    cmake --build "$build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
        fail "Qt's build failed" "$work/build.log"
    # Windows' DLLs are stripped; WebAssembly is made small when the program links.
    cmake --install "$build" --prefix "$prefix" $([ "$host" = web ] || echo --strip) >/dev/null
    mkdir -p "$prefix/licenses"
    cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$prefix/licenses/"
    for third_party in "${built_in[@]}"; do
        mkdir -p "$prefix/licenses/$third_party" "$prefix/attributions/$third_party"
        (cd "$source/src/3rdparty/$third_party" &&
            find . -maxdepth 2 -type f \( -iname '*licen[cs]e*' -o -iname 'copying*' -o -name FTL.TXT \) \
                -exec cp --parents {} "$prefix/licenses/$third_party/" \; &&
            find . -name qt_attribution.json -exec cp --parents {} "$prefix/attributions/$third_party/" \;)
    done
}
