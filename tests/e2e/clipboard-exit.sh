#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The clipboard outlives the program: with a clipboard manager running, the
# first pair copied with Alt+1 and Alt+4 reaches it at exit, byte for byte.
# Prints how long the program takes from the close request to its end.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
clipboard_manager=$2
x_probe=$3

printf '导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n演绎悲伤里不配悲情的心伤、离别，别离。自然就好。' \
    >"$work_dir/expected"

start_xvfb
# As on a desktop: without a session bus Qt's D-Bus thread leaves blocks behind at exit.
start_session_bus
"$clipboard_manager" "$work_dir/kept" >"$work_dir/manager.log" 2>&1 &
pids+=($!)
wait_until grep -q '^ready$' "$work_dir/manager.log" ||
    fail "the clipboard manager did not start: $(cat "$work_dir/manager.log")"

start_program "$program"
xdotool windowfocus --sync "$window" key alt+1
sleep 0.15
xdotool key alt+4
sleep 0.15
xclip -o -selection clipboard >"$work_dir/copied"
cmp "$work_dir/expected" "$work_dir/copied" || fail "Alt+1 then Alt+4 copied $(od -c "$work_dir/copied" | head -n 5)"

pid=${pids[-1]} status=0 start=$(date +%s%N)
"$x_probe" close "$window"
wait "$pid" || status=$?
exit_ms=$((($(date +%s%N) - start) / 1000000))
[ "$status" = 0 ] || fail "exit status $status: $(cat "$work_dir/program.log")"
[ -e "$work_dir/kept" ] ||
    fail "the manager was handed nothing: $(cat "$work_dir/manager.log" "$work_dir/program.log")"
cmp "$work_dir/expected" "$work_dir/kept" || fail "the manager kept $(od -c "$work_dir/kept" | head -n 5)"
grep -q 'clipboard manager' "$work_dir/program.log" && fail "the program complained: $(cat "$work_dir/program.log")"
echo "exit after the close request, with a clipboard manager: $exit_ms ms"
echo "PASS: clipboard after exit"
