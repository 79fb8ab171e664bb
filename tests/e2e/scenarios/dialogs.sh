#!/usr/bin/env bash
# The settings dialogs driven by real clicks and keys: what the save writes and lists, both dialogs at once,
# a fresh dialog, typing, the corrections and the typing limits, the weekdays, and the three ways of closing
# that write nothing.
. "$(dirname "$0")/../lib.sh"
e2e_begin dialogs
install_app "Timer"
# Bit 27 (disabled) of Text2..Text14 and the weekday box.
disabled() { local id; for id in $(seq 1002 1014) $COMBO1; do style_bits "=$DIALOG" $id 27; done; }

run_case "a daily time typed, saved with Enter" ini="[重启]
每天定时重启=21:00" do='open_dialog 1; click_box 2; type_in 2 23; type_in 3 30; close_by Return' file="[重启]
每天定时重启=21:00
$(ini_section 关机 '' '' 23:30 '' '' '' '' '')" list1="$(list_line 23:30 "  (每天定时关机)")" \
    list2="$(list_line 21:00 "  (每天定时重启)")"

# The restart dialog only shows and saves its own section and list; its button brings an open dialog forward.
run_case "the restart dialog beside the shutdown one" ini="[关机]
每天定时关机=21:00" do='open_dialog 2; checks 0 0 0 0 0; open_dialog 1; checks 0 1 0 0 0; close_by box
    open_dialog 2; click_box 2; click_box 5; checks 0 1 0 0 1; expect 1 "one $DIALOG" probe count "=$DIALOG"
    type_in 2 7; type_in 3 5; type_in 9 0; close_by ok' has="每天定时重启=07:05" \
    list1="$(list_line 21:00 "  (每天定时关机)")" \
    list2="$(list_line 07:05 "  (每天定时重启)" 0 "  (每次开机0分钟重启)")"

# Keys one at a time, as typed: an emptied field shows 0, "0" then "7" gives 7, a letter vanishes. A two-digit
# field keeps 2 of 5 digits typed, the year 4, the minutes after start-up all 5. The save corrects the numbers
# out of range; the dialog opened again shows what was saved.
run_case "a fresh dialog, typing, the corrections" do='open_dialog 1
    expect 11111111111111 "the fields and the weekday box disabled before a box is ticked" disabled
    shows 12 2031; shows 13 5; shows 14 7; shows $COMBO1 周日; click_box 1; click_box 4; click_box 5
    type_in 12 12345 1234; type_in 10 12345 12; type_in 11 54321 54; type_in 9 12345; type_in 7 99; type_in 6 32
    xclick "=$DIALOG" 1008; xdotool key End shift+Home BackSpace; shows 8 0
    xdotool key End 7; shows 8 7; xdotool key End a 3; shows 8 73; close_by Return
    open_dialog 1; checks 1 0 0 1 1; shows 6 31; shows 7 23; shows 8 59; shows 9 12345' \
    has="每次开机X分钟关机=12345" list1="$(list_line "2031-05-07 12:54" "  (定时关机)" \
    "31号 23:59" " (每月定时关机)" 12345 "  (每次开机12345分钟关机)")"

# A weekday set as a tool would (WM_SETTEXT, no change notification; sent, it overtakes clicks still queued, so
# only once the box is enabled), then another field typed: the save keeps the weekday shown.
run_case "weekdays picked with the mouse and set by WM_SETTEXT" do='open_dialog 1; click_box 3; pick 周五; close_by ok
    open_dialog 2; click_box 3; wait_until enabled $COMBO1; on_dialog send $COMBO1 $WM_SETTEXT 0 周三 >/dev/null
    type_in 4 9; shows $COMBO1 周三; close_by ok' has="每周定时关机周几=周五
每周定时重启周几=周三" list1="$(list_line "周五 23:00" "(每周定时关机)")" list2="$(list_line "周三 09:00" "(每周定时重启)")"

run_case "closed by 取消, Esc and the close box: nothing written" ini="[关机]
每天定时关机=21:00
每次开机X分钟关机=99999" do='open_dialog 1; for how in cancel Escape box; do
        click_box 1; click_box 2; type_in 9 12; close_by $how
        open_dialog 1; checks 0 1 0 0 1; shows 2 21; shows 9 99999
    done' list1="$(list_line 21:00 "  (每天定时关机)" 99999 "  (每次开机99999分钟关机)")"
