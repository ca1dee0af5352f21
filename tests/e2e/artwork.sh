#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window shows its background picture unscaled, pixel for pixel
# wherever the signature box, the symbol strip and the status line do not
# cover it, and the window face in the columns right of it: at a scale of 1
# and 2 the committed background.png and background@2x.png, at 1.5 and 3 the
# picture the generator paints for that device pixel ratio.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
assets=$2
generator=$3

# The signature box, the symbol strip and the status line.
controls=("$Text1" "$Text2" "$Label5")

# device LENGTH SCALE: a length in window pixels in device pixels, rounded.
device() {
    awk -v n="$1" -v s="$2" 'BEGIN { printf "%d", n * s + 0.5 }'
}

# Blacks out the text controls of a window-sized picture, a device pixel
# more all round so that their rounding at fractional scales does not
# matter: hide_controls FILE SCALE.
hide_controls() {
    local draws=() x y w h
    for control in "${controls[@]}"; do
        read -r x y w h <<<"$control"
        draws+=(-draw "$(awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v s="$2" 'BEGIN {
            printf "rectangle %d,%d %d,%d", int(x * s) - 1, int(y * s) - 1,
                   int((x + w) * s + 0.999), int((y + h) * s + 0.999) }')")
    done
    convert "$1" -fill black "${draws[@]}" "$1"
}

# check_scale SCALE PICTURE
check_scale() {
    local scale=$1
    local width height window_width
    width=$(device 540 "$scale")
    height=$(device 398 "$scale")
    window_width=$(device 541 "$scale")
    local expected="$work_dir/expected-$scale.png" shown="$work_dir/shown-$scale.png"
    start_program env QT_SCALE_FACTOR="$scale" "$program"
    size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    [ "$size" = "${window_width}x$height" ] || fail "window at scale $scale is $size"

    convert "$2" -crop "${width}x${height}+0+0" +repage "$expected"
    hide_controls "$expected" "$scale"
    local differing=""
    for _ in $(seq 30); do
        import -silent -window "$window" "$work_dir/window.png"
        convert "$work_dir/window.png" -crop "${width}x${height}+0+0" +repage "$shown"
        hide_controls "$shown" "$scale"
        differing=$(compare -metric AE "$expected" "$shown" null: 2>&1 || true)
        [ "${differing%% *}" = 0 ] && break
        sleep 0.1 # the first frame may still be on its way
    done
    [ "${differing%% *}" = 0 ] ||
        fail "scale $scale: $differing pixels differ from $(basename "$2")"

    colours=$(convert "$work_dir/window.png" \
        -crop "$((window_width - width))x${height}+${width}+0" -format %k info:)
    [ "$colours" = 1 ] || fail "scale $scale: the columns right of the picture have $colours colours"

    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
}

# painted RATIO: the generator's picture for the ratio.
painted() {
    QT_QPA_PLATFORM=offscreen "$generator" --background "$1" "$work_dir/painted-$1.png" ||
        fail "the generator painted no picture for $1"
    echo "$work_dir/painted-$1.png"
}

start_xvfb 1700x1300 # room for the window at scale 3
check_scale 1 "$assets/background.png"
check_scale 2 "$assets/background@2x.png"
check_scale 1.5 "$(painted 1.5)"
check_scale 3 "$(painted 3)"
echo "PASS: artwork"
