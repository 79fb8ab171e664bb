#!/usr/bin/env bash
# A life in the tray: "/s" starts hidden, the icon's button release brings the window back in its last state,
# minimising hides it again; closing asks "确定要退出本程序吗?", Cancel keeps it ticking, and OK ends it with
# a settings dialog open and takes the icon away.
. "$(dirname "$0")/../lib.sh"
e2e_begin lifecycle
install_app "Timer"
TRAY_MESSAGE=2025 MINIMISE="0x0112 0xF020 0"  # the icon's callback message; WM_SYSCOMMAND SC_MINIMIZE
shown_state() { echo "$(probe visible "$MAIN_TITLE") $(probe state "$MAIN_TITLE")"; }

start_app /s
wait_main_window
await "the tray icon" tray_shown
# Sent, not posted: each message has been handled when the probe returns.
probe send "$MAIN_TITLE" $TRAY_MESSAGE 0 0x200 >/dev/null
probe send "$MAIN_TITLE" $TRAY_MESSAGE 0 0x201 >/dev/null
expect_eq "0" "$(probe visible "$MAIN_TITLE")" "a move and a press over the icon leave the window hidden"
probe send "$MAIN_TITLE" $TRAY_MESSAGE 0 0x202 >/dev/null
expect_eq "1 0" "$(shown_state)" "the left button's release shows the window, normal"
probe send "$MAIN_TITLE" $MINIMISE >/dev/null
expect_eq "0" "$(probe visible "$MAIN_TITLE")" "minimising hides the window"
probe send "$MAIN_TITLE" $TRAY_MESSAGE 0 0x205 >/dev/null
expect_eq "1 0" "$(shown_state)" "the right button's release shows it, normal"
probe send "$MAIN_TITLE" $MINIMISE >/dev/null
xclick "Wine System Tray" 0 || fail "cannot click the tray"
await "a real click on the tray icon shows the window" window_visible "$MAIN_TITLE"
expect_eq "1 0" "$(shown_state)" "normal after the tray click"

probe close "$MAIN_TITLE"
wait_until window_exists "$QUESTION" || fail "no exit question"
expect_eq "确定要退出本程序吗? 1 1" "$(probe text "$QUESTION" 65535) $(probe enabled "$QUESTION" 1) $(probe enabled "$QUESTION" 2)" \
    "the question, OK and Cancel"
tick_at 08:00:11 && log "ok: ticks go on while the question is open"
probe click "$QUESTION" 2
wait_until window_gone "$QUESTION" || fail "Cancel did not close the question"
expect_eq "1" "$(probe visible "$MAIN_TITLE")" "Cancel keeps the window"
tick_at 08:00:12 && log "ok: ticks go on after Cancel"

open_dialog 1
probe close "$MAIN_TITLE"
wait_until window_exists "$QUESTION" || fail "no exit question with a dialog open"
probe click "$QUESTION" 1
await "OK ends the program with its dialog open" app_ended
await "the tray icon is gone" tray_empty
