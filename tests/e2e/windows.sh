#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer under Wine, on a private Xvfb, in a fresh prefix of
# the test's own: silent installs over an earlier one and over a running,
# older Velmora, which they close and replace; the installed program's
# window, picture, clipboard as Windows programs read it, conversion and
# links; missing dictionaries reported; a reinstall elsewhere removing the
# old folder; the uninstaller and the installer failing, with a non-zero
# status and nothing removed, while another program holds a file; the silent
# uninstaller removing a running Velmora and nothing of the user's.
#   windows.sh INSTALLER ZIP LAYOUT-DUMP.EXE PROBE.EXE ASSETS
source "$(dirname "$0")/xvfb-session.sh"
installer=$1
zip=$2
assets=$5
source "$(dirname "$0")/wine-session.sh" "$3" "$4"

folder="$WINEPREFIX/drive_c/Program Files/Velmora"
other="$WINEPREFIX/drive_c/Velmora"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
(cd "$work_dir" && cmake -E tar xf "$zip" Velmora/Velmora.exe) || fail "no Velmora.exe in the zip"

# install ARGUMENTS... / uninstall FOLDER: their exit status is the test's.
install() { "${wine[@]}" "$installer" /S "$@"; }
uninstall_in_place() { "${wine[@]}" "${1//\//\\}\\uninstall.exe" /S "_?=${1//\//\\}"; }
entry() { "${wine[@]}" reg query "$key" 2>/dev/null | tr -d '\r' | tr -s ' '; }

for run in first second; do
    install && wineserver -w || fail "the $run silent install failed"
done
[ -e "$shortcut" ] || fail "no Start-menu shortcut: $(find "$WINEPREFIX/drive_c" -name '*.lnk')"
for value in "DisplayName REG_SZ Velmora" "DisplayVersion REG_SZ 2011.1.0.0" \
    "Publisher REG_SZ www.korvane.example" 'DisplayIcon REG_SZ C:\Program Files\Velmora\Velmora.exe,0' \
    'UninstallString REG_SZ "C:\Program Files\Velmora\uninstall.exe"' \
    'QuietUninstallString REG_SZ "C:\Program Files\Velmora\uninstall.exe" /S' "EstimatedSize REG_DWORD 0x"; do
    grep -qF " $value" <<<"$(entry)" || fail "Apps & features lacks '$value': $(entry)"
done

start_xvfb
# status_shown: sets $ink to how far right the status line's blue text
# reaches; the line as shown is left in $work_dir/status.png.
status_shown() {
    local x y w h
    read -r x y w h <<<"$Label5"
    import -silent -window "$window" "$work_dir/window.png"
    convert "$work_dir/window.png" -crop "${w}x$h+$x+$y" +repage "$work_dir/status.png"
    ink=$(convert "$work_dir/status.png" -fill white +opaque '#0000FF' -format '%@' info: 2>/dev/null |
        awk -F'[x+]' '$1 > 1 { print $1 + $3 }')
    [ -n "$ink" ]
}

# An older Velmora.exe (a byte longer), running, as the next install finds it.
printf 'x' >>"$folder/Velmora.exe"
start_program "${wine[@]}" 'C:\Program Files\Velmora\Velmora.exe'
velmora=${pids[-1]}
expect_picture "$assets/background.png"
# The copy replaces an image, and Windows programs read the box's text as it stands.
"${wine[@]}" "$probe" put-image || fail "the probe could not put an image on the clipboard"
xdotool windowfocus --sync "$window" key alt+1
expect_copied "$first_pair" "Alt+1 then Alt+4 copied" xdotool key alt+4
grep -qxE '2|8|17' "$work_dir/formats" && fail "the image survived the copy: formats $(tr '\n' ' ' <"$work_dir/formats")"
xdotool key alt+3
expect_copied "$spaced_pair" "Alt+3 then Alt+4 copied" xdotool key alt+4
xdotool key alt+2
expect_copied "$traditional_spaced_pair" "Alt+2 then Alt+4 copied" xdotool key alt+4
# While another program holds the clipboard the copy says it failed.
status_shown && mv "$work_dir/status.png" "$work_dir/copied.png"
hold hold-clipboard 3
xdotool key alt+4
sleep 1
status_shown && [ "$(compare -metric AE "$work_dir/copied.png" "$work_dir/status.png" null: 2>&1)" != 0 ] ||
    fail "the status line still says the copy succeeded while the clipboard was held"
stop_program
paste_and_convert
wait_until status_shown || fail "no message after 转繁体"
converted_ink=$ink
expect_copied '頭髮' "头发 pasted and converted" xdotool key alt+4
# Each address goes its own way to xdg-open, in no particular order.
xdotool key alt+5 alt+6 alt+7
printf '%s\n' http://www.korvane.example/{Article/fantizi,fenzu,gexing/haoting}/ >"$work_dir/links"
links_opened() { sort "$work_dir/opened" 2>/dev/null | cmp -s "$work_dir/links"; }
wait_until links_opened || fail "Alt+5, 6 and 7 opened: $(cat "$work_dir/opened" 2>&1)"

# The silent install closes the running program and replaces its files,
# itself, as no earlier uninstaller is registered to.
"${wine[@]}" reg delete "$key" /f >/dev/null 2>&1 || fail "cannot remove the Apps & features entry"
install || fail "the silent install over a running Velmora exited with $?"
state=$(ps -o stat= -p "$velmora" || true)
[ -z "$state" ] || [[ $state == Z* ]] || fail "the install left Velmora running"
cmp -s "$folder/Velmora.exe" "$work_dir/Velmora/Velmora.exe" || fail "the older Velmora.exe was not replaced"

# Without its dictionaries 转繁体 keeps the box and says so: a longer message
# than the success's, in the status line's blue.
rm "$folder"/opencc/*.ocd2
start_program "${wine[@]}" 'C:\Program Files\Velmora\Velmora.exe'
paste_and_convert
wait_until status_shown && [ "$ink" -gt "$converted_ink" ] ||
    fail "the status line's message reaches x ${ink:-0}, the success message's $converted_ink"
expect_copied '头发' "the box after 转繁体 without dictionaries" xdotool key alt+4
close_program "${wine[@]}" taskkill /im Velmora.exe

# Installed elsewhere, the old folder goes.
install '/D=C:\Velmora' || fail "the install into C:\\Velmora failed"
[ -e "$other/Velmora.exe" ] && [ ! -e "$folder" ] || fail "after moving, the old folder holds: $(ls -R "$folder")"

# While another program holds a DLL, neither the uninstaller nor a new
# install removes anything, and both say so in their status.
hold hold-file 'C:\Velmora\Qt6Core.dll' 60
uninstall_in_place C:/Velmora && fail "the uninstaller succeeded while Qt6Core.dll was held"
install && fail "the install succeeded while Qt6Core.dll of the earlier one was held"
[ -e "$other/Velmora.exe" ] && entry | grep -q 'C:\\Velmora' || fail "a failed run removed Velmora: $(ls "$other")"
stop_program
# Free again, the same command succeeds; run in place it leaves itself.
uninstall_in_place C:/Velmora || fail "the uninstaller run in place exited with $?"
[ "$(ls "$other")" = uninstall.exe ] && ! entry >/dev/null || fail "after uninstalling in place: $(ls "$other")"
install '/D=C:\Velmora' || fail "the install into C:\Velmora failed"

# The silent uninstaller closes the running program and leaves a file of the
# user's, and nothing of Velmora's.
echo mine >"$other/mine.txt"
start_program "${wine[@]}" 'C:\Velmora\Velmora.exe'
"${wine[@]}" "$other/uninstall.exe" /S && timeout 60 wineserver -w || fail "the silent uninstall failed or left a program running"
left=$(cd "$other" && find . ! -name . ! -name mine.txt)
[ -z "$left" ] && [ -e "$other/mine.txt" ] || fail "after uninstalling, the folder holds: $left"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
entry >/dev/null && fail "the Apps & features entry is left"

# A file the installer must replace, held open: the install fails.
mkdir -p "$folder" && echo mine >"$folder/Qt6Core.dll"
hold hold-file 'C:\Program Files\Velmora\Qt6Core.dll' 60
install && fail "the install succeeded though it could not write Qt6Core.dll"
stop_program
echo "PASS: windows"
