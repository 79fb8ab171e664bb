#!/usr/bin/env bash
# Both dialogs at 96 and 144 DPI: controls sized from twips with the real DPI, and a picture of each.
# The pictures go to $DIALOG_SHOTS_DIR (docs/ for the README: DIALOG_SHOTS_DIR=$PWD/docs tests/e2e/run
# BUILD dialog_dpi_layout), otherwise into the scenario's own folder.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"

# At 144 DPI the dialog is about 820 pixels high: a screen of its own, taller than the usual one.
for n in $(seq 140 180); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
shots_xvfb=$!
export DISPLAY=":$n" WINE_SESSION_KEEP_DISPLAY=1
wait_until 5 test -e "/tmp/.X11-unix/X$n" || fail "no X server for the pictures"
e2e_begin dialog_dpi_layout
trap 'kill $shots_xvfb 2>/dev/null; e2e_end' EXIT
install_app "Timer"
shots=${DIALOG_SHOTS_DIR:-$E2E_ROOT}
mkdir -p "$shots"

# Times three hours away, so no trigger falls due while the pictures are taken.
t=$(date -d '+3 hours' +%H:%M)
write_ini <<INI
[关机]
定时关机日期=2099-12-31
定时关机时间=23:05
每天定时关机=$t
每周定时关机周几=周五
每周定时关机时间=$t
每月定时关机日期=15
每月定时关机时间=$t
每次开机X分钟关机=99999
INI

# Text12 is 1215 x 375 twips; Text13 lies 1800 twips to the right of it, Text7 4920 twips below it.
layout_of() {  # title: Text12's width and height, then the two offsets
    local x12 y12 w12 h12 x13 y7
    read -r x12 y12 w12 h12 < <(dialog_probe rect "$1" $DLG_TEXT12)
    read -r x13 _ < <(dialog_probe rect "$1" $DLG_TEXT13)
    read -r _ y7 _ < <(dialog_probe rect "$1" $DLG_TEXT7)
    echo "$w12 $h12 $((x13 - x12)) $((y7 - y12))"
}

for dpi in 96 144; do
    timeout 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f </dev/null >/dev/null 2>&1
    start_app
    wait_main_window
    expected=$([ $dpi == 96 ] && echo "81 25 120 328" || echo "122 38 180 492")
    # Both dialogs open centred, one over the other: each is taken as soon as it is in front.
    for pair in "shutdown:$COMMAND1:$SHUTDOWN_DIALOG" "restart:$COMMAND2:$RESTART_DIALOG"; do
        IFS=: read -r name button title <<<"$pair"
        probe click "$MAIN_TITLE" "$button"
        wait_window "=$title" 10 || fail "the $name dialog did not open at $dpi DPI"
        expect_eq "$expected" "$(layout_of "$title")" "$name dialog's fields at $dpi DPI"
        wait_until 5 screenshot "=$title" "$shots/dialog-$name-$dpi.png" || fail "no picture of $title at $dpi DPI"
    done
    probe terminate "$MAIN_TITLE"
    wait_app_end 10 || fail "the program did not end at $dpi DPI"
done
