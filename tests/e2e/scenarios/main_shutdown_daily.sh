#!/usr/bin/env bash
# A daily shutdown trigger in the current minute: the program asks for power-off at its first tick and
# ends, without the exit question and without touching timer.ini.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_shutdown_daily
install_app "Timer"

wait_early_in_minute
write_ini <<INI
[关机]
每天定时关机=$(date +%H:%M)
INI
before=$(md5sum <"$APP_DIR/timer.ini")

started=$(date +%s%N)
WINEDEBUG=-all,+process start_app
wait_until 10 x_window_shown "$MAIN_TITLE" || fail "the window was not seen"
shown=$(date +%s%N)
wait_app_end 5 || fail "the program is still running"
ended=$(date +%s%N)
log "window seen $(( (shown - started) / 1000000 )) ms after the start, ended $(( (ended - shown) / 1000000 )) ms later"
[ $(( ended - shown )) -le 2000000000 ] || fail "took more than 2 s from the window to the end"

request=$(grep -a 'wineboot' "$E2E_ROOT/app.log" | grep -a -- '--end-session' | head -1)
log "request: $request"
expect_match 'wineboot\.exe"? --end-session --shutdown' "$request" "power-off requested"
expect_eq "$before" "$(md5sum <"$APP_DIR/timer.ini")" "timer.ini untouched"
window_exists "=是否退出?" && fail "the exit question was asked"
