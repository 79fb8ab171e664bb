#!/usr/bin/env bash
# Started at logon as Windows starts an unquoted Run value: the program path with its blanks, unquoted, then
# "/s" (an application name given as well keeps Wine from quoting the path). The program starts hidden, for a
# command line written here and for the one its own check box writes into the registry.
. "$(dirname "$0")/../lib.sh"
e2e_begin logon_start
install_app "Program Files/Timer"
start_case "the unquoted logon command line" line="$APP_WIN /s" app="$APP_WIN" shown=0

start_app
wait_main_window
xclick "$MAIN_TITLE" $CHECK1
await "the check box writes the autostart value" autostart_is "$APP_WIN /s"
stop_app
start_case "the value the check box wrote, as the logon command line" line="$(autostart_value)" app="$APP_WIN" \
    shown=0 check=1
