#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program as a native Wayland client under a headless sway: its app id,
# its size, floating as a fixed-size window does in a tiling compositor, its
# picture on screen, and Alt+1 then Alt+4 putting the first pair on the
# Wayland clipboard byte for byte.
source "$(dirname "$0")/xvfb-session.sh"
program=$1

# sway refuses to run as root: then it runs as nobody, in a runtime folder
# nobody owns below a work folder it may pass through. Its sockets are then
# nobody's, which root may still open, so the program and the tools stay root.
runtime="$work_dir/sway-runtime"
mkdir -m 700 "$runtime"
as_compositor_user=()
if [ "$(id -u)" = 0 ]; then
    chmod 711 "$work_dir"
    chown 65534:65534 "$runtime"
    as_compositor_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
printf 'xwayland disable\n' >"$work_dir/sway.config"
chmod 644 "$work_dir/sway.config"

env -u DISPLAY -u WAYLAND_DISPLAY HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as_compositor_user[@]}" sway -c "$work_dir/sway.config" >"$work_dir/sway.log" 2>&1 &
pids+=($!)
sway_up() {
    socket=$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' | head -n1)
    ipc=$(find "$runtime" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n1)
    [ -n "$socket" ] && [ -n "$ipc" ]
}
wait_until sway_up || fail "sway did not start: $(cat "$work_dir/sway.log")"

# An absolute WAYLAND_DISPLAY names the socket itself; the program keeps a
# runtime folder of its own.
unset DISPLAY
export WAYLAND_DISPLAY=$socket SWAYSOCK=$ipc XDG_RUNTIME_DIR="$work_dir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=wayland
"$program" >"$work_dir/program.log" 2>&1 &
pids+=($!)

# "TYPE SHELL PID FOCUSED CONTENT-SIZE SURFACE-SIZE X Y TITLE" of its window, sizes as WxH.
describe_window() {
    swaymsg -t get_tree -r | jq -r --arg id "$app_id" '
        [recurse(.nodes[]?, .floating_nodes[]?) | select(.app_id == $id)] | first // empty |
        "\(.type) \(.shell) \(.pid) \(.focused) \(.window_rect.width)x\(.window_rect.height)" +
        " \(.geometry.width)x\(.geometry.height) \(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)" +
        " \(.name)"'
}

# Waits until the window is mapped and shows its picture, not an empty surface.
description="" colours=0
mapped_and_painted() {
    description=$(describe_window)
    [ -n "$description" ] || return 1
    read -r _ _ _ _ _ _ x y _ <<<"$description"
    grim -g "$x,$y 541x398" "$work_dir/window.png" 2>"$work_dir/grim.log" &&
        colours=$(convert "$work_dir/window.png" -format %k info:) && [ "$colours" -gt 16 ]
}
wait_until mapped_and_painted || true
[ -n "$description" ] || fail "no window with app id $app_id: $(cat "$work_dir/program.log")"
[ "$colours" -gt 16 ] || fail "the window shows $colours colours $(cat "$work_dir/grim.log")"
# A native, focused client, at its size, floating: tiling would stretch a
# fixed-size window, and equal minimum and maximum sizes make sway float it.
expected="floating_con xdg_shell ${pids[-1]} true 541x398 541x398 $x $y $title"
[ "$description" = "$expected" ] || fail "the window is: $description, not $expected"

# A new virtual keyboard's first key can be lost: a harmless Shift goes first.
wtype -k Shift_L -s 200 -M alt -k 1 -m alt -s 200 -M alt -k 4 -m alt
read_clipboard=(wl-paste -n -t 'text/plain;charset=utf-8')
expect_copied "$first_pair" "Alt+1 then Alt+4 copied"
stop_program
echo "PASS: wayland"
