# SPDX-License-Identifier: MIT
# What every recipe of depends/packages shares: fetching sources and checking
# them, applying the recipe's patches, and the time its files take, so that
# its output does not depend on where or when it was built. Part of every
# package's cache key, as is the recipe itself; hosts/HOST.sh configures the
# cross build (host_cmake).

log() { echo "depends: $*" >&2; }
fail() {
    log "$1"
    [ -z "${2:-}" ] || tail -n 40 "$2" >&2
    exit 1
}

# fetch_debian_source PACKAGE=VERSION FOLDER: Debian's source package through
# a private sources list made of this machine's own Debian entries for this
# release, deb made deb-src; the system's apt configuration and lists stay
# untouched. apt checks the files against the archive's signed index.
fetch_debian_source() {
    local apt_dir=$work/apt codename file
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    : >"$apt_dir/sources.list"
    grep -hE "^deb +(\[[^]]*\] +)?[^ ]+ +$codename(-[a-z]+)? " /etc/apt/sources.list \
        /etc/apt/sources.list.d/*.list 2>/dev/null | sed 's/^deb /deb-src /' >"$apt_dir/parts/debian.list" || true
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -e "$file" ] || continue
        awk -v release="$codename" 'BEGIN { RS = ""; ORS = "\n\n" }
            $0 ~ "(^|\n)Suites:[^\n]*[ \t]" release "(-[a-z]+)?([ \t]|\n|$)" {
                sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file" >>"$apt_dir/parts/debian.sources"
    done
    local options=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts="$apt_dir/parts"
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
        -o APT::Sandbox::User="$(id -un)" -qq)
    apt-get "${options[@]}" update
    (cd "$work" && apt-get "${options[@]}" source --download-only "$1")
    dpkg-source -x "$work/${1%%=*}_${1#*=}.dsc" "$2" >"$work/dpkg-source.log" 2>&1 ||
        fail "dpkg-source could not unpack $1" "$work/dpkg-source.log"
}

# fetch_npm NAME VERSION INTEGRITY FOLDER: an npm registry tarball, checked
# against the registry's sha512 integrity, unpacked into FOLDER.
fetch_npm() {
    local tarball=$work/$1-$2.tgz
    curl -fsSL --retry 3 -o "$tarball" "https://registry.npmjs.org/$1/-/$1-$2.tgz"
    [ "sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)" = "$3" ] ||
        fail "the $1 $2 tarball does not match its integrity $3"
    mkdir -p "$4"
    tar -xzf "$tarball" -C "$4" --strip-components=1
}

# apply_patches FOLDER [SERIES...]: the recipe's patches for every host
# (patches/NAME/*.patch), then this host's (patches/NAME/HOST/*.patch), then
# those of each SERIES the recipe names (patches/NAME/HOST/SERIES/*.patch,
# for one version of the sources), each in name order; one that no longer
# applies stops the build.
apply_patches() {
    local folder=$1 patch series
    local patches=("$depends/patches/$name"/*.patch "$depends/patches/$name/$host"/*.patch)
    for series in "${@:2}"; do
        patches+=("$depends/patches/$name/$host/$series"/*.patch)
    done
    for patch in "${patches[@]}"; do
        [ -e "$patch" ] || continue
        patch -d "$folder" -p1 --forward --batch --no-backup-if-mismatch <"$patch" >"$work/patch.log" 2>&1 ||
            fail "$(basename "$patch") no longer applies to $name $version" "$work/patch.log"
    done
}

# use_source_date FOLDER: SOURCE_DATE_EPOCH from the sources themselves, the
# date of a Debian source package's latest changelog entry or else its newest
# file, so that what a build stamps (strip's PE time, rcc's file times) is the
# same on every machine.
use_source_date() {
    if [ -e "$1/debian/changelog" ]; then
        SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$1/debian/changelog" -STimestamp)
    else
        SOURCE_DATE_EPOCH=$(find "$1" -type f -printf '%T@\n' | sort -n | tail -n1 | cut -d. -f1)
    fi
    export SOURCE_DATE_EPOCH
}
