#!/usr/bin/env bash
# The weekday list's text set by a tool (WM_SETTEXT, which sends no change notification), then another field
# typed into: "确定" saves the weekday the list shows.
. "$(dirname "$0")/../lib.sh"
e2e_begin weekday_settext
install_app "Timer"
dialog_case "a weekday set by WM_SETTEXT" do="open_dialog 1; click_box 3; set_combo 周三; type_in 4 9; shows $COMBO1 周三;
    close_by ok" has="每周定时关机周几=周三" list1="$(list_line "周三 09:00" "(每周定时关机)")"
