#!/usr/bin/env bash
# On the real program: the first pair converted to traditional characters,
# or spread out with blanks, reaches the X clipboard byte for byte.
source "$(dirname "$0")/xvfb-session.sh"
program=$1

# P1 as `opencc -c s2t` gives it, and with a blank between its characters.
traditional='導演記憶中不該記錄的回憶、悲傷，傷悲。習慣就好。  \r\n\r\n演繹悲傷裏不配悲情的心傷、離別，別離。自然就好。'
spaced='导 演 记 忆 中 不 该 记 录 的 回 忆 、 悲 伤 ， 伤 悲 。 习 惯 就 好 。 \r \n \r \n 演 绎 悲 伤 里 不 配 悲 情 的 心 伤 、 离 别 ， 别 离 。 自 然 就 好 。'

# Clicks Label1, the given tool's hot-spot and Label4, then compares the clipboard.
check_tool() {
    local name=$1 x=$2 y=$3 expected=$4
    start_program "$program"
    click 96 294
    click "$x" "$y"
    click 469 296
    printf "$expected" >"$work_dir/expected"
    xclip -o -selection clipboard >"$work_dir/$name"
    cmp "$work_dir/expected" "$work_dir/$name" || fail "$name: $(od -c "$work_dir/$name" | head -n 8)"
    # Each run starts from the catalogue's first pair: end this program.
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
}

start_xvfb
check_tool traditional 241 295 "$traditional"
check_tool spaced 356 295 "$spaced"
echo "PASS: tools"
