#!/usr/bin/env bash
# A trigger due in the program's minute ends the program at a tick, after asking the system for power-off
# (shutdown) or a reboot (restart): set in timer.ini before the start, or through the dialog while it runs.
. "$(dirname "$0")/../lib.sh"
e2e_begin due
install_app "Timer"

due_case() {  # what, power-off | reboot, timer.ini, [actions in the running program]
    log "-- $1"
    rm -f "$APP_DIR/timer.ini"
    [ -z "$3" ] || write_ini "$3"
    local before
    before=$(ini_hex)
    start_app
    eval "${4:-}"
    await_request "$2" "$1"
    [ -n "${4:-}" ] || expect_eq "$before" "$(ini_hex)" "$1: timer.ini untouched"
}

due_case "a daily shutdown" power-off "[关机]
每天定时关机=08:00"
due_case "a daily restart" reboot "[关机]
每天定时关机=
[重启]
每天定时重启=08:00"
due_case "a daily shutdown set through the dialog" power-off "" "wait_main_window; open_dialog 1; click_box 2;
    type_in 2 8; type_in 3 0; close_by enter"
expect_ini_line "每天定时关机=08:00" "the dialog saved the daily time"
