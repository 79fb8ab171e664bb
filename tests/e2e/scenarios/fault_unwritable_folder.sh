#!/usr/bin/env bash
# The program's folder cannot take a new file (an immutable folder, as a protected one is for a user):
# the save goes on silently and its trigger never reaches the model. The same save in a writable folder
# makes the trigger act at once, which shows the check above can fail.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
. "$(dirname "$0")/fault_common.inc"
clear_unwritable fault_unwritable_folder
e2e_begin fault_unwritable_folder
install_app "Locked"
up_more_than_a_minute || fail "the computer has run for less than a minute: the after-start trigger would not be due"
boot_line=$(printf '%-20s  (每次开机1分钟重启)' 1)

make_unwritable "$APP_DIR"
start_app
wait_main_window
save_restart_dialog check_after_start_one_minute
expect_eq "$boot_line" "$(main_list $LIST2)" "locked folder: List2 shows the saved line"
still_running "locked folder: the unsaved trigger does not act"
[ -e "$APP_DIR/timer.ini" ] && fail "locked folder: a timer.ini appeared"
stop_app
chattr -i "$APP_DIR"

install_app "Open"
WINEDEBUG=-all,+process start_app
wait_main_window
save_restart_dialog check_after_start_one_minute
wait_app_end 10 || fail "writable folder: the saved trigger did not act"
request=$(grep -a 'CreateProcessInternalW.*wineboot' "$E2E_ROOT/app.log" | head -1)
expect_match 'wineboot\.exe --end-session"$' "$request" "writable folder: restart requested"
