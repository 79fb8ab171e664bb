#!/usr/bin/env bash
# First start without timer.ini, from a folder with Chinese characters in its path.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_fresh_start
install_app "定时工具/岚舟" "定时关机"

start_app
wait_window "$MAIN_TITLE" 10 || fail "main window did not appear"
shown_at=$(date +%s%N)
expect_eq "岚舟定时关机 1.6  http://www.lanzhou-timer.example" "$(probe title "$MAIN_TITLE")" "caption"
wait_until 2 clock_shown || fail "the clock labels were not filled within 2 s"
log "clock filled after $(( ($(date +%s%N) - shown_at) / 1000000 )) ms"

date_label=$(main_text $LABEL1)
time_label=$(main_text $LABEL2)
today=$(date +%F)
yesterday=$(date -d '-5 seconds' +%F)
[ "$date_label" == "$today" ] || [ "$date_label" == "$yesterday" ] || fail "Label1 [$date_label] is not today ($today)"
label_seconds=$(date -d "$date_label $time_label" +%s 2>/dev/null || echo 0)
drift=$(( $(date +%s) - label_seconds ))
[ "$drift" -ge -1 ] && [ "$drift" -le 3 ] || fail "Label2 [$time_label] is $drift s away from the clock"

expect_eq "" "$(main_list $LIST1)" "shutdown list empty"
expect_eq "" "$(main_list $LIST2)" "restart list empty"
expect_eq 0 "$(main_check $CHECK1)" "autostart box unticked"
expect_eq "定时关机" "$(main_text $FRAME1)" "frame 1 text"
expect_eq "定时重启" "$(main_text $FRAME2)" "frame 2 text"
expect_eq "设置…" "$(main_text $COMMAND1)" "button 1 text"
expect_eq "设置…" "$(main_text $COMMAND2)" "button 2 text"
expect_eq "开机自动运行" "$(main_text $CHECK1)" "check box text"
expect_eq 0 "$(probe state "$MAIN_TITLE")" "normal window state"
wait_until 5 tray_shown || fail "no tray icon"
[ -e "$APP_DIR/timer.ini" ] && fail "start-up created timer.ini"

# The client area is 432 x 377 pixels at 96 DPI, centred on the 1280 x 800 screen.
read -r x y w h < <(probe rect "$MAIN_TITLE" 0)
read -r lx ly lw lh < <(probe rect "$MAIN_TITLE" $LIST1)
expect_eq "369 82" "$lw $lh" "List1 size in pixels"
[ $(( (x + w / 2) - 640 )) -ge -2 ] && [ $(( (x + w / 2) - 640 )) -le 2 ] || fail "window not centred horizontally ($x $w)"

wait_until 3 clock_shown
screenshot "$MAIN_TITLE" "$E2E_ROOT/main-window.png" || fail "no screenshot"
if [ -n "${E2E_UPDATE_DOCS:-}" ]; then
    cp "$E2E_ROOT/main-window.png" "$REPO_DIR/docs/main-window.png"
fi
log "screenshot: $E2E_ROOT/main-window.png"
