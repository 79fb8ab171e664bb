#!/usr/bin/env bash
# The main window at 120, 144 and 192 DPI: controls sized from twips with the real DPI.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_dpi_layout
install_app "Timer"

size_of() {  # id: width and height in pixels
    local x y w h
    read -r x y w h < <(probe rect "$MAIN_TITLE" "$1")
    echo "$w $h"
}
offset_of() {  # id id: how far the second lies right of and below the first
    local x1 y1 x2 y2 rest
    read -r x1 y1 rest < <(probe rect "$MAIN_TITLE" "$1")
    read -r x2 y2 rest < <(probe rect "$MAIN_TITLE" "$2")
    echo "$((x2 - x1)) $((y2 - y1))"
}

# List1 5535 x 1230 twips; Command1 4680 twips right of and 430 above List1; List2 2160 below List1.
for case in "120:461 103:390 -36:0 180" "144:554 123:468 -43:0 216" "192:738 164:624 -57:0 288"; do
    IFS=: read -r dpi list command below <<<"$case"
    timeout 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    start_app
    wait_window "$MAIN_TITLE" 10 || fail "no main window at $dpi DPI"
    expect_eq "$list" "$(size_of $LIST1)" "List1 at $dpi DPI"
    expect_eq "$command" "$(offset_of $LIST1 $COMMAND1)" "Command1 against List1 at $dpi DPI"
    expect_eq "$below" "$(offset_of $LIST1 $LIST2)" "List2 against List1 at $dpi DPI"
    if [ "$dpi" == 144 ]; then
        wait_until 3 clock_shown
        screenshot "$MAIN_TITLE" "$E2E_ROOT/main-window-144.png" || fail "no screenshot at 144 DPI"
        [ -n "${E2E_UPDATE_DOCS:-}" ] && cp "$E2E_ROOT/main-window-144.png" "$REPO_DIR/docs/main-window-144.png"
    fi
    probe terminate "$MAIN_TITLE"
    wait_app_end 10 || fail "the program did not end at $dpi DPI"
done
