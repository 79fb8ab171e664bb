#!/usr/bin/env bash
# The check box "开机自动运行" against the Run value, from a folder with Chinese characters.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_autostart
install_app "定时工具" "定时关机"
command='C:\定时工具\定时关机.exe /s'

autostart_is() { [ "$(autostart_value)" == "$1" ]; }
check_is() { [ "$(main_check $CHECK1)" == "$1" ]; }

start_app
wait_window "$MAIN_TITLE" 10 || fail "main window did not appear"
expect_eq 0 "$(main_check $CHECK1)" "unticked without the value"

xclick "$MAIN_TITLE" $CHECK1
wait_until 5 autostart_is "$command" || fail "ticking did not write [$command]; found [$(autostart_value)]"
expect_eq 1 "$(main_check $CHECK1)" "ticked after the click"

xclick "$MAIN_TITLE" $CHECK1
wait_until 5 autostart_absent || fail "unticking did not delete the value"
expect_eq 0 "$(main_check $CHECK1)" "unticked after the second click"

# With this copy's value present at start, the box comes up ticked and the value stays.
set_autostart "$command"
probe terminate "$MAIN_TITLE"
wait_app_end 10 || fail "program did not end"
start_app
wait_window "$MAIN_TITLE" 10 || fail "main window did not appear again"
wait_until 3 check_is 1 || fail "box not ticked with the value present"
expect_eq "$command" "$(autostart_value)" "value kept"

# Another copy's value: the box starts unticked and start-up writes nothing.
other='D:\别处\定时关机.exe /s'
set_autostart "$other"
probe terminate "$MAIN_TITLE"
wait_app_end 10 || fail "program did not end"
start_app
wait_window "$MAIN_TITLE" 10 || fail "main window did not appear a third time"
wait_until 3 clock_shown
expect_eq 0 "$(main_check $CHECK1)" "unticked for another copy's value"
expect_eq "$other" "$(autostart_value)" "another copy's value left alone"
