#!/usr/bin/env bash
# The settings dialogs driven by real clicks and keys: what the save writes and lists, the corrections, the
# typing limits, a weekday picked from the list, and the three ways of closing that write nothing.
. "$(dirname "$0")/../lib.sh"
e2e_begin dialogs
install_app "Timer"

dialog_case "a daily time typed, saved with Enter" ini="[重启]
每天定时重启=21:00" do="open_dialog 1; click_box 2; type_in 2 23; type_in 3 30; close_by enter" file="[重启]
每天定时重启=21:00
[关机]
定时关机日期=
定时关机时间=
每天定时关机=23:30
每周定时关机周几=
每周定时关机时间=
每月定时关机日期=
每月定时关机时间=
每次开机X分钟关机=" list1="$(list_line 23:30 "  (每天定时关机)")"

# Both dialogs open at once; the restart one only shows and saves its own section and list; its button
# brings an open dialog forward instead of opening a second.
dialog_case "the restart dialog beside the shutdown one" ini="[关机]
每天定时关机=21:00" do="open_dialog 2; checks 0 0 0 0 0; open_dialog 1; checks 0 1 0 0 0; close_by box;
    open_dialog 2; click_box 2; click_box 5; checks 0 1 0 0 1; one_dialog; type_in 2 7; type_in 3 5; type_in 9 0;
    close_by ok" has="每天定时重启=07:05" list2="$(list_line 07:05 "  (每天定时重启)")
$(list_line 0 "  (每次开机0分钟重启)")"

# Keys one at a time, as typed: an emptied field shows 0, "0" then "7" gives 7, a letter vanishes. The save
# corrects the numbers out of range; the dialog opened again shows what was saved.
dialog_case "typing keeps a number, the save corrects it" do="open_dialog 1; shows 12 2031; shows 13 5; shows 14 7;
    shows $COMBO1 周日; click_box 4; type_in 7 99; type_in 6 32; click_field 8; press End shift+Home BackSpace;
    shows 8 0; press End 7; shows 8 7; press End a 3; shows 8 73; close_by enter;
    open_dialog 1; checks 0 0 0 1 0; shows 6 31; shows 7 23; shows 8 59" \
    list1="$(list_line "31号 23:59" " (每月定时关机)")"

dialog_case "a two-digit field keeps 2 of 5 digits typed, the year 4" do="open_dialog 1; click_box 1;
    type_in 12 12345 1234; type_in 10 12345 12; type_in 11 54321 54; close_by ok" \
    list1="$(list_line "2031-05-07 12:54" "  (定时关机)")"

dialog_case "a weekday picked from the list" do="open_dialog 1; click_box 3; pick 周五; close_by ok" \
    has="每周定时关机周几=周五" list1="$(list_line "周五 23:00" "(每周定时关机)")"

for how in cancel esc box; do
    dialog_case "closed by $how" ini="[关机]
每天定时关机=21:00
每次开机X分钟关机=99999" do="open_dialog 1; click_box 1; click_box 2; type_in 9 12; close_by $how;
    open_dialog 1; checks 0 1 0 0 1; shows 2 21; shows 9 99999" file==
done
