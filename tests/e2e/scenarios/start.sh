#!/usr/bin/env bash
# Start-up seen from outside: a first start from a folder with Chinese characters, then starts that differ in
# the command line, timer.ini and the autostart value, and a second start of the same exe.
. "$(dirname "$0")/../lib.sh"
e2e_begin start
install_app "定时工具/岚舟" "定时关机"
exe=$APP_WIN

start_app
wait_main_window
expect_eq "岚舟定时关机 1.6  http://www.lanzhou-timer.example" "$(probe text "$MAIN_TITLE")" "caption"
expect_eq "$TODAY $NOW" "$(main_text $LABEL1) $(main_text $LABEL2)" "the clock shows the system's date and time"
expect_eq "定时关机 定时重启 设置… 设置… 开机自动运行" \
    "$(for id in $FRAME1 $FRAME2 $COMMAND1 $COMMAND2 $CHECK1; do main_text $id; done | xargs)" "control texts"
expect_eq "1 0 0 0" "$(window_state "$MAIN_TITLE") $(main_check $CHECK1)" \
    "shown, not minimised or maximised, autostart unticked"
await "the tray icon" tray_shown
read -r x y w h < <(probe rect "$MAIN_TITLE" 0)
expect_match '^-?[0-2] -?[0-2]$' "$((x + w / 2 - 640)) $((y + h / 2 - 400))" "centred on the 1280 x 800 screen"
xclick "$MAIN_TITLE" $CHECK1
await "ticking 开机自动运行 writes the autostart value" autostart_is "$exe /s"
xclick "$MAIN_TITLE" $CHECK1
await "unticking it deletes the value" autostart_absent
stop_app
[ -e "$APP_DIR/timer.ini" ] && fail "start-up created timer.ini"

start_case "/s" args=/s shown=0
for variant in " /S" "  /s"; do
    start_case "[$variant]: not the switch" line="$exe$variant"
done
start_case "quoted path, /s" line="\"$exe\" /s" shown=0

start_case "every trigger listed, blanks and all" ini="[关机]
定时关机日期=2099-12-31
定时关机时间=23:05
每天定时关机=21:00
每周定时关机周几=周三
每周定时关机时间=21:00
每月定时关机日期=5
每月定时关机时间=21:00
每次开机X分钟关机=99999
[重启]
定时重启日期=2099-01-02
定时重启时间=
每天定时重启=
每周定时重启周几=周五乗
每周定时重启时间=21:00
每月定时重启日期=31
每月定时重启时间=21:00
每次开机X分钟重启=" list1="$(list_line "2099-12-31 23:05" "  (定时关机)")
$(list_line 21:00 "  (每天定时关机)")
$(list_line "周三 21:00" "(每周定时关机)")
$(list_line "5号 21:00" " (每月定时关机)")
$(list_line 99999 "  (每次开机99999分钟关机)")" list2="$(list_line 2099-01-02 "  (定时重启)")
$(list_line "周五 21:00" "(每周定时重启)")
$(list_line "31号 21:00" " (每月定时重启)")"

start_case "this copy's autostart value" reg="$exe /s" check=1

log "-- a second start"
start_app
wait_main_window
first=$APP_PID
first_pid=$(probe pid "$MAIN_TITLE")
for args in "" "/s"; do
    start_app $args
    await "a second start [$args] ends" app_ended
    expect_eq "1 $first_pid 1" "$(probe count "$MAIN_TITLE") $(probe pid "$MAIN_TITLE") $(visible "$MAIN_TITLE")" \
        "the first window alone, untouched and shown"
done
APP_PID=$first
app_running || fail "the first instance ended"
main_windows_are() { [ "$(probe count "$MAIN_TITLE")" == "$1" ]; }
install_app "Timer2"
start_app
await "a copy in another folder starts beside the first" main_windows_are 2
kill "$first" 2>/dev/null
