#!/usr/bin/env bash
# A daily restart trigger in the current minute asks for a reboot (not a power-off) and ends the program.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_restart_daily
install_app "Timer"

wait_early_in_minute
write_ini <<INI
[关机]
每天定时关机=
[重启]
每天定时重启=$(date +%H:%M)
INI

WINEDEBUG=-all,+process start_app
wait_app_end 10 || fail "the program is still running"
request=$(grep -a 'CreateProcessInternalW.*wineboot' "$E2E_ROOT/app.log" | head -1)
log "request: $request"
expect_match 'wineboot\.exe --end-session"$' "$request" "reboot requested (no --shutdown)"
