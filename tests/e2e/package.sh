#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and validates what a desktop
# reads, then builds the .deb, unpacks it into a scratch root and starts
# the packaged program under X.
source "$(dirname "$0")/xvfb-session.sh"
build_dir=$1
app_id=$2

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

(cd "$build_dir" && cpack -B "$work_dir/deb" >/dev/null) || fail "cpack"
deb=$(ls "$work_dir"/deb/velmora_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins libicu72 libfontconfig1 libopencc1.1 libopencc-data fonts-wqy-zenhei; do
    [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package"
done
[[ "$(dpkg-deb -f "$deb" Recommends)" == *xdg-utils* ]] || fail "Recommends lacks xdg-utils"
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/velmora "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/48x48/apps/$app_id.png"; do
    grep -q "\./$file\$" <<<"$contents" || fail "the .deb lacks $file"
done

dpkg-deb -x "$deb" "$work_dir/root"
start_xvfb
start_program "$work_dir/root/usr/bin/velmora"
echo "PASS: package"
