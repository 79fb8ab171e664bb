#!/usr/bin/env bash
# Pictures of both dialogs at 96 and 144 DPI for the README, with every trigger switched on so the fields
# show their enabled colour; the shutdown dialog of each pair stays as loaded, the restart one as new.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
# At 144 DPI the dialog is about 820 pixels high: a screen of its own, taller than the usual one.
for n in $(seq 140 180); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
shots_xvfb=$!
export DISPLAY=":$n" WINE_SESSION_KEEP_DISPLAY=1
wait_until 5 test -e "/tmp/.X11-unix/X$n" || fail "no X server for the pictures"
e2e_begin dialog_screenshots
trap 'kill $shots_xvfb 2>/dev/null; e2e_end' EXIT
install_app "Timer"
docs="$REPO_DIR/docs"
mkdir -p "$docs"

write_ini <<'INI'
[关机]
定时关机日期=2099-12-31
定时关机时间=23:05
每天定时关机=22:30
每周定时关机周几=周五
每周定时关机时间=08:30
每月定时关机日期=15
每月定时关机时间=12:00
每次开机X分钟关机=480
INI

for dpi in 96 144; do
    timeout 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f </dev/null >/dev/null 2>&1
    start_app
    wait_window "$MAIN_TITLE" 10 || fail "main window did not appear at $dpi DPI"
    # Both dialogs open centred, one over the other: each is taken as soon as it is in front.
    for pair in "shutdown:$COMMAND1:$SHUTDOWN_DIALOG" "restart:$COMMAND2:$RESTART_DIALOG"; do
        IFS=: read -r name button title <<<"$pair"
        probe click "$MAIN_TITLE" "$button"
        wait_window "=$title" 10 || fail "the $name dialog did not open at $dpi DPI"
        read -r _ _ w h < <(probe rect "=$title" 0)
        log "$name dialog at $dpi DPI: ${w}x${h}"
        wait_until 5 screenshot "=$title" "$docs/dialog-$name-$dpi.png" || fail "no picture of $title at $dpi DPI"
    done
    probe terminate "$MAIN_TITLE"
    wait_app_end 10 || fail "the program did not end at $dpi DPI"
done
