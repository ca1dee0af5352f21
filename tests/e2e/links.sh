#!/usr/bin/env bash
# Each link button of the real program hands exactly its address to
# xdg-open, once per click, and leaves the box as it was.
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
# The box and the status line, read through a copy, before and after.
copy_box() {
    click 469 296
    xclip -o -selection clipboard >"$1"
    snapshot "$1.status.png" 38 176 142 22
}
copy_box "$work_dir/before"

expected=()
while read -r x y path; do
    click "$x" "$y"
    expected+=("$site_base/$path")
done <<'CLICKS'
95 353 fenzu/
267 353 Article/fantizi/
442 356 gexing/haoting/
442 356 gexing/haoting/
CLICKS

for _ in $(seq 100); do
    [ "$(wc -l <"$work_dir/opened" 2>/dev/null || echo 0)" -ge ${#expected[@]} ] && break
    sleep 0.05
done
sleep 0.3
printf '%s\n' "${expected[@]}" >"$work_dir/expected"
diff "$work_dir/expected" "$work_dir/opened" || fail "the links opened other addresses"

snapshot "$work_dir/status-after-links.png" 38 176 142 22
changed=$(compare -metric AE "$work_dir/before.status.png" "$work_dir/status-after-links.png" null: 2>&1 || true)
[ "${changed%% *}" -eq 0 ] || fail "a link click changed the status line"
copy_box "$work_dir/after"
cmp "$work_dir/before" "$work_dir/after" || fail "a link click changed the box"
echo "PASS: links"
