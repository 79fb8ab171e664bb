#!/usr/bin/env bash
# Typing keeps a plain number in each field; the save corrects what is out of range; the dialog opened
# again shows what was saved.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
e2e_begin dialog_reopen
install_app "Timer"
start_app
wait_main_window

xclick "$MAIN_TITLE" $COMMAND1
wait_window "=$SHUTDOWN_DIALOG" 10 || fail "the shutdown dialog did not open"
expect_eq "$(date +%Y) $(date +%-m) $(date +%-d)" \
    "$(for id in $DLG_TEXT12 $DLG_TEXT13 $DLG_TEXT14; do dialog_probe text "$SHUTDOWN_DIALOG" $id; done | xargs)" \
    "a new dialog shows today without leading zeros"
expect_eq "周日" "$(dialog_probe text "$SHUTDOWN_DIALOG" $DLG_COMBO1)" "the weekday starts at 周日"
expect_eq "$(printf '%s\n' 周日 周一 周二 周三 周四 周五 周六)" "$(dialog_probe combo "$SHUTDOWN_DIALOG" $DLG_COMBO1)" \
    "the weekday list"

xclick "=$SHUTDOWN_DIALOG" $DLG_CHECK4
xclick "=$SHUTDOWN_DIALOG" $DLG_CHECK5
wait_until 5 dialog_enabled "$SHUTDOWN_DIALOG" $DLG_TEXT9 || fail "the minutes field was not enabled"
# Keys one at a time, as typed: "0" then "7" gives 07, which the filter turns into 7.
xclick "=$SHUTDOWN_DIALOG" $DLG_TEXT8
xdotool key End shift+Home BackSpace
wait_until 5 field_is "$SHUTDOWN_DIALOG" $DLG_TEXT8 0 || fail "an emptied field does not show 0"
xdotool key End 7
wait_until 5 field_is "$SHUTDOWN_DIALOG" $DLG_TEXT8 7 || fail "07 did not become 7"
xdotool key End a
sleep 0.3  # a letter changes nothing visible; give the field a moment to show it did not take it
expect_eq "7" "$(dialog_probe text "$SHUTDOWN_DIALOG" $DLG_TEXT8)" "a letter after the number vanishes"
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT7 99
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT6 32
type_into "$SHUTDOWN_DIALOG" $DLG_TEXT9 25000
xdotool key Return
wait_until 10 window_gone "=$SHUTDOWN_DIALOG" || fail "Enter did not close the dialog"
expect_eq "31号 23:07            (每月定时关机)
20000                 (每次开机20000分钟关机)" "$(main_list $LIST1)" "List1 shows the corrected values"

xclick "$MAIN_TITLE" $COMMAND1
wait_window "=$SHUTDOWN_DIALOG" 10 || fail "the shutdown dialog did not open again"
expect_eq "0 0 0 1 1" "$(dialog_checks "$SHUTDOWN_DIALOG")" "the saved triggers are checked"
expect_eq "31 23 7 20000" \
    "$(for id in $DLG_TEXT6 $DLG_TEXT7 $DLG_TEXT8 $DLG_TEXT9; do dialog_probe text "$SHUTDOWN_DIALOG" $id; done | xargs)" \
    "the fields show what was saved"
expect_eq "1" "$(dialog_probe enabled "$SHUTDOWN_DIALOG" $DLG_TEXT6)" "a loaded trigger's fields are enabled"
expect_eq "0" "$(dialog_probe enabled "$SHUTDOWN_DIALOG" $DLG_TEXT2)" "an unchecked trigger's fields are not"
