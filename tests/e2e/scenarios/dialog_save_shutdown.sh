#!/usr/bin/env bash
# The shutdown dialog, driven by real clicks and keys: a daily time saved with Enter rewrites the whole
# "关机" section in GBK, refills List1 and leaves the "重启" section and List2 as they were.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
e2e_begin dialog_save_shutdown
avoid_minute 23:30
install_app "Timer"

t=$(date -d '+3 hours' +%H:%M)
write_ini <<INI
[重启]
每天定时重启=$t
INI

start_app
wait_main_window
list2_before=$(main_list $LIST2)

xclick "$MAIN_TITLE" $COMMAND1
wait_window "=$SHUTDOWN_DIALOG" 10 || fail "the shutdown dialog did not open"
expect_eq "0 0 0 0 0" "$(dialog_checks "$SHUTDOWN_DIALOG")" "a new dialog has every box unchecked"
expect_eq "0" "$(dialog_probe enabled "$SHUTDOWN_DIALOG" $DLG_TEXT2)" "the daily hour starts disabled"

xclick "=$SHUTDOWN_DIALOG" $DLG_CHECK2
wait_until 5 dialog_enabled "$SHUTDOWN_DIALOG" $DLG_TEXT2 || fail "checking 每天定时关机 did not enable its hour"
expect_eq "1" "$(dialog_probe enabled "$SHUTDOWN_DIALOG" $DLG_TEXT3)" "the daily minute is enabled with it"
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT2 23
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT3 30
expect_eq "30" "$(dialog_probe text "$SHUTDOWN_DIALOG" $DLG_TEXT3)" "the minute shows what was typed"
xdotool key Return
wait_until 10 window_gone "=$SHUTDOWN_DIALOG" || fail "Enter did not close the dialog"

expected=$(gbk_lines_hex "[重启]" "每天定时重启=$t" "[关机]" "定时关机日期=" "定时关机时间=" "每天定时关机=23:30" \
    "每周定时关机周几=" "每周定时关机时间=" "每月定时关机日期=" "每月定时关机时间=" "每次开机X分钟关机=")
expect_eq "$expected" "$(ini_hex)" "timer.ini holds the whole shutdown section in GBK, the restart one as before"
expect_eq "23:30                 (每天定时关机)" "$(main_list $LIST1)" "List1 shows the 23:30 line"
expect_eq "$list2_before" "$(main_list $LIST2)" "List2 untouched"
app_running || fail "the program ended"
