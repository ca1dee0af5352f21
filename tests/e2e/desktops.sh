#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window is the same picture under a dark KDE colour scheme as under
# no desktop at all: after a pair, a copy and the symbol strip selected, with
# focus in the strip so that no caret blinks. (Other styles and palettes are
# compared in the process.)
source "$(dirname "$0")/xvfb-session.sh"
program=$1

# Breeze Dark's colours, as KDE writes them.
mkdir -p "$work_dir/kde"
cat >"$work_dir/kde/kdeglobals" <<'KDEGLOBALS'
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=252,252,252
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
KDEGLOBALS

# shot FILE [VARIABLE=VALUE...]: the window under that environment.
shot() {
    local file=$1
    shift
    start_program env "$@" "$program"
    click_on Label1
    click_on Label4
    xdotool windowfocus --sync "$window" key --clearmodifiers Tab ctrl+a
    sleep 0.3
    import -silent -window "$window" "$file"
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
}

start_xvfb
shot "$work_dir/plain.png"
shot "$work_dir/kde.png" XDG_CONFIG_HOME="$work_dir/kde" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5

# The strip must show its selection, or the comparison would miss its colours.
read -r x y w h <<<"$Text2"
convert "$work_dir/plain.png" -crop "${w}x${h}+$x+$y" -format %c histogram:info: | grep -qi '#308CC6' ||
    fail "no selection in the symbol strip"
differing=$(compare -metric AE "$work_dir/plain.png" "$work_dir/kde.png" null: 2>&1 || true)
[ "${differing%% *}" = 0 ] || fail "$differing pixels differ from the plain desktop"
echo "PASS: desktops"
