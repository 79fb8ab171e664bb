#!/usr/bin/env bash
# The main window and both dialogs at 96 and 144 DPI: controls sized from twips with the real DPI, and a
# picture of each (kept in E2E_PICTURES if set: docs/ for the README); the main window's tab order.
. "$(dirname "$0")/../lib.sh"
# At 144 DPI a dialog is about 820 pixels high.
export WINE_SESSION_SCREEN=1600x1200x24
e2e_begin layout
install_app "Timer"
pictures=${E2E_PICTURES:-$E2E_ROOT}
mkdir -p "$pictures"
write_ini "[关机]
定时关机日期=2031-12-31
定时关机时间=23:05
每天定时关机=22:30
每周定时关机周几=周五
每周定时关机时间=18:00
每月定时关机日期=15
每月定时关机时间=12:00
[重启]
每周定时重启周几=周一
每周定时重启时间=07:30"

# A control's size, then how far each other one lies right of and below it, in pixels.
offsets() {  # title id other-id...
    local title=$1 x y w h x2 y2 out
    read -r x y w h < <(probe rect "$title" "$2")
    out="$w $h"
    for id in "${@:3}"; do
        read -r x2 y2 _ < <(probe rect "$title" "$id")
        out+=" $((x2 - x)) $((y2 - y))"
    done
    echo "$out"
}
# List1 is 5535 x 1230 twips, Command1 lies 4680 twips right of it and 430 above, List2 2160 below; a dialog's
# Text12 is 1215 x 375, Text13 lies 1800 twips right of it, Text7 4920 below.
for layout in "96|369 82 312 -29 0 144|81 25 120 0 0 328" "144|554 123 468 -43 0 216|122 38 180 0 0 492"; do
    IFS='|' read -r dpi main dialog <<<"$layout"
    timeout 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    start_app
    wait_main_window
    expect_eq "$main" "$(offsets "$MAIN_TITLE" $LIST1 $COMMAND1 $LIST2)" "the main window at $dpi DPI"
    [ "$dpi" != 96 ] || picture "$MAIN_TITLE" "$pictures/main-window.png"
    for n in 1 2; do
        open_dialog $n
        expect_eq "$dialog" "$(offsets "=$DIALOG" 1012 1013 1007)" "$DIALOG at $dpi DPI"
        picture "=$DIALOG" "$pictures/dialog-$([ $n == 1 ] && echo shutdown || echo restart)-$dpi.png"
    done
    stop_app
done

log "-- the main window's tab order"
start_app
wait_main_window
focus_is() { [ "$(probe focus "$MAIN_TITLE")" == "$1" ]; }
xclick "$MAIN_TITLE" $LIST1
await "a click on List1 focuses it" focus_is $LIST1
for next in $COMMAND1 $CHECK1 $LIST2 $COMMAND2 $LIST1; do
    press Tab
    await "Tab moves on to $next" focus_is $next
done
press shift+Tab
await "Shift+Tab goes back to $COMMAND2" focus_is $COMMAND2
press shift+Tab shift+Tab space
await "Space on the focused check box ticks it" main_check_is 1
