#!/usr/bin/env bash
# The whole journey: no timer.ini at first, a daily shutdown set through the dialog for the current
# minute, and the program asks the system to power off and ends.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
e2e_begin dialog_journey
install_app "Timer"
[ ! -e "$APP_DIR/timer.ini" ] || fail "timer.ini exists before the first save"

# Wine's process trace shows the command line of the session end that ExitWindowsEx starts.
WINEDEBUG=-all,+process start_app
wait_main_window
expect_eq "" "$(main_list $LIST1)" "no shutdown line at first"

# Room for the clicks and keys below inside one minute.
until [ "$(date +%-S)" -lt 35 ]; do sleep 0.5; done
now=$(date +%H:%M)
xclick "$MAIN_TITLE" $COMMAND1
wait_window "=$SHUTDOWN_DIALOG" 10 || fail "the shutdown dialog did not open"
xclick "=$SHUTDOWN_DIALOG" $DLG_CHECK2
wait_until 5 dialog_enabled "$SHUTDOWN_DIALOG" $DLG_TEXT2 || fail "the daily hour was not enabled"
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT2 $((10#${now%%:*}))
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT3 $((10#${now##*:}))
xdotool key Return
[ "$(date +%H:%M)" == "$now" ] || log "the minute ended during the typing; the trigger waits for tomorrow"

wait_until 10 window_gone "=$SHUTDOWN_DIALOG" || fail "Enter did not close the dialog"
wait_app_end 30 || fail "the program did not end within the due minute"
expect_match "每天定时关机=$now" "$(ini_bytes | iconv -f GBK -t UTF-8)" "the daily time was saved"
expect_match 'wineboot\.exe"? --end-session --shutdown' "$(tr -d '\0' <"$E2E_ROOT/app.log")" \
    "the program asked for power-off"
