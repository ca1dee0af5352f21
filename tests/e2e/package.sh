#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and validates what a desktop
# reads, word for word too, then builds the .deb, checks its fields, its
# generated dependencies and lintian's verdict, unpacks it into a scratch
# root and starts the packaged program under X.
source "$(dirname "$0")/xvfb-session.sh"
build_dir=$1

# what_users_read FILE INSTALLED: the installed text, line for line as in
# installed/ beside this script.
what_users_read() {
    diff -u "$(dirname "$0")/installed/$1" "$2" || fail "$1 is not as in tests/e2e/installed"
}

prefix="$work_dir/prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "no ${size}px icon"
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "AppStream metadata"
what_users_read "$app_id.desktop" "$prefix/share/applications/$app_id.desktop"
what_users_read "$app_id.metainfo.xml" "$prefix/share/metainfo/$app_id.metainfo.xml"
what_users_read velmora.1 <(gzip -dc "$prefix/share/man/man1/velmora.1.gz")

(cd "$build_dir" && cpack -B "$work_dir/deb" >/dev/null) || fail "cpack"
deb=$(ls "$work_dir"/deb/velmora_*.deb)
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/velmora "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/48x48/apps/$app_id.png" usr/share/doc/velmora/copyright \
    usr/share/doc/velmora/changelog.gz usr/share/man/man1/velmora.1.gz; do
    grep -q "\./$file\$" <<<"$contents" || fail "the .deb lacks $file"
done
dpkg-deb -x "$deb" "$work_dir/root"
what_users_read package-fields <(dpkg-deb -f "$deb" Package Version Maintainer Section Homepage Description)

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
