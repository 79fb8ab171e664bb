#!/usr/bin/env bash
# "取消", Esc and the close box write nothing and leave the lists alone; a dialog opened again shows the
# file's values, not what was typed before.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
e2e_begin dialog_cancel
install_app "Timer"

t=$(date -d '+3 hours' +%H:%M)
write_ini <<INI
[关机]
每天定时关机=$t
每次开机X分钟关机=99999
INI
file_before=$(ini_hex)

start_app
wait_main_window
list1_before=$(main_list $LIST1)

open_shutdown_dialog() {
    xclick "$MAIN_TITLE" $COMMAND1
    wait_window "=$SHUTDOWN_DIALOG" 10 || fail "the shutdown dialog did not open"
    expect_eq "0 1 0 0 1" "$(dialog_checks "$SHUTDOWN_DIALOG")" "the dialog shows the file's triggers"
    expect_eq "$((10#${t%%:*}))" "$(dialog_probe text "$SHUTDOWN_DIALOG" $DLG_TEXT2)" "the daily hour from the file"
    expect_eq "99999" "$(dialog_probe text "$SHUTDOWN_DIALOG" $DLG_TEXT9)" "the minutes from the file"
}

expect_nothing_written() {  # how the dialog was closed
    wait_until 10 window_gone "=$SHUTDOWN_DIALOG" || fail "$1 did not close the dialog"
    expect_eq "$file_before" "$(ini_hex)" "$1 writes nothing"
    expect_eq "$list1_before" "$(main_list $LIST1)" "$1 leaves List1 alone"
}

open_shutdown_dialog
xclick "=$SHUTDOWN_DIALOG" $DLG_CHECK1
xclick "=$SHUTDOWN_DIALOG" $DLG_CHECK2
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT9 12
xclick "=$SHUTDOWN_DIALOG" $DLG_CANCEL
expect_nothing_written "取消"

open_shutdown_dialog
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT9 34
xdotool key Escape
expect_nothing_written "Esc"

open_shutdown_dialog
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT9 56
# The close box sits at the right end of the caption, which Wine draws itself here.
read -r x y w _ < <(probe rect "=$SHUTDOWN_DIALOG" 0)
xdotool mousemove $((x + w - 13)) $((y + 12)) click 1
expect_nothing_written "the close box"

open_shutdown_dialog
app_running || fail "the program ended"
