#!/usr/bin/env bash
# A life in the tray: "/s" starts hidden, the icon's button release brings the window back in its last state,
# minimising hides it again; closing asks "确定要退出本程序吗?", Cancel keeps it ticking, and OK ends it with
# a settings dialog open and takes the icon away.
. "$(dirname "$0")/../lib.sh"
e2e_begin lifecycle
install_app "Timer"
TRAY_MESSAGE=2025 MINIMISE="0x0112 0xF020 0"  # the icon's callback message; WM_SYSCOMMAND SC_MINIMIZE

start_app /s
wait_main_window
await "the tray icon" tray_shown
# Sent, not posted: each message has been handled when the probe returns.
probe send "$MAIN_TITLE" 0 $TRAY_MESSAGE 0 0x200 >/dev/null
probe send "$MAIN_TITLE" 0 $TRAY_MESSAGE 0 0x201 >/dev/null
expect_eq "0" "$(visible "$MAIN_TITLE")" "a move and a press over the icon leave the window hidden"
probe send "$MAIN_TITLE" 0 $TRAY_MESSAGE 0 0x202 >/dev/null
expect_eq "1 0 0" "$(window_state "$MAIN_TITLE")" "the left button's release shows the window, normal"
probe send "$MAIN_TITLE" 0 $MINIMISE >/dev/null
expect_eq "0" "$(visible "$MAIN_TITLE")" "minimising hides the window"
probe send "$MAIN_TITLE" 0 $TRAY_MESSAGE 0 0x205 >/dev/null
expect_eq "1 0 0" "$(window_state "$MAIN_TITLE")" "the right button's release shows it, normal"
probe send "$MAIN_TITLE" 0 $MINIMISE >/dev/null
xclick "Wine System Tray" 0 || fail "cannot click the tray"
await "a real click on the tray icon shows the window" window_visible "$MAIN_TITLE"
expect_eq "1 0 0" "$(window_state "$MAIN_TITLE")" "normal after the tray click"

probe post "$MAIN_TITLE" 0 $WM_CLOSE
wait_until window_exists "$QUESTION" || fail "no exit question"
expect_eq "确定要退出本程序吗? 0 0" "$(probe text "$QUESTION" 65535) $(style_bit 27 "$QUESTION" 1) $(style_bit 27 "$QUESTION" 2)" \
    "the question, OK and Cancel enabled"
tick_at 08:00:11 && log "ok: ticks go on while the question is open"
probe post "$QUESTION" 2 $BM_CLICK
wait_until window_gone "$QUESTION" || fail "Cancel did not close the question"
expect_eq "1" "$(visible "$MAIN_TITLE")" "Cancel keeps the window"
tick_at 08:00:12 && log "ok: ticks go on after Cancel"

open_dialog 1
probe post "$MAIN_TITLE" 0 $WM_CLOSE
wait_until window_exists "$QUESTION" || fail "no exit question with a dialog open"
probe post "$QUESTION" 1 $BM_CLICK
await "OK ends the program with its dialog open" app_ended
await "the tray icon is gone" tray_empty
