#!/usr/bin/env bash
# Tab moves through the main window's controls in their order; the frames and labels take no stop.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_tab_order
install_app "Timer"

start_app
wait_window "$MAIN_TITLE" 10 || fail "main window did not appear"
xclick "$MAIN_TITLE" $LIST1
focus_is() { [ "$(probe focus "$MAIN_TITLE")" == "$1" ]; }
wait_until 5 focus_is $LIST1 || fail "a click on List1 did not focus it"
for next in $COMMAND1 $CHECK1 $LIST2 $COMMAND2 $LIST1; do
    xdotool key Tab
    wait_until 3 focus_is $next || fail "Tab did not move to $next (focus on $(probe focus "$MAIN_TITLE"))"
done
xdotool key shift+Tab
wait_until 3 focus_is $COMMAND2 || fail "Shift+Tab did not go back to Command2"
log "ok: Tab order List1, Command1, Check1, List2, Command2"

# Space on the focused check box ticks it, like a click.
xdotool key shift+Tab shift+Tab
wait_until 3 focus_is $CHECK1 || fail "no focus on Check1"
xdotool key space
check_is() { [ "$(main_check $CHECK1)" == "$1" ]; }
wait_until 3 check_is 1 || fail "Space did not tick the box"
wait_until 5 autostart_value >/dev/null || fail "ticking by keyboard wrote no autostart value"
