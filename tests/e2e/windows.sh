#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer and zip under Wine, on a private Xvfb, in a fresh
# prefix of the test's own: a silent install, twice, the second over the
# first; the installed program's window, picture, clipboard, conversion and
# links, and WM_CLOSE ending it with status 0; the missing-dictionary report;
# a silent uninstall that leaves nothing of Velmora and nothing else; the zip
# run from a folder with a blank and Chinese characters in its path, where it
# converts and writes nothing. Wine's X clipboard bridge turns CR LF into LF.
#   windows.sh INSTALLER ZIP LAYOUT-DUMP.EXE BACKGROUND.PNG
source "$(dirname "$0")/xvfb-session.sh"
installer=$1
zip=$2
layout_dump=$3
background=$4

# Wine as on a Chinese Windows, with code page 936 for narrow strings: from a
# Chinese locale, made here for Wine alone.
localedef -i zh_CN -f UTF-8 "$work_dir/zh_CN.UTF-8" || fail "cannot make the zh_CN.UTF-8 locale"
wine=(env LOCPATH="$work_dir" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 /usr/lib/wine/wine64)
export HOME="$work_dir/home" WINEPREFIX="$work_dir/prefix" WINEDEBUG=-all
# No Mono or Gecko to offer, and no desktop menu entries made from the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
mkdir -p "$HOME/bin"
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
"${wine[@]}" wineboot --init >/dev/null 2>&1 || fail "wineboot could not make a prefix"
source <("${wine[@]}" "$layout_dump" | tr -d '\r')

# Wine hands web addresses to xdg-open.
cat >"$HOME/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$*" >>"$work_dir/opened"
STANDIN
chmod +x "$HOME/bin/xdg-open"
export PATH="$HOME/bin:$PATH"
unset BROWSER

folder="$WINEPREFIX/drive_c/Program Files/Velmora"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'

for run in first second; do
    "${wine[@]}" "$installer" /S && wineserver -w || fail "the $run silent install failed"
done
[ -e "$shortcut" ] || fail "no Start-menu shortcut: $(find "$WINEPREFIX/drive_c" -name '*.lnk')"
entry=$("${wine[@]}" reg query "$key" | tr -d '\r' | tr -s ' ')
for value in "DisplayName REG_SZ Velmora" "DisplayVersion REG_SZ 2011.1.0.0" \
    "Publisher REG_SZ www.korvane.example" 'DisplayIcon REG_SZ C:\Program Files\Velmora\Velmora.exe,0' \
    'UninstallString REG_SZ "C:\Program Files\Velmora\uninstall.exe"' \
    'QuietUninstallString REG_SZ "C:\Program Files\Velmora\uninstall.exe" /S' "EstimatedSize REG_DWORD 0x"; do
    grep -qF " $value" <<<"$entry" || fail "Apps & features lacks '$value': $entry"
done

start_xvfb
# paste_and_convert: 头发 pasted over the box's text, then 转繁体.
paste_and_convert() {
    printf '头发' | xclip -selection clipboard -i >/dev/null 2>&1
    xdotool windowfocus --sync "$window" key ctrl+a ctrl+v alt+2
}
# status_shown: sets $ink to how far right the status line's blue text reaches.
status_shown() {
    local x y w h
    read -r x y w h <<<"$Label5"
    import -silent -window "$window" "$work_dir/status.png"
    ink=$(convert "$work_dir/status.png" -crop "${w}x$h+$x+$y" +repage -fill white +opaque '#0000FF' \
        -format '%@' info: 2>/dev/null | awk -F'[x+]' '$1 > 1 { print $1 + $3 }')
    [ -n "$ink" ]
}

start_program "${wine[@]}" 'C:\Program Files\Velmora\Velmora.exe'
expect_picture "$background"
xdotool windowfocus --sync "$window" key alt+1
expect_copied "${first_pair//$'\r'/}" "Alt+1 then Alt+4 copied" xdotool key alt+4
paste_and_convert
wait_until status_shown || fail "no message after 转繁体"
converted_ink=$ink
expect_copied '頭髮' "头发 pasted and converted" xdotool key alt+4
# Each address goes its own way to xdg-open, in no particular order.
xdotool key alt+5 alt+6 alt+7
printf '%s\n' http://www.korvane.example/{Article/fantizi,fenzu,gexing/haoting}/ >"$work_dir/links"
links_opened() { sort "$work_dir/opened" 2>/dev/null | cmp -s "$work_dir/links"; }
wait_until links_opened || fail "Alt+5, 6 and 7 opened: $(cat "$work_dir/opened" 2>&1)"
close_program "${wine[@]}" taskkill /im Velmora.exe

# Without its dictionaries 转繁体 keeps the box and says so: a longer message
# than the success's, in the status line's blue.
rm "$folder"/opencc/*.ocd2
start_program "${wine[@]}" 'C:\Program Files\Velmora\Velmora.exe'
paste_and_convert
wait_until status_shown && [ "$ink" -gt "$converted_ink" ] ||
    fail "the status line's message reaches x ${ink:-0}, the success message's $converted_ink"
expect_copied '头发' "the box after 转繁体 without dictionaries" xdotool key alt+4
close_program "${wine[@]}" taskkill /im Velmora.exe

# The uninstaller leaves a file of the user's, and nothing of Velmora's.
echo mine >"$folder/mine.txt"
"${wine[@]}" "$folder/uninstall.exe" /S && wineserver -w || fail "the silent uninstall failed"
left=$(cd "$folder" && find . ! -name . ! -name mine.txt)
[ -z "$left" ] && [ -e "$folder/mine.txt" ] || fail "after uninstalling, the folder holds: $left"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
"${wine[@]}" reg query "$key" >/dev/null 2>&1 && fail "the Apps & features entry is left"

# The zip, unpacked where the path has a blank and Chinese characters.
portable="$work_dir/绿色 软件"
mkdir "$portable"
(cd "$portable" && cmake -E tar xf "$zip") || fail "cannot unpack the zip"
before=$(find "$portable" -printf '%p %s %T@\n' | sort)
start_program "${wine[@]}" "$portable/Velmora/Velmora.exe"
paste_and_convert
expect_copied '頭髮' "the zip's program after 转繁体" xdotool key alt+4
close_program "${wine[@]}" taskkill /im Velmora.exe
[ "$(find "$portable" -printf '%p %s %T@\n' | sort)" = "$before" ] || fail "the zip's program wrote into its folder"
echo "PASS: windows"
