#!/usr/bin/env bash
# The whole catalogue walk on the real program: 56 clicks on Label1, with
# positions read back through the clipboard.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
site_base=$2

start_xvfb
start_program "$program"
snapshot "$work_dir/status-empty.png" 38 176 142 22

copy_to() {
    click 469 296
    xclip -o -selection clipboard >"$1"
}

printf '%s  \r\n\r\n%s' "导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。" \
    "演绎悲伤里不配悲情的心伤、离别，别离。自然就好。" >"$work_dir/p1"
printf '%s  \r\n\r\n%s' "曾经热门的爱情旅程，却以迷路告终。" "一度流行的爱情游戏，却被过时谢幕。" >"$work_dir/p26"
printf '更多情侣个性签名请期待下一版，Korvane %s —— 免费QQ空间素材大全' "$site_base" >"$work_dir/notice"

for clicks in $(seq 56); do
    click 96 294
    case $clicks in
    1)
        copy_to "$work_dir/at-1"
        # The first pair in traditional characters, as `opencc -c s2t` gives it.
        click 241 295
        copy_to "$work_dir/traditional"
        printf '%s  \r\n\r\n%s' "導演記憶中不該記錄的回憶、悲傷，傷悲。習慣就好。" \
            "演繹悲傷裏不配悲情的心傷、離別，別離。自然就好。" >"$work_dir/p1-traditional"
        cmp "$work_dir/p1-traditional" "$work_dir/traditional" || fail "P1 in traditional characters"
        ;;
    11 | 22 | 27 | 28 | 38 | 49 | 54 | 55 | 56) copy_to "$work_dir/at-$clicks" ;;
    esac
done

cmp "$work_dir/p1" "$work_dir/at-1" || fail "click 1 is not P1"
cmp "$work_dir/at-1" "$work_dir/at-28" || fail "click 28 differs from click 1"
cmp "$work_dir/p26" "$work_dir/at-27" || fail "click 27 is not P26"
cmp "$work_dir/at-27" "$work_dir/at-38" || fail "click 38 is not P26"
cmp "$work_dir/at-27" "$work_dir/at-54" || fail "click 54 is not P26"
cmp "$work_dir/at-11" "$work_dir/at-22" || fail "click 22 differs from click 11"
cmp "$work_dir/at-11" "$work_dir/at-49" || fail "click 49 differs from click 11"
cmp -s "$work_dir/at-1" "$work_dir/at-11" && fail "click 11 repeats click 1"
cmp "$work_dir/notice" "$work_dir/at-55" || fail "click 55 is not the closing notice"
cmp "$work_dir/notice" "$work_dir/at-56" || fail "click 56 changed the box"

# The last copy wrote its message; one more get-signature click clears it.
click 96 294
snapshot "$work_dir/status-cleared.png" 38 176 142 22
changed=$(compare -metric AE "$work_dir/status-empty.png" "$work_dir/status-cleared.png" null: 2>&1 || true)
[ "${changed%% *}" -eq 0 ] || fail "click 57 did not clear the status line"
echo "PASS: walk"
