#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Chinese typed through an input method: fcitx5's pinyin engine on a private
# session bus, the program with fcitx5's Qt module. "nihao" and a space at
# the end of the box give 你好, which the box then copies exactly. Skipped
# (77) without fcitx5, its pinyin engine or its Qt module.
source "$(dirname "$0")/xvfb-session.sh"
program=$1
qt_plugins=$2

skip() {
    echo "SKIP: $*"
    exit 77
}
command -v fcitx5 >/dev/null || skip "fcitx5 is not installed (package fcitx5)"
fcitx5_data="$(dirname "$(command -v fcitx5)")/../share/fcitx5"
[ -e "$fcitx5_data/addon/pinyin.conf" ] ||
    skip "fcitx5's pinyin engine is not installed (package fcitx5-chinese-addons)"
[ -e "$qt_plugins/platforminputcontexts/libfcitx5platforminputcontextplugin.so" ] ||
    skip "fcitx5's Qt 6 module is not installed (package fcitx5-frontend-qt6)"
command -v dbus-daemon >/dev/null && command -v dbus-send >/dev/null ||
    skip "no session bus daemon (package dbus-daemon)"

start_xvfb
export XDG_CONFIG_HOME="$work_dir/config" XDG_DATA_HOME="$work_dir/data"
export XDG_CACHE_HOME="$work_dir/cache"
mkdir -p "$XDG_CONFIG_HOME/fcitx5"
cp "$(dirname "$0")/input-method/profile" "$XDG_CONFIG_HOME/fcitx5/profile"
start_session_bus "$(dirname "$0")/input-method/bus.conf"

# No panel, clipboard history or desktop notifications: only the engine.
fcitx5 -r --disable=classicui,kimpanel,clipboard,notificationitem,notifications,wayland,waylandim \
    >"$work_dir/fcitx5.log" 2>&1 &
pids+=($!)
# fcitx5-remote reports 0 whether fcitx5 is away or idle: ask the bus instead.
fcitx5_on_bus() {
    dbus-send --session --print-reply --reply-timeout=2000 --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 2>/dev/null | grep -q 'boolean true'
}
wait_until fcitx5_on_bus || fail "fcitx5 did not start: $(cat "$work_dir/fcitx5.log")"

start_program env QT_IM_MODULE=fcitx "$program"

# The caret to the end of the box, then pinyin on (Ctrl+Space) for the box.
xdotool windowfocus --sync "$window"
click_on Text1
xdotool key ctrl+End
# fcitx5-remote gives 0 until the box's input context has the focus, then 1
# for English and 2 for pinyin.
im_state() { timeout 5 fcitx5-remote 2>/dev/null || echo 0; }
im_state_is() { state=$(im_state) && [ "$state" "$1" "$2" ]; }
state=0
wait_until im_state_is != 0 || true
[ "$state" = 1 ] && xdotool key ctrl+space
wait_until im_state_is = 2 ||
    fail "pinyin is not on for the box (state $state): $(cat "$work_dir/fcitx5.log")"

xdotool type --delay 50 nihao
sleep 0.2
xdotool key space
# The prompt's empty second line now holds 你好, read back with CR LF; input
# method events arrive late, so Alt+4 copies the box until it does.
expect_copied $'签名将显示在这里，请点击获取签名\r\n你好' "after typing nihao and a space" xdotool key alt+4
echo "PASS: input method"
