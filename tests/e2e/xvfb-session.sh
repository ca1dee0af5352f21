# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests: a private Xvfb on a free display, the
# program under test, and cleanup of both by process id on any exit.
set -euo pipefail

# The controls' rectangles, "x y width height" under their object names,
# for the tests that click or look at controls.
if [ -n "${VELMORA_E2E_LAYOUT:-}" ]; then
    source "$VELMORA_E2E_LAYOUT"
fi

work_dir=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work_dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until COMMAND...: runs it every 50 ms until it succeeds, for 5 s at most.
wait_until() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# start_session_bus [CONFIG]: a private session bus, with the system's session
# configuration unless given one, its address exported.
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

# Starts the program and sets $window to its X window id.
start_program() {
    "$@" >"$work_dir/program.log" 2>&1 &
    pids+=($!)
    window=""
    for _ in $(seq 250); do
        window=$(xdotool search --onlyvisible --name '^Velmora2011\.1$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.02
    done
    [ -n "$window" ] || fail "no window titled Velmora2011.1: $(cat "$work_dir/program.log")"
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
