#!/usr/bin/env bash
# Argument strings that only resemble "/s" start the window shown.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_argument_variants
install_app "Timer"

exe='C:\Timer\timer.exe'
for line in "$exe /S" "$exe  /s" "$exe /s x" "$exe /s " "\"$exe\" /s"; do
    probe_launch "$line" || fail "cannot start [$line]"
    if ! wait_window "$MAIN_TITLE" 10; then
        fail "no window for [$line]"
        continue
    fi
    if [ "$line" == "\"$exe\" /s" ]; then
        wait_until 3 clock_shown
        expect_eq 0 "$(probe visible "$MAIN_TITLE")" "hidden for [$line]"
    else
        wait_until 5 window_visible "$MAIN_TITLE" || fail "window not shown for [$line]"
        log "ok: shown for [$line]"
    fi
    probe terminate "$MAIN_TITLE"
    wait_until 10 window_gone "$MAIN_TITLE" || fail "could not end the program"
done
