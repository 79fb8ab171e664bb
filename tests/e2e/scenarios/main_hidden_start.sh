#!/usr/bin/env bash
# "/s" starts hidden in the tray; a tray click brings the window back in its last state.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_hidden_start
install_app "Timer"

start_app /s
wait_window "$MAIN_TITLE" 10 || fail "main window was not created"
wait_until 3 clock_shown || fail "clock not ticking while hidden"
expect_eq 0 "$(probe visible "$MAIN_TITLE")" "no visible window"
app_running || fail "process not running"
wait_until 5 tray_shown || fail "no tray icon"

# A mouse move over the icon changes nothing; the button's release restores.
probe post "$MAIN_TITLE" 2025 0 0x200
probe post "$MAIN_TITLE" 2025 0 0x201
wait_until 1 window_visible "$MAIN_TITLE" && fail "restored before the button was released"
probe post "$MAIN_TITLE" 2025 0 0x202
wait_until 5 window_visible "$MAIN_TITLE" || fail "left click did not show the window"
expect_eq 0 "$(probe state "$MAIN_TITLE")" "restored to the normal state"

# Minimising hides again; a right click on the icon restores as well.
probe post "$MAIN_TITLE" 0x0112 0xF020 0
wait_until 5 window_hidden "$MAIN_TITLE" || fail "minimising did not hide the window"
probe post "$MAIN_TITLE" 2025 0 0x205
wait_until 5 window_visible "$MAIN_TITLE" || fail "right click did not show the window"
expect_eq 0 "$(probe state "$MAIN_TITLE")" "normal state after the right click"

# The same through the shell: minimise, then a real click on the tray's icon.
probe post "$MAIN_TITLE" 0x0112 0xF020 0
wait_until 5 window_hidden "$MAIN_TITLE" || fail "minimising did not hide the window"
xclick "Wine System Tray" 0 || fail "cannot click the tray"
wait_until 5 window_visible "$MAIN_TITLE" || fail "a click on the tray icon did not show the window"
expect_eq 0 "$(probe state "$MAIN_TITLE")" "normal state after the tray click"
