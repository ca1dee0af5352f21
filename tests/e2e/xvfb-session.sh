# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests: a private Xvfb, the program under test,
# cleanup by process id on any exit, and what the tests share.
set -euo pipefail

# The controls' rectangles, "x y width height" under their object names.
if [ -n "${VELMORA_LAYOUT_DUMP:-}" ]; then
    source <("$VELMORA_LAYOUT_DUMP")
fi

title=Velmora2011.1
app_id=example.korvane.velmora
# What Alt+1 then Alt+4 put on the clipboard: the catalogue's first pair.
first_pair=$'导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n演绎悲伤里不配悲情的心伤、离别，别离。自然就好。'
# Then Alt+3 and Alt+4, then Alt+2 and Alt+4: the same bytes on every platform.
spaced_pair=$'导 演 记 忆 中 不 该 记 录 的 回 忆 、 悲 伤 ， 伤 悲 。 习 惯 就 好 。 \r \n \r \n 演 绎 悲 伤 里 不 配 悲 情 的 心 伤 、 离 别 ， 别 离 。 自 然 就 好 。'
traditional_spaced_pair=$'導 演 記 憶 中 不 該 記 錄 的 回 憶 、 悲 傷 ， 傷 悲 。 習 慣 就 好 。 \r \n \r \n 演 繹 悲 傷 裏 不 配 悲 情 的 心 傷 、 離 別 ， 別 離 。 自 然 就 好 。'

work_dir=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ -n "${VELMORA_KEEP_WORK:-}" ] && echo "kept $work_dir" || rm -rf "$work_dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until COMMAND...: runs it every 50 ms until it succeeds, for 10 s at most.
wait_until() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# start_session_bus [CONFIG]: a private session bus, by default configured as the system's.
start_session_bus() {
    local config=(--session)
    [ $# -gt 0 ] && config=(--config-file="$1")
    dbus-daemon "${config[@]}" --nofork --address="unix:path=$work_dir/bus" \
        >"$work_dir/dbus.log" 2>&1 &
    pids+=($!)
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work_dir/bus"
    wait_until test -S "$work_dir/bus" || fail "no session bus: $(cat "$work_dir/dbus.log")"
}

# start_xvfb [WIDTHxHEIGHT]: the screen is 800x600 unless given.
start_xvfb() {
    exec 3> >(cat >"$work_dir/display")
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${1:-800x600}x24" 2>"$work_dir/xvfb.log" &
    pids+=($!)
    exec 3>&-
    wait_until test -s "$work_dir/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work_dir/display")"
    export XDG_RUNTIME_DIR="$work_dir/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset QT_QPA_PLATFORM
}

# start_program COMMAND...: runs it and sets $window to the X window it shows.
window_shown() {
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ]
}
start_program() {
    "$@" >"$work_dir/program.log" 2>&1 &
    pids+=($!)
    wait_until window_shown || fail "no window titled $title: $(cat "$work_dir/program.log")"
}

# stop_program: kills the program started last.
stop_program() {
    kill "${pids[-1]}" 2>/dev/null || true
    wait "${pids[-1]}" 2>/dev/null || true
}

# close_program COMMAND...: COMMAND asks the program started last to close as
# the window's close button does (on X a window manager's request, on Windows
# WM_CLOSE); it must end with status 0. Prints how long that took.
close_program() {
    local pid=${pids[-1]} status=0 start
    start=$(date +%s%N)
    "$@"
    wait "$pid" || status=$?
    [ "$status" = 0 ] || fail "closing the window: exit status $status: $(cat "$work_dir/program.log")"
    echo "exit after the close request: $((($(date +%s%N) - start) / 1000000)) ms"
}

# expect_bytes FILE EXPECTED WHAT: FILE holds exactly EXPECTED, or the test fails showing both.
expect_bytes() {
    printf '%s' "$2" >"$work_dir/expected"
    cmp -s "$work_dir/expected" "$1" || fail "$3, byte by byte (< expected, > got):"$'\n'"$(
        diff <(od -An -c "$work_dir/expected") <(od -An -c "$1"))"
}

# expect_copied EXPECTED WHAT [ACTION...]: waits until the clipboard, as
# read_clipboard prints it, holds exactly EXPECTED, doing ACTION before each look.
read_clipboard=(xclip -o -selection clipboard)
copied() { "$@" && "${read_clipboard[@]}" >"$work_dir/copied" 2>/dev/null && cmp -s "$work_dir/expected" "$work_dir/copied"; }
expect_copied() {
    printf '%s' "$1" >"$work_dir/expected"
    : >"$work_dir/copied"
    wait_until copied "${@:3}" || expect_bytes "$work_dir/copied" "$1" "$2"
}

# expect_picture PICTURE [SCALE]: the window, SCALE (1, 1.25, 2 ...) times
# its size, shows PICTURE unscaled, pixel for pixel outside the text controls
# (and a pixel around them where SCALE puts their edges between pixels), and
# its face in the columns right of it.
scaled() { awk -v v="$1" -v s="$2" -v d="${3:-0}" 'BEGIN { x = v * s + d; printf "%d", x }'; }
hide_controls() { # FILE SCALE: blacks out the text controls of a window-sized picture.
    local draws=() x y w h margin=$(($(scaled 1 "$2" 0.999) - $(scaled 1 "$2")))
    for control in "$Text1" "$Text2" "$Label5"; do
        read -r x y w h <<<"$control"
        draws+=(-draw "rectangle $(scaled "$x" "$2" -$margin),$(scaled "$y" "$2" -$margin) $(
            scaled $((x + w)) "$2" $((margin * 2))),$(scaled $((y + h)) "$2" $((margin * 2)))")
    done
    convert "$1" -fill black "${draws[@]}" "$1"
}
shows_picture() {
    import -silent -window "$window" "$work_dir/window.png"
    convert "$work_dir/window.png" -crop "${width}x${height}+0+0" +repage "$work_dir/shown.png"
    hide_controls "$work_dir/shown.png" "$scale"
    differing=$(compare -metric AE "$work_dir/expected.png" "$work_dir/shown.png" null: 2>&1 || true)
    [ "${differing%% *}" = 0 ]
}
expect_picture() {
    local scale=${2:-1} width height size face colours
    width=$(identify -format %w "$1")
    height=$(scaled 398 "$scale" 0.5)
    size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    [ "$size" = "$(scaled 541 "$scale" 0.5)x$height" ] || fail "window at scale $scale is $size"
    face=$((${size%x*} - width))
    convert "$1" -crop "${width}x${height}+0+0" +repage "$work_dir/expected.png"
    hide_controls "$work_dir/expected.png" "$scale"
    # The first frame may still be on its way.
    wait_until shows_picture || fail "scale $scale: $differing pixels differ from $(basename "$1")"
    colours=$(convert "$work_dir/window.png" -crop "${face}x${height}+${width}+0" -format %k info:)
    [ "$colours" = 1 ] || fail "scale $scale: the columns right of the picture have $colours colours"
}

# centre NAME: the middle of a control, relative to the window.
centre() {
    local x y w h
    read -r x y w h <<<"${!1}"
    echo "$((x + w / 2)) $((y + h / 2))"
}

# click_on NAME: clicks the middle of a control.
click_on() {
    # shellcheck disable=SC2046 # two numbers
    xdotool mousemove --window "$window" $(centre "$1") click 1
    sleep 0.15
}
