#!/usr/bin/env bash
# A second start of the same exe ends at once and leaves the first as it was; a copy elsewhere runs.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_second_instance
install_app "Timer"

start_app
first=$APP_PID
wait_window "$MAIN_TITLE" 10 || fail "first window did not appear"
first_pid=$(probe pid "$MAIN_TITLE")

main_window_count_is() { [ "$(probe count "$MAIN_TITLE")" == "$1" ]; }

for args in "" "/s"; do
    start_app $args
    wait_app_end 10 || fail "second start [$args] is still running"
    expect_eq 1 "$(probe count "$MAIN_TITLE")" "one main window after the second start [$args]"
    expect_eq "$first_pid" "$(probe pid "$MAIN_TITLE")" "first instance untouched"
    expect_eq 1 "$(probe visible "$MAIN_TITLE")" "first instance still shown"
done
APP_PID=$first
app_running || fail "first instance ended"

# The same program in another folder is another executable.
install_app "Timer2"
start_app
wait_until 10 main_window_count_is 2 ||
    fail "a copy in another folder did not start beside the first"
kill "$APP_PID" 2>/dev/null
APP_PID=$first
