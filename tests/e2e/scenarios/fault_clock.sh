#!/usr/bin/env bash
# The clock moved under the running program (libfaketime in the program's process, with an offset read
# from a file at most once a second; the X server, Wine's server and the probe keep the real time).
# Forward past a due minute: that minute is not made up. Back before it: the minute comes round again
# and the trigger acts then, since each tick compares only the clock with the model.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
. "$(dirname "$0")/fault_common.inc"
e2e_begin fault_clock
install_app "Timer"
faketime_lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n 1)
[ -n "$faketime_lib" ] || { fail "libfaketime is not installed"; exit 1; }

# A due minute half an hour away, so the real clock never reaches it while this runs.
due=$(( ($(date +%s) + 1800) / 60 * 60 ))
hhmm() { date -d "@$1" +%H:%M; }
printf '[关机]\r\n每天定时关机=%s\r\n' "$(hhmm $due)" | gbk >"$APP_DIR/timer.ini"
offset_file="$E2E_ROOT/clock-offset"
echo "+0" >"$offset_file"
set_clock() {  # epoch seconds the program's clock shows from now on
    echo "+$(( $1 - $(date +%s) ))" >"$offset_file"
}
clock_minute_is() { [ "$(main_text $LABEL2 | cut -c1-5)" == "$1" ]; }

LD_PRELOAD=$faketime_lib FAKETIME_TIMESTAMP_FILE=$offset_file FAKETIME_CACHE_DURATION=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
    WINEDEBUG=-all,+process start_app
# Starting takes longer with the library in: it is asked for the time on every clock call.
wait_window "$MAIN_TITLE" 30 || fail "main window did not appear"
wait_until 10 clock_shown || fail "the main window's clock does not run"

set_clock $((due + 65))
wait_until 5 clock_minute_is "$(hhmm $((due + 60)))" || fail "the clock did not jump forward: [$(main_text $LABEL2)]"
still_running "clock moved forward past $(hhmm $due)"
ticks_pass 2
app_running && log "ok: the skipped minute is not made up" || fail "the skipped minute acted afterwards"

set_clock $((due - 6))
wait_until 5 clock_minute_is "$(hhmm $((due - 60)))" || fail "the clock did not move back: [$(main_text $LABEL2)]"
log "ok: clock moved back to $(main_text $LABEL2)"
wait_app_end 15 || fail "the due minute came round again and nothing acted"
request=$(grep -a 'CreateProcessInternalW.*wineboot' "$E2E_ROOT/app.log" | head -1)
expect_match 'wineboot\.exe --end-session --shutdown"$' "$request" "power-off requested in the minute come round again"
