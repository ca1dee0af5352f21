#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window: title, size and window-manager hints, cursors, links
# handed to xdg-open, the first pair copied as it stands, spaced and
# converted, and a close request ending the
# program normally, which is when Qt hands the copied text to a clipboard
# manager (and the sanitizer builds check for leaks).
source "$(dirname "$0")/xvfb-session.sh"
program=$1
x_probe=$2

mkdir "$work_dir/bin"
cat >"$work_dir/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$*" >>"$work_dir/opened"
STANDIN
chmod +x "$work_dir/bin/xdg-open"
export PATH="$work_dir/bin:$PATH"
unset BROWSER DEFAULT_BROWSER

start_xvfb
# As on a desktop: without a session bus Qt's D-Bus thread leaves blocks behind at exit.
start_session_bus
"$x_probe" keep "$work_dir/kept" >"$work_dir/manager.log" 2>&1 &
pids+=($!)
wait_until grep -q '^ready$' "$work_dir/manager.log" ||
    fail "the clipboard manager did not start: $(cat "$work_dir/manager.log")"
start_program "$program"

shown_title=$(xprop -id "$window" _NET_WM_NAME | sed 's/.*= "\(.*\)"/\1/')
[ "$shown_title" = "$title" ] || fail "title is '$shown_title'"
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "541x398" ] || fail "client area is $size"

# Minimum and maximum size are both the client area: the user cannot resize.
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "minimum size: 541 by 398" <<<"$hints" || fail "minimum size: $hints"
grep -q "maximum size: 541 by 398" <<<"$hints" || fail "maximum size: $hints"

# _MOTIF_WM_HINTS: flags, functions, decorations ... Functions must offer
# move, minimise and close (0x04, 0x08, 0x20) and never maximise (0x10).
motif=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
IFS=', ' read -r -a fields <<<"$motif"
functions=$((fields[1]))
((functions & 0x10)) && fail "maximise offered: $motif"
((functions & 0x08)) || fail "no minimise: $motif"
((functions & 0x20)) || fail "no close: $motif"

# The hand over Label1 and the links, the standard arrow over the tool buttons.
hand="32x32 6,0 2"
for control in Label1 Label6 Label7 Label8 Label2 Label3 Label4 Text1; do
    xdotool mousemove --window "$window" $(centre $control)
    sleep 0.2
    shape=$("$x_probe" cursor)
    case $control in Label[1678]) [ "$shape" = "$hand" ] ;; *) [ "$shape" != "$hand" ] ;; esac ||
        fail "cursor over $control: $shape (the hand is $hand)"
done

# Each click hands xdg-open one address, its link's own (the addresses are
# checked in the process): three links, the last clicked twice.
for control in Label6 Label7 Label8 Label8; do click_on $control; done
opened_four() { [ "$(wc -l <"$work_dir/opened" 2>/dev/null || echo 0)" -ge 4 ]; }
wait_until opened_four || true
sleep 0.3 # and no more
[ "$(wc -l <"$work_dir/opened")" = 4 ] && [ "$(uniq "$work_dir/opened" | grep -c '^http://[^ ]*/$')" = 3 ] ||
    fail "four clicks handed xdg-open: $(cat "$work_dir/opened")"

xdotool windowfocus --sync "$window" key alt+1
expect_copied "$first_pair" "Alt+1 then Alt+4 copied" xdotool key alt+4
xdotool key alt+3
expect_copied "$spaced_pair" "Alt+3 then Alt+4 copied" xdotool key alt+4
xdotool key alt+2
expect_copied "$traditional_spaced_pair" "Alt+2 then Alt+4 copied" xdotool key alt+4
close_program "$x_probe" close "$window"
[ -e "$work_dir/kept" ] ||
    fail "the manager was handed nothing: $(cat "$work_dir/manager.log" "$work_dir/program.log")"
expect_bytes "$work_dir/kept" "$traditional_spaced_pair" "the clipboard manager kept"
grep -q 'clipboard manager' "$work_dir/program.log" && fail "the program complained: $(cat "$work_dir/program.log")"
echo "PASS: window"
