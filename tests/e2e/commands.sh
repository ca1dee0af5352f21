#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The commands on the real program, read back byte for byte through the X
# clipboard: the first pair and its traditional form, the three links handed
# to xdg-open, and text pasted from the clipboard (emoji, U+00A0, U+2764,
# CR LF) converted, spaced and copied.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
site_base=$2

mkdir "$work_dir/bin"
cat >"$work_dir/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$*" >>"$work_dir/opened"
STANDIN
chmod +x "$work_dir/bin/xdg-open"
export PATH="$work_dir/bin:$PATH"
unset BROWSER DEFAULT_BROWSER

start_xvfb
start_program "$program"

# expect PRINTF-FORMAT WHAT: the box, copied, against the expected bytes.
expect() {
    click_on Label4
    xclip -o -selection clipboard >"$work_dir/copied"
    printf "$1" >"$work_dir/expected"
    cmp "$work_dir/expected" "$work_dir/copied" || fail "$2: $(od -c "$work_dir/copied" | head -n 5)"
}

click_on Label1
expect '导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n演绎悲伤里不配悲情的心伤、离别，别离。自然就好。' "P1"

# Each link opens exactly its address, once per click, and keeps the box.
for control in Label6 Label7 Label8 Label8; do click_on $control; done
printf '%s\n' "$site_base/fenzu/" "$site_base/Article/fantizi/" "$site_base/gexing/haoting/" \
    "$site_base/gexing/haoting/" >"$work_dir/expected-links"
opened_four() { [ "$(wc -l <"$work_dir/opened" 2>/dev/null || echo 0)" -ge 4 ]; }
wait_until opened_four || true
sleep 0.3
diff "$work_dir/expected-links" "$work_dir/opened" || fail "the links opened other addresses"
expect '导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n演绎悲伤里不配悲情的心伤、离别，别离。自然就好。' "P1 after the links"

# As `opencc -c s2t` gives it.
click_on Label2
expect '導演記憶中不該記錄的回憶、悲傷，傷悲。習慣就好。  \r\n\r\n演繹悲傷裏不配悲情的心傷、離別，別離。自然就好。' "P1 converted"

# xclip serves the clipboard until the program has taken the text.
printf '头发😀干净\xc2\xa0后来\r\n皇后\xe2\x9d\xa4' | xclip -i -selection clipboard -loops 1
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" $(centre Text1) key --clearmodifiers ctrl+a ctrl+v
sleep 0.3
expect '头发😀干净\xc2\xa0后来\r\n皇后\xe2\x9d\xa4' "pasted text"
click_on Label2
expect '頭髮😀乾淨\xc2\xa0後來\r\n皇后\xe2\x9d\xa4' "pasted text converted"
click_on Label3
expect '頭 髮 😀 乾 淨 \xc2\xa0 後 來 \r \n 皇 后 \xe2\x9d\xa4' "pasted text spaced"
click_on Label3
expect '頭 髮 😀 乾 淨 \xc2\xa0 後 來 \r \n 皇 后 \xe2\x9d\xa4' "spaced twice"
echo "PASS: commands"
