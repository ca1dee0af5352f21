#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window shows the committed picture of its scale unscaled, pixel for
# pixel outside the text controls, and its face in the columns right of it: at
# 1, at the fractional scales Windows users have, and at 2.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
assets=$2

# check_scale SCALE PICTURE
check_scale() {
    start_program env QT_SCALE_FACTOR="$1" "$program"
    expect_picture "$2" "$1"
    stop_program
}

start_xvfb 1200x900 # room for the window at scale 2
check_scale 1 "$assets/background.png"
check_scale 1.25 "$assets/background@1.25x.png"
check_scale 1.5 "$assets/background@1.5x.png"
check_scale 2 "$assets/background@2x.png"
echo "PASS: artwork"
