#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window: title, client area, size and window-manager hints, the
# cursors over the hot-spots, the links handed to xdg-open, and a close
# request from the window manager ending the program normally (which is when
# Qt hands a copied text to a clipboard manager, and when the sanitizer
# builds check for leaks).
source "$(dirname "$0")/xvfb-session.sh"
program=$1
x_probe=$2
site_base=$3

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

# Each link opens exactly its address, once per click.
for control in Label6 Label7 Label8 Label8; do click_on $control; done
printf '%s\n' "$site_base/fenzu/" "$site_base/Article/fantizi/" "$site_base/gexing/haoting/" \
    "$site_base/gexing/haoting/" >"$work_dir/expected-links"
opened_four() { [ "$(wc -l <"$work_dir/opened" 2>/dev/null || echo 0)" -ge 4 ]; }
wait_until opened_four || true
sleep 0.3
diff "$work_dir/expected-links" "$work_dir/opened" || fail "the links opened other addresses"

pid=${pids[-1]} status=0 start=$(date +%s%N)
"$x_probe" close "$window"
wait "$pid" || status=$?
exit_ms=$((($(date +%s%N) - start) / 1000000))
[ "$status" = 0 ] || fail "closing the window: exit status $status: $(cat "$work_dir/program.log")"
echo "exit after the close request, without a clipboard manager: $exit_ms ms"
echo "PASS: window"
