#!/usr/bin/env bash
# The restart dialog's save rewrites only the "重启" section and List2; the shutdown section keeps its
# bytes and List1 its lines. Two dialogs may be open at once.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
e2e_begin dialog_save_restart
avoid_minute 07:05
install_app "Timer"

t=$(date -d '+3 hours' +%H:%M)
write_ini <<INI
[关机]
定时关机日期=
定时关机时间=
每天定时关机=$t
每周定时关机周几=
每周定时关机时间=
每月定时关机日期=
每月定时关机时间=
每次开机X分钟关机=
INI
shutdown_section=$(ini_hex)

start_app
wait_main_window
list1_before=$(main_list $LIST1)

xclick "$MAIN_TITLE" $COMMAND2
wait_window "=$RESTART_DIALOG" 10 || fail "the restart dialog did not open"
expect_eq "每天定时重启" "$(dialog_probe text "$RESTART_DIALOG" $DLG_CHECK2)" "the restart twin's caption"
expect_eq "0 0 0 0 0" "$(dialog_checks "$RESTART_DIALOG")" "the shutdown trigger does not show in the restart dialog"
probe click "$MAIN_TITLE" $COMMAND1
wait_window "=$SHUTDOWN_DIALOG" 10 || fail "the shutdown dialog did not open beside the restart one"
expect_eq "0 1 0 0 0" "$(dialog_checks "$SHUTDOWN_DIALOG")" "the shutdown dialog shows only its daily trigger"
probe close "=$SHUTDOWN_DIALOG"
wait_until 5 window_gone "=$SHUTDOWN_DIALOG" || fail "the shutdown dialog did not close"
# The button of an open dialog brings that dialog forward instead of opening a second one.
xclick "$MAIN_TITLE" $COMMAND2
expect_eq "1" "$(probe count "=$RESTART_DIALOG")" "one restart dialog after pressing its button again"

xclick "=$RESTART_DIALOG" $DLG_CHECK2
xclick "=$RESTART_DIALOG" $DLG_CHECK5
wait_until 5 dialog_enabled "$RESTART_DIALOG" $DLG_TEXT9 || fail "checking the minutes box did not enable its field"
type_into "$RESTART_DIALOG" $DLG_TEXT2 7
type_into "$RESTART_DIALOG" $DLG_TEXT3 5
# The most minutes a save keeps: anything below the machine's uptime would restart Wine at the next tick.
type_into "$RESTART_DIALOG" $DLG_TEXT9 20000
xclick "=$RESTART_DIALOG" $DLG_OK
wait_until 10 window_gone "=$RESTART_DIALOG" || fail "确定 did not close the dialog"

expected=$(gbk_lines_hex "[重启]" "定时重启日期=" "定时重启时间=" "每天定时重启=07:05" "每周定时重启周几=" \
    "每周定时重启时间=" "每月定时重启日期=" "每月定时重启时间=" "每次开机X分钟重启=20000")
expect_eq "$shutdown_section$expected" "$(ini_hex)" "only the restart section was written"
expect_eq "07:05                 (每天定时重启)
20000                 (每次开机20000分钟重启)" "$(main_list $LIST2)" "List2 shows the two lines"
expect_eq "$list1_before" "$(main_list $LIST1)" "List1 untouched"
