#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows zip under Wine, on a private Xvfb, in a fresh prefix of the
# test's own under a Chinese locale: unpacked where the path holds a blank
# and Chinese characters, and where it holds Korean ones, outside code page
# 936, its program converts with the manifest's UTF-8 code page ignored, as
# Windows 10 before 1903 ignores it, and writes nothing into its folder; at
# 100, 125 and 150 % it shows the picture of that scale pixel for pixel, and
# its text controls show their text whole, in the Song face Windows has
# (AR PL UMing standing in for SimSun).
#   windows-portable.sh ZIP LAYOUT-DUMP.EXE PROBE.EXE ASSETS
source "$(dirname "$0")/xvfb-session.sh"
zip=$1
assets=$4
source "$(dirname "$0")/wine-session.sh" "$2" "$3"
start_xvfb 1024x768

# unpack FOLDER: the zip unpacked there, its manifest's code page element made
# a comment of the same length.
unpack() {
    mkdir -p "$1"
    (cd "$1" && cmake -E tar xf "$zip") || fail "cannot unpack the zip into $1"
    perl -0777 -pi -e 's{<activeCodePage[^<]*</activeCodePage>}{"<!--" . (" " x (length($&) - 7)) . "-->"}e' \
        "$1/Velmora/Velmora.exe"
    ! grep -q activeCodePage "$1/Velmora/Velmora.exe" || fail "the code page element is still in the manifest"
}

for portable in "$work_dir/便携 版/目录 一" "$work_dir/휴대용"; do
    unpack "$portable"
    before=$(find "$portable" -printf '%p %s %T@\n' | sort)
    start_program "${wine[@]}" "$portable/Velmora/Velmora.exe"
    paste_and_convert
    expect_copied '頭髮' "after 转繁体 in $(basename "$portable")" xdotool key alt+4
    close_program "${wine[@]}" taskkill /im Velmora.exe
    [ "$(find "$portable" -printf '%p %s %T@\n' | sort)" = "$before" ] ||
        fail "the program wrote into $portable"
done

# text_whole SCALE CONTROL: the control's text (right of where the caret
# blinks) is inked from below its top row, and its Song glyphs, 14 pixels in
# the box and 12 in the strip at 100 %, are SCALE times as high, less up to
# three rows: a glyph cut off by the control's edge, or too large, is not.
declare -A glyph_pixels=([Text1]=14 [Text2]=12)
text_whole() {
    local x y w h x0 y0 height ink first last glyph
    read -r x y w h <<<"${!2}"
    x0=$(scaled $((x + 8)) "$1" 0.999) y0=$(scaled "$y" "$1" 0.999)
    height=$(($(scaled $((y + h)) "$1") - y0))
    # The rows that hold ink, each a pixel of a one-column picture.
    ink=$(convert "$work_dir/window.png" -crop "$(($(scaled $((x + w)) "$1") - x0))x$height+$x0+$y0" +repage \
        -colorspace gray -threshold 60% -negate -scale "1x$height!" -threshold 0 txt:- |
        awk -F'[,:]' '/gray\(255\)/ { if (first == "") first = $2; last = $2 } END { print first, last }')
    read -r first last <<<"$ink"
    glyph=$(scaled "${glyph_pixels[$2]}" "$1" 0.5)
    [ -n "$first" ] && [ "$first" -gt 0 ] && [ $((last - first + 1)) -le "$glyph" ] &&
        [ $((last - first + 1)) -ge $((glyph - 3)) ] ||
        fail "at $1 the ink of $2 fills rows ${first:-none} to ${last:-none} of 0 to $((height - 1)), glyphs $glyph high"
}
for name in SimSun 宋体; do set_value 'HKCU\Software\Wine\Fonts\Replacements' $name REG_SZ 'AR PL UMing CN'; done
for picture in background.png background@1.25x.png background@1.5x.png; do
    scale=$(sed -n 's/.*@\(.*\)x.png/\1/p' <<<"$picture") && scale=${scale:-1}
    # Windows' display scale, as its settings write it: 96, 120 or 144 dots per inch.
    set_value 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$(scaled 96 "$scale")"
    start_program "${wine[@]}" "$work_dir/휴대용/Velmora/Velmora.exe"
    expect_picture "$assets/$picture" "$scale"
    text_whole "$scale" Text1 && text_whole "$scale" Text2
    close_program "${wine[@]}" taskkill /im Velmora.exe
done
echo "PASS: windows-portable"
