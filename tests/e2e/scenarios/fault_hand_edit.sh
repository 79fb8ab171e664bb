#!/usr/bin/env bash
# timer.ini rewritten by hand while the program runs: nothing reads it until a save, so the lists stay
# and a shutdown trigger added for the current minute (and one already due after start-up) does not
# act. The next save of either dialog reloads the whole file, and the hand-made trigger acts at once.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
. "$(dirname "$0")/fault_common.inc"
e2e_begin fault_hand_edit
install_app "Timer"
up_more_than_a_minute || fail "the computer has run for less than a minute: the after-start trigger would not be due"
t=$(date -d '+3 hours' +%H:%M)

printf '[重启]\r\n每天定时重启=%s\r\n' "$t" | gbk >"$APP_DIR/timer.ini"
WINEDEBUG=-all,+process start_app
wait_main_window
list2=$(main_list $LIST2)
expect_eq "$(daily_line "$t" 重启)" "$list2" "List2 from the file at start-up"

wait_early_in_minute
minute=$(date +%H:%M)
printf '[关机]\r\n每天定时关机=%s\r\n每次开机X分钟关机=1\r\n[重启]\r\n每天定时重启=%s\r\n' "$minute" "$t" | gbk >"$APP_DIR/timer.ini"
hand_made=$(md5sum <"$APP_DIR/timer.ini")
ticks_pass 2
[ "$(date +%H:%M)" == "$minute" ] || log "note: the minute turned while ticking; the after-start trigger still was due"
app_running && log "ok: the hand-made triggers do not act" || fail "a trigger read behind the program's back acted"
expect_eq "" "$(main_list $LIST1)" "List1 stays empty"
expect_eq "$list2" "$(main_list $LIST2)" "List2 stays"
expect_eq "$hand_made" "$(md5sum <"$APP_DIR/timer.ini")" "the hand-made file untouched"

# Cancelling reads nothing back either.
xclick "$MAIN_TITLE" $COMMAND2
wait_window "=$RESTART_DIALOG" 10 || fail "the restart dialog did not open"
xdotool key Escape
wait_until 10 window_gone "=$RESTART_DIALOG" || fail "Esc did not close the dialog"
still_running "after 取消"

save_restart_dialog
wait_app_end 10 || fail "the save did not reload the hand-made triggers"
request=$(grep -a 'CreateProcessInternalW.*wineboot' "$E2E_ROOT/app.log" | head -1)
expect_match 'wineboot\.exe --end-session --shutdown"$' "$request" "power-off requested by the hand-made trigger"
shutdown_keys=$(ini_bytes | iconv -f GBK -t UTF-8 | tr -d '\r' | grep '关机')
expect_eq "[关机]
每天定时关机=$minute
每次开机X分钟关机=1" "$shutdown_keys" "the hand-made shutdown section survives the restart save"
