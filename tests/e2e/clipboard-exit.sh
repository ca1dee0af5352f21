#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The clipboard outlives the program: with a clipboard manager running, the
# copied first pair reaches it at exit, byte for byte, and can still be
# pasted once the window is closed. Prints how long the program takes from
# the close request to its end, without a manager and with one.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
clipboard_manager=$2
x_probe=$3

first_pair='导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n演绎悲伤里不配悲情的心伤、离别，别离。自然就好。'
printf "$first_pair" >"$work_dir/expected"

# Starts the program, copies the first pair with Alt+1 and Alt+4 and checks
# that the clipboard holds it.
copy_first_pair() {
    start_program "$program"
    xdotool windowfocus --sync "$window" key alt+1
    sleep 0.15
    xdotool key alt+4
    sleep 0.15
    xclip -o -selection clipboard >"$work_dir/copied"
    cmp "$work_dir/expected" "$work_dir/copied" || fail "$1: Alt+1 then Alt+4 copied $(od -c "$work_dir/copied" | head -n 5)"
}

# Closes the window as a window manager would and waits for the program to
# end normally; sets $exit_ms to the time from the close request to its end.
# A program that never ends is left to the test's time-out.
close_program() {
    local pid=${pids[-1]} start status=0
    start=$(date +%s%N)
    "$x_probe" close "$window"
    wait "$pid" || status=$?
    exit_ms=$((($(date +%s%N) - start) / 1000000))
    [ "$status" = 0 ] || fail "$1: exit status $status: $(cat "$work_dir/program.log")"
}

start_xvfb
# A desktop session has a session bus. Without one, Qt's D-Bus thread gives up
# in a way that leaves blocks behind at exit, which the sanitizer builds,
# checking leaks when the program ends, would report.
start_session_bus

# Without a manager the clipboard goes with the program, at once.
copy_first_pair "without a manager"
close_program "without a manager"
without_ms=$exit_ms
[ -z "$(xclip -o -selection clipboard 2>/dev/null)" ] ||
    fail "a clipboard owner outlived the program"

"$clipboard_manager" "$work_dir/kept" >"$work_dir/manager.log" 2>&1 &
pids+=($!)
wait_until grep -q '^ready$' "$work_dir/manager.log" ||
    fail "the clipboard manager did not start: $(cat "$work_dir/manager.log")"

copy_first_pair "with a manager"
close_program "with a manager"
with_ms=$exit_ms
[ -e "$work_dir/kept" ] ||
    fail "the manager was handed nothing: $(cat "$work_dir/manager.log" "$work_dir/program.log")"
cmp "$work_dir/expected" "$work_dir/kept" ||
    fail "the manager kept $(od -c "$work_dir/kept" | head -n 5)"
xclip -o -selection clipboard >"$work_dir/pasted"
cmp "$work_dir/expected" "$work_dir/pasted" ||
    fail "pasted after exit: $(od -c "$work_dir/pasted" | head -n 5)"
grep -q 'clipboard manager' "$work_dir/program.log" &&
    fail "the program complained: $(cat "$work_dir/program.log")"

echo "exit after the close request: ${without_ms} ms without a clipboard manager," \
    "${with_ms} ms with one"
echo "PASS: clipboard after exit"
