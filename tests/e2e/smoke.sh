#!/usr/bin/env bash
# The real program starts under X, shows its window and answers a click.
source "$(dirname "$0")/xvfb-session.sh"
program=$1

start_xvfb
start_program "$program"

title=$(xprop -id "$window" _NET_WM_NAME | sed 's/.*= "\(.*\)"/\1/')
[ "$title" = "Velmora2011.1" ] || fail "title is '$title'"

size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "541x398" ] || fail "client area is $size"

# The caret blinks at the box's left edge; leave its columns out.
snapshot "$work_dir/before.png" 46 68 458 103
click 96 294
snapshot "$work_dir/after.png" 46 68 458 103
changed=$(compare -metric AE "$work_dir/before.png" "$work_dir/after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 0 ] || fail "a click on Label1 left the box as it was"

echo "PASS: smoke"
