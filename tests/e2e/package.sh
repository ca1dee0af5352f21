#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and validates what a desktop
# reads, word for word too, then builds the .deb, checks its fields, its
# generated dependencies and lintian's verdict, unpacks it into a scratch
# root and starts the packaged program under X.
source "$(dirname "$0")/xvfb-session.sh"
build_dir=$1

# pinned FILE DIGEST...: each line of FILE, in order, by the first eight hex
# digits of the SHA-256 of its text; the first line that differs is shown.
pinned() {
    local file=$1 number=0 line
    shift
    while IFS= read -r line; do
        number=$((number + 1))
        [ "$(printf '%s' "$line" | sha256sum | cut -c1-8)" = "${!number:-}" ] ||
            fail "$(basename "$file"), line $number differs: $line"
    done <"$file"
    [ "$number" = $# ] || fail "$(basename "$file") has $number lines, not $#"
}

prefix="$work_dir/prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for file in bin/velmora "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"; do
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -e "$icon" ] || fail "no ${size}px icon"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon $size has the wrong size"
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "AppStream metadata"
pinned "$prefix/share/applications/$app_id.desktop" 4740fda9 9f6f5de3 66abb18c 9dbcbd20 de43f420 \
    c69d3563 078d9fd6 7c4f04ec 704e6ef1 9b499c0f 65b67a82 fb83ccbe 8708d1bd 0d8d0e8b c2bc2397
pinned "$prefix/share/metainfo/$app_id.metainfo.xml" 12c29731 cf970c5b 3cb19c72 7494110b 6cc6739f \
    53d7d4ba 00c29062 c3f474df 09bc551a eae32983 228c9066 b64f8092 429f9ae3 feb41167 767f8f95 \
    db64e5fb feb41167 228c9066 40b8137e fb4e5bbd feb41167 767f8f95 7906461c feb41167 77cda6fb \
    27608a05 c8b5940a 7ecb07b3 151bec9d 5e49e15a 2a3f9f6e 589f5f43 d4f68ff1 0ae05347 33d60a43 \
    ef4461af e87aae62 f8a0eb23 f3190f22 a735f458 107ae5b3 8bf0737c 7990905a 0a62a87a 5633944d
gzip -dc "$prefix/share/man/man1/velmora.1.gz" >"$work_dir/velmora.1"
pinned "$work_dir/velmora.1" c604c082 a7b85d6e d47c7912 d65cfa7f 1e5a02d7 b4d1fcb4 009558d2 b4d1fcb4 \
    3a98d0f5 a25bf763 2e7c32c6 e04cff90 e029dba5 e7e7ae00 af3205c0 adf67480 17f4baab 6f071a48 \
    4ececdad f62b0992 139a1d97 4ececdad e6849c69 22f1d342 4ececdad 635ab4cf 20b7f31b 4ececdad \
    081c5294 d765a934 4ececdad e25206cc dfb05e29 4ececdad 6e8ff408 dd8592e8 4ececdad 43ee514d \
    4f7bda3a 4bab6337 4ececdad 1a6bd5d8 354d2b0a ccc7721c 65b6eba3 fea51f52 f0779321 4ec379e3

(cd "$build_dir" && cpack -B "$work_dir/deb" >/dev/null) || fail "cpack"
deb=$(ls "$work_dir"/deb/velmora_*.deb)
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/velmora "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/48x48/apps/$app_id.png" usr/share/doc/velmora/copyright \
    usr/share/doc/velmora/changelog.gz usr/share/man/man1/velmora.1.gz; do
    grep -q "\./$file\$" <<<"$contents" || fail "the .deb lacks $file"
done
dpkg-deb -x "$deb" "$work_dir/root"
dpkg-deb -f "$deb" Package Version Maintainer Section Homepage Description >"$work_dir/fields"
pinned "$work_dir/fields" cc68807a 0a74cb79 522aa953 2d1b563d 91559869 6a72e4d5 f56c06ce 0d4c0d2d \
    5f32aa35 23813bf6 e57072a7 6502f052

# Depends as one package name a line, versions and alternatives dropped.
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g')
names() { grep -qx "$1" <<<"$depends"; }

# Each library the packaged program links belongs to a package that Depends
# names, whatever its name is on this release.
linked=$(readelf -d "$work_dir/root/usr/bin/velmora" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
for library in libicuuc.so libopencc.so libQt6Widgets.so libQt6Gui.so libQt6Core.so libfontconfig.so; do
    grep -q "^$library\." <<<"$linked" || fail "the program does not link $library: $linked"
done
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for library in $linked; do
    # In this architecture's folder: lib32 and other multilib copies are not linked.
    owner=$(dpkg -S "*/$multiarch/$library" 2>/dev/null | head -n1 | cut -d: -f1)
    [ -n "$owner" ] || fail "no installed package holds $library"
    names "$owner" || fail "Depends lacks $owner, which holds $library: $depends"
done
# What no link shows: Qt's platform plugins, OpenCC's dictionaries, the font,
# Qt's translations.
for package in qt6-qpa-plugins libopencc-data fonts-wqy-zenhei qt6-translations-l10n; do
    names "$package" || fail "Depends lacks $package"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in xdg-utils qt6-wayland fcitx5-frontend-qt6; do
    [[ ", $recommends," == *", $package,"* ]] || fail "Recommends lacks $package"
done

# The package installs where it was built: dpkg checks Depends, versions
# and alternatives included, against the packages installed here.
unmet=$(dpkg-checkbuilddeps -d "$(dpkg-deb -f "$deb" Depends)" /dev/null 2>&1) ||
    fail "Depends not met where the package was built: $unmet"
report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"

start_xvfb
start_program "$work_dir/root/usr/bin/velmora"
echo "PASS: package"
