#!/usr/bin/env bash
# The main window and both dialogs at 96 and 144 DPI: controls sized from twips with the real DPI, and a
# picture of each (kept in E2E_PICTURES if set: docs/ for the README); the main window's tab order.
. "$(dirname "$0")/../lib.sh"
export WINE_SESSION_SCREEN=1600x1200x24  # at 144 DPI a dialog is about 820 pixels high
e2e_begin layout
install_app "Timer"
pictures=${E2E_PICTURES:-$E2E_ROOT}
mkdir -p "$pictures"
write_ini "$(ini_section 关机 2031-12-31 23:05 22:30 周五 18:00 15 12:00 '')
$(ini_section 重启 '' '' '' 周一 07:30 '' '' '')"

offsets() {  # title id other-id...: a control's size, then how far each other one lies right of and below it
    local x y w h x2 y2 id out
    read -r x y w h < <(probe rect "$1" "$2")
    out="$w $h"
    for id in "${@:3}"; do read -r x2 y2 _ < <(probe rect "$1" "$id") && out+=" $((x2 - x)) $((y2 - y))"; done
    echo "$out"
}
# A picture of one window, cut from the whole screen once two in a row come out the same (fully painted).
picture() {  # title file
    local x y w h
    read -r x y w h < <(probe rect "$1" 0)
    rm -f "$2"
    wait_until same_picture_twice "${w}x${h}+${x}+${y}" "$2" || fail "no steady picture of $1"
}
same_picture_twice() {  # geometry file
    import -window root -crop "$1" +repage -define png:exclude-chunks=date,time "png:$2.new" 2>/dev/null || return 1
    if cmp -s "$2.new" "$2"; then rm "$2.new"; else mv -f "$2.new" "$2" && return 1; fi
}
# List1 is 5535 x 1230 twips, Command1 lies 4680 twips right of it and 430 above, List2 2160 below; a dialog's
# Text12 is 1215 x 375, Text13 lies 1800 twips right of it, Text7 4920 below.
for layout in "96|369 82 312 -29 0 144|81 25 120 0 0 328" "144|554 123 468 -43 0 216|122 38 180 0 0 492"; do
    IFS='|' read -r dpi main dialog <<<"$layout"
    timeout 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        </dev/null >/dev/null 2>&1
    run_app
    expect "$main" "the main window at $dpi DPI" offsets "$MAIN_TITLE" $LIST1 $COMMAND1 $LIST2
    [ "$dpi" != 96 ] || picture "$MAIN_TITLE" "$pictures/main-window.png"
    for n in 1 2; do
        open_dialog $n
        expect "$dialog" "$DIALOG at $dpi DPI" offsets "=$DIALOG" 1012 1013 1007
        picture "=$DIALOG" "$pictures/dialog-$([ $n == 1 ] && echo shutdown || echo restart)-$dpi.png"
    done
    stop_app
done

# The main window's tab order.
run_app
xclick "$MAIN_TITLE" $LIST1
expect $LIST1 "a click on List1 focuses it" on_main focus
for step in Tab:$COMMAND1 Tab:$CHECK1 Tab:$LIST2 Tab:$COMMAND2 Tab:$LIST1 shift+Tab:$COMMAND2 shift+Tab:$LIST2 \
    shift+Tab:$CHECK1; do
    xdotool key "${step%:*}"
    expect "${step#*:}" "${step%:*} moves the focus on to ${step#*:}" on_main focus
done
xdotool key space
expect 1 "Space on the focused check box ticks it" on_main send $CHECK1 $BM_GETCHECK
