# SPDX-License-Identifier: MIT
# Sourced by the Windows end-to-end tests after xvfb-session.sh: a fresh Wine
# prefix of the test's own under a Chinese locale, web addresses caught on
# their way to xdg-open, the layout, and the Windows clipboard as another
# Windows program reads it.
#   wine-session.sh LAYOUT-DUMP.EXE PROBE.EXE
layout_dump=$1
probe=$2
# A fresh prefix's first window waits for Wine's font set-up.
wait_seconds=30

# Wine as on a Chinese Windows, with code page 936 for narrow strings: from a
# Chinese locale, made here for Wine alone.
localedef -i zh_CN -f UTF-8 "$work_dir/zh_CN.UTF-8" || fail "cannot make the zh_CN.UTF-8 locale"
wine=(env LOCPATH="$work_dir" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 /usr/lib/wine/wine64)
export HOME="$work_dir/home" WINEPREFIX="$work_dir/prefix" WINEDEBUG=-all
# No Mono or Gecko to offer, and no desktop menu entries made from shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
mkdir -p "$HOME/bin"
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
# Made before the test's X server starts: once it has ended, Wine's next
# start finds the display.
"${wine[@]}" wineboot --init >/dev/null 2>&1 && wineserver -w || fail "wineboot could not make a prefix"
source <("${wine[@]}" "$layout_dump" | tr -d '\r')

# Wine hands web addresses to xdg-open.
cat >"$HOME/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$*" >>"$work_dir/opened"
STANDIN
chmod +x "$HOME/bin/xdg-open"
export PATH="$HOME/bin:$PATH"
unset BROWSER

# What expect_copied reads: CF_UNICODETEXT as a Windows program gets it, its
# UTF-16 turned into UTF-8, which iconv does without loss or not at all. The
# probe lists the clipboard's formats in $work_dir/formats. Wine's bridge to
# the X clipboard would have turned CR LF into LF.
read_clipboard=(windows_clipboard)
windows_clipboard() {
    "${wine[@]}" "$probe" clipboard "Z:$work_dir/unicode-text" 2>/dev/null | tr -d '\r' >"$work_dir/formats" &&
        iconv -f UTF-16LE -t UTF-8 "$work_dir/unicode-text"
}

# set_value KEY NAME TYPE DATA: a registry value, in place once Wine has written it.
set_value() {
    "${wine[@]}" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 && wineserver -w || fail "cannot set $1\\$2"
}

# paste_and_convert: 头发 pasted over the box's text, then 转繁体.
paste_and_convert() {
    printf '头发' | xclip -selection clipboard -i >/dev/null 2>&1
    xdotool windowfocus --sync "$window" key ctrl+a ctrl+v alt+2
}

# hold WHAT...: the probe holds the clipboard or a file until stop_program.
hold() {
    "${wine[@]}" "$probe" "$@" >"$work_dir/hold.log" 2>&1 &
    pids+=($!)
    wait_until grep -q held "$work_dir/hold.log" || fail "the probe could not hold $*"
}
