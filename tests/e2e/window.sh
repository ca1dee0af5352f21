#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window: title, client area, size hints, window-manager hints and the
# cursors over the hot-spots.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
x_probe=$2

start_xvfb
start_program "$program"

title=$(xprop -id "$window" _NET_WM_NAME | sed 's/.*= "\(.*\)"/\1/')
[ "$title" = "Velmora2011.1" ] || fail "title is '$title'"
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

# Hand over Label1 and the links, the standard arrow over the tool buttons.
cursor_at() {
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.2
    "$x_probe" cursor
}
for control in Label1 Label6 Label7 Label8; do
    shape=$(cursor_at $(centre $control))
    [ "$shape" = "32x32 6,0 2" ] || fail "cursor over $control is $shape, not the hand"
done
for control in Label2 Label3 Label4 Text1; do
    shape=$(cursor_at $(centre $control))
    [ "$shape" != "32x32 6,0 2" ] || fail "hand cursor over $control"
done

echo "PASS: window"
