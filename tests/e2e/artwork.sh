#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window shows the committed background.png at a scale of 1 and
# background@2x.png at 2 unscaled, pixel for pixel outside the text
# controls, and its face in the column right of it.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
assets=$2

# hide_controls FILE SCALE: blacks out the text controls of a window-sized picture.
hide_controls() {
    local draws=() x y w h
    for control in "$Text1" "$Text2" "$Label5"; do
        read -r x y w h <<<"$control"
        draws+=(-draw "rectangle $((x * $2)),$((y * $2)) $(((x + w) * $2)),$(((y + h) * $2))")
    done
    convert "$1" -fill black "${draws[@]}" "$1"
}

# check_scale SCALE PICTURE
check_scale() {
    local scale=$1 width=$((540 * $1)) height=$((398 * $1))
    local expected="$work_dir/expected-$scale.png" shown="$work_dir/shown-$scale.png"
    start_program env QT_SCALE_FACTOR="$scale" "$program"
    size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    [ "$size" = "$((541 * scale))x$height" ] || fail "window at scale $scale is $size"

    convert "$2" -crop "${width}x${height}+0+0" +repage "$expected"
    hide_controls "$expected" "$scale"
    shows_expected() {
        import -silent -window "$window" "$work_dir/window.png"
        convert "$work_dir/window.png" -crop "${width}x${height}+0+0" +repage "$shown"
        hide_controls "$shown" "$scale"
        differing=$(compare -metric AE "$expected" "$shown" null: 2>&1 || true)
        [ "${differing%% *}" = 0 ]
    }
    # The first frame may still be on its way.
    wait_until shows_expected || fail "scale $scale: $differing pixels differ from $(basename "$2")"

    colours=$(convert "$work_dir/window.png" -crop "${scale}x${height}+${width}+0" -format %k info:)
    [ "$colours" = 1 ] || fail "scale $scale: the column right of the picture has $colours colours"
    stop_program
}

start_xvfb 1200x900 # room for the window at scale 2
check_scale 1 "$assets/background.png"
check_scale 2 "$assets/background@2x.png"
echo "PASS: artwork"
