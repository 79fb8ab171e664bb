#!/usr/bin/env bash
# timer.ini that cannot be written: a folder of that name, then an immutable file. The save goes on
# silently: the dialog closes, the list shows the new line, and the model holds what the file holds, so
# an after-start trigger of 1 minute saved into nowhere never acts.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
. "$(dirname "$0")/fault_common.inc"
clear_unwritable fault_unwritable
e2e_begin fault_unwritable
install_app "Timer"
up_more_than_a_minute || fail "the computer has run for less than a minute: the after-start trigger would not be due"
t=$(date -d '+3 hours' +%H:%M)
boot_line=$(printf '%-20s  (每次开机1分钟重启)' 1)

save_into_nowhere() {  # what, expected List1
    start_app
    wait_main_window
    save_restart_dialog check_after_start_one_minute
    expect_eq "$boot_line" "$(main_list $LIST2)" "$1: List2 shows the saved line"
    expect_eq "$2" "$(main_list $LIST1)" "$1: List1 unchanged"
    still_running "$1: the unsaved trigger does not act"
    record_checks() { restart_checks=$(dialog_checks "$RESTART_DIALOG"); xdotool key Escape; }
    xclick "$MAIN_TITLE" $COMMAND2
    wait_window "=$RESTART_DIALOG" 10 || fail "$1: the restart dialog did not open again"
    record_checks
    expect_eq "0 0 0 0 0" "$restart_checks" "$1: the dialog opened again shows the file, not the lost save"
    wait_until 10 window_gone "=$RESTART_DIALOG" || fail "$1: Esc did not close the dialog"
    stop_app
}

mkdir "$APP_DIR/timer.ini"
save_into_nowhere "folder named timer.ini" ""
[ -d "$APP_DIR/timer.ini" ] && [ -z "$(ls -A "$APP_DIR/timer.ini")" ] || fail "the folder named timer.ini was changed"
rmdir "$APP_DIR/timer.ini"

printf '[关机]\r\n每天定时关机=%s\r\n' "$t" | gbk >"$APP_DIR/timer.ini"
before=$(md5sum <"$APP_DIR/timer.ini")
make_unwritable "$APP_DIR/timer.ini"
save_into_nowhere "immutable timer.ini" "$(daily_line "$t" 关机)"
expect_eq "$before" "$(md5sum <"$APP_DIR/timer.ini")" "immutable timer.ini: the file keeps its bytes"
chattr -i "$APP_DIR/timer.ini"
