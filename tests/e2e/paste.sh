#!/usr/bin/env bash
# Text pasted into the box from the X clipboard, then converted, spaced and
# copied: emoji, U+00A0, U+2764 and CR LF come through, byte for byte.
source "$(dirname "$0")/xvfb-session.sh"
program=$1

start_xvfb
start_program "$program"

copy_box_to() {
    click 469 296
    xclip -o -selection clipboard >"$1"
}
expect() {
    printf "$1" >"$work_dir/expected"
    cmp "$work_dir/expected" "$2" || fail "$3: $(od -c "$2" | head -n 5)"
}

# xclip serves the clipboard until the program has taken the text.
printf '头发😀干净\xc2\xa0后来\r\n皇后\xe2\x9d\xa4' | xclip -i -selection clipboard -loops 1
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 200 120 key --clearmodifiers ctrl+a ctrl+v
sleep 0.3

copy_box_to "$work_dir/pasted"
expect '头发😀干净\xc2\xa0后来\r\n皇后\xe2\x9d\xa4' "$work_dir/pasted" "pasted text"

click 241 295
copy_box_to "$work_dir/traditional"
expect '頭髮😀乾淨\xc2\xa0後來\r\n皇后\xe2\x9d\xa4' "$work_dir/traditional" "converted text"

click 356 295
copy_box_to "$work_dir/spaced"
expect '頭 髮 😀 乾 淨 \xc2\xa0 後 來 \r \n 皇 后 \xe2\x9d\xa4' "$work_dir/spaced" "spaced text"

click 356 295
copy_box_to "$work_dir/spaced-again"
cmp "$work_dir/spaced" "$work_dir/spaced-again" || fail "spacing twice changed the text"
echo "PASS: paste"
