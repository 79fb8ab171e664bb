#!/usr/bin/env bash
# Closing asks "确定要退出本程序吗?"; Cancel keeps the program ticking, OK ends it and removes its icon.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_exit_question
install_app "Timer"
QUESTION="=是否退出?"
MSGBOX_TEXT=65535  # the id of a message box's text

start_app
wait_window "$MAIN_TITLE" 10 || fail "main window did not appear"
wait_until 5 tray_shown || fail "no tray icon"

probe close "$MAIN_TITLE"
wait_window "$QUESTION" 5 || fail "no exit question"
expect_eq "确定要退出本程序吗?" "$(probe text "$QUESTION" $MSGBOX_TEXT)" "question text"
expect_eq 1 "$(probe enabled "$QUESTION" 1)" "an OK button"
expect_eq 1 "$(probe enabled "$QUESTION" 2)" "a Cancel button"

# Ticks go on while the box is open.
label_changed() { [ "$(main_text $LABEL2)" != "$seen" ]; }
wait_until 3 clock_shown
seen=$(main_text $LABEL2)
wait_until 3 label_changed || fail "clock stopped while asking"

probe click "$QUESTION" 2
wait_until 5 window_gone "$QUESTION" || fail "Cancel did not close the box"
app_running || fail "Cancel ended the program"
expect_eq 1 "$(probe visible "$MAIN_TITLE")" "window still shown after Cancel"
seen=$(main_text $LABEL2)
wait_until 3 label_changed || fail "clock not ticking after Cancel"

probe close "$MAIN_TITLE"
wait_window "$QUESTION" 5 || fail "no exit question the second time"
probe click "$QUESTION" 1
wait_app_end 5 || fail "OK did not end the program"
wait_until 5 tray_empty || fail "the tray icon stayed"
