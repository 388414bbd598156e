#!/usr/bin/env bash
# The real pinwright.exe on Wine's own desktop (a Wine virtual desktop, which draws Windows's
# title bars) in a private Xvfb, used with the mouse and the keyboard through xdotool:
#  1. the window opens with its caption and a client area of 714 x 505, drawn in the style its
#     layout is made for also where Windows 11 is said;
#  2. the keyboard alone, from the first moment, brings a panel to the front through the tree; a
#     click on 生成代码 puts the panel's fragment in the code box, and 复制代码 puts it on the
#     Windows clipboard with CR LF line ends, as another Windows program (winprobe) reads it;
#  3. what a screen reader reads through UI Automation: every control the keyboard reaches has
#     a name, the covered panels are not there, and the focus is where Tab left it;
#  4. the title bar's close button asks 是否退出?; the question lives through another program
#     sizing it to 0 x 0, and 否 keeps the window open;
#  5. a session end that is cancelled changes nothing, and one that goes ahead ends the program
#     at once, without the question.
# Exits 77 (skipped) only where Xvfb or Wine cannot start.
# Usage: smoke.sh wine-run pinwright.exe winprobe.exe
set -Eeuo pipefail
wine_run=$1
app=$2
probe=$3

command -v wine >/dev/null || {
    echo "SKIP: Wine is not installed (scripts/install-deps windows installs it)"
    exit 77
}
command -v xdotool >/dev/null || {
    echo "FAIL: xdotool is missing (scripts/install-deps windows installs it)"
    exit 1
}

# shellcheck source=../xserver.sh
source "$(dirname "$0")/../xserver.sh"
# A prefix of its own: its desktop lives with this test's display, not with the other tests'.
cache=${PINWRIGHT_CACHE:-${XDG_CACHE_HOME:-~/.cache}/pinwright}
export WINEPREFIX=$cache/wine/desktop-prefix
before_cleanup() { wineserver -k 2>/dev/null; }
start_xvfb
export PINWRIGHT_WINE_DISPLAY=$DISPLAY

# Every program of the prefix on one Wine desktop, which fills the screen: winprobe sees the
# program's windows, and their coordinates are the screen's. The first Wine program of a session
# starts the desktop as the registry then says, so that session ends before any other starts.
# The prefix says Windows 11, where Qt would choose a style of its own (below).
setting() { "$wine_run" reg add 'HKCU\Software\Wine'"$1" /v "$2" /d "$3" /f; }
if ! { setting '\Explorer' Desktop Default && setting '\Explorer\Desktops' Default 1024x768 &&
    setting '' Version win11; } >"$state/wine.log" 2>&1; then
    echo "SKIP: Wine could not start:"
    cat "$state/wine.log"
    exit 77
fi
wineserver -k 2>/dev/null || true
wineserver --wait
"$wine_run" "$app" >"$state/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")

probe() { "$wine_run" "$probe" "$@" 2>>"$state/wine.log"; }
window_is_there() { probe window "$1" | tr -d '\r' >"$state/window" && [[ -s $state/window ]]; }
caption='Pinwright----求建议版，有任何建议或意见都可以邮件或QQ联系，联系方式在主页，谢谢'
wait_for "the window" window_is_there "$caption"
read -r _ x y width height < <(grep '^client' "$state/window")
read -r _ close_x close_y < <(grep '^close' "$state/window")
echo "client area at $x,$y: $width x $height; close button at $close_x,$close_y"
[[ $width == 714 && $height == 505 ]] || fail "the client area is $width x $height, not 714 x 505"
# The windowsvista style the layout is made for draws 生成代码's edge on the first column of its
# place (584, 368, 97 x 41); Windows 11's style would inset it.
pixel() { probe pixel $((x + $1)) $((y + $2)) | tr -d '\r'; }
[[ $(pixel 584 388) != "$(pixel 580 388)" ]] || fail "生成代码 is drawn inset: not windowsvista"

# Places in the client area, in pixels: the tree (8, 16, 161 x 337), 生成代码 (584, 368,
# 97 x 41), 复制代码 (584, 416, 97 x 41).
click() { xdotool mousemove $((x + $1)) $((y + $2)) click 1; }
# The middle of the tree's row n (from 0), rows of 19 pixels in 宋体 9 pt under Wine.
row() { echo $((26 + 19 * $1)); }

echo "1. keys alone from the start, then 生成代码 and 复制代码"
# The tree has the focus, its first node current: ADC, opened, and its first function,
# ADC_DeInit, whose panel comes to the front. The painted tree must not take the keyboard away.
xdotool key Down Right Down
sleep 1
click 632 388
sleep 0.5
probe clear-clipboard
click 632 436
printf '/* Resets ADC1 */\r\nADC_DeInit(ADC1);' >"$state/expected"
clipboard_holds_it() { probe clipboard >"$state/got" && cmp -s "$state/got" "$state/expected"; }
for _ in $(seq 100); do
    clipboard_holds_it && break
    sleep 0.1
done
if ! clipboard_holds_it; then
    od -c "$state/got" | head
    fail "ADC_DeInit's fragment, reached by keys alone, is not on the clipboard with CR LF (above)"
fi

echo "2. UI Automation: names, the panel in front alone, the focus after Tab"
# ADC_Init, whose panel has an option group and six lists, in front of ADC_DeInit's; Tab goes
# from the tree to the checked option, then to the first list.
click 60 "$(row 3)"
sleep 0.5
xdotool key Tab Tab
sleep 0.5
probe automation "$caption" | tr -d '\r' >"$state/automation.log" ||
    fail "UI Automation could not read the window"
unnamed=$(awk '$1 == "focusable" && NF < 3' "$state/automation.log")
[[ -z $unnamed ]] || fail "controls the keyboard reaches have no name: $unnamed"
grep -qx 'all 50026 参数2：ADC_InitStruct' "$state/automation.log" ||
    fail "the panel in front, ADC_Init's, is not there"
grep -q ' 描述：将外设ADCx 的全部寄存器重设为缺省值$' "$state/automation.log" &&
    fail "the covered panel of ADC_DeInit is there"
# Qt also calls the tree's current item (50024) focused, wherever the focus is.
focus=$(awk '$1 == "focused" && $2 != 50024 { $1 = $2 = ""; print substr($0, 3) }' \
    "$state/automation.log" | sort -u)
[[ $focus == ADC_Mode ]] || fail "after Tab, Tab the focus is on '$focus', not on ADC_Mode"

echo "3. the close button, then 否"
[[ $close_x != none ]] || fail "the window has no close button"
xdotool mousemove "$close_x" "$close_y" click 1
wait_for "the exit question" window_is_there Pinwright
probe resize Pinwright 0 0 || fail "the exit question could not be sized"
sleep 1
window_is_there Pinwright || fail "the exit question sized to 0 x 0 ended the program"
xdotool key n
question_gone() { ! window_is_there Pinwright; }
wait_for "the exit question to close" question_gone
sleep 1
window_is_there "$caption" || fail "否 did not keep the window open"

echo "4. a session end, cancelled"
probe end-session "$caption" no >"$state/answer" || fail "the session's messages found no answer"
grep -q '^query 1' "$state/answer" || fail "the program did not agree to the session's end"
sleep 1
window_is_there Pinwright && fail "a session end asked 是否退出?"
window_is_there "$caption" || fail "a cancelled session end closed the window"

echo "5. a session end"
probe end-session "$caption" yes >"$state/answer" || fail "the session's end found no answer"
program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for "the program to end with the session" program_ended
echo "PASS"
