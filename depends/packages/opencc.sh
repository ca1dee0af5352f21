# SPDX-License-Identifier: MIT
# OpenCC for Windows, a static library, from the C++ sources of its npm
# package, with the three libraries it bundles.
version=1.1.8
integrity=sha512-JAf6+NxmdqlwR8KazHppnVXK2Z+q9y/1VxVobWiBtKPI7aGr8V10AkjHeTWRny2GbveneScVAyYv7K8gj0D0/Q==
licence=Apache-2.0
origin="the npm package opencc@$version (https://registry.npmjs.org/opencc/-/opencc-$version.tgz)"
# NAME VERSION LICENCE, as the package's deps/ folder names them.
bundled=("marisa 0.2.6 BSD-2-Clause OR LGPL-2.1-or-later" "darts-clone 0.32 BSD-2-Clause"
    "rapidjson 1.1.0 MIT")
inputs=("$depends/opencc/CMakeLists.txt")

build() {
    local source=$work/source library library_name library_version
    local -A versions
    for library in "${bundled[@]}"; do
        read -r library_name library_version _ <<<"$library"
        versions[$library_name]=$library_version
    done
    fetch_npm opencc "$version" "$integrity" "$source"
    apply_patches "$source"
    use_source_date "$source"
    host_cmake "$depends/opencc" "$work/build" -DOPENCC_SOURCE="$source" -DOPENCC_VERSION="$version" \
        -DMARISA_VERSION="${versions[marisa]}" -DDARTS_VERSION="${versions[darts-clone]}" \
        -DRAPIDJSON_VERSION="${versions[rapidjson]}" -DCMAKE_INSTALL_PREFIX="$prefix" >"$work/build.log" 2>&1 &&
        cmake --build "$work/build" --parallel "$(nproc)" >>"$work/build.log" 2>&1 ||
        fail "OpenCC's build failed" "$work/build.log"
    cmake --install "$work/build" >/dev/null
    mkdir -p "$prefix/licenses"
    cp "$source/LICENSE" "$prefix/licenses/OpenCC-LICENSE.txt"
    cp "$source/deps/marisa-${versions[marisa]}/COPYING.md" "$prefix/licenses/marisa-COPYING.md"
    # darts-clone states its licence in its README, which the package leaves
    # out (the text is in packaging/windows/licenses); RapidJSON in its headers.
    sed -n '1,13p' "$source/deps/rapidjson-${versions[rapidjson]}/rapidjson/rapidjson.h" | sed 's|^// \?||' \
        >"$prefix/licenses/rapidjson-LICENSE.txt"
}
