#!/usr/bin/env bash
# A timer.ini with invalid GBK, and one with a section repeated: the program lists what it can read,
# and a save of the restart dialog keeps every shutdown key the file held.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
. "$(dirname "$0")/fault_common.inc"
e2e_begin fault_odd_ini
install_app "Timer"
t=$(date -d '+3 hours' +%H:%M)
t2=$(date -d '+4 hours' +%H:%M)

# A weekday of invalid byte pairs, a lead byte with no trail at the very end of the file.
{
    printf '[关机]\r\n每周定时关机周几=' | gbk
    printf '\x81\x20\xff\xfe\x80'
    printf '\r\n每周定时关机时间=%s\r\n每天定时关机=%s\r\n[重启]\r\n每天定时重启=%s\r\n每月定时重启日期=' "$t" "$t" "$t" | gbk
    printf '\xd6'
} >"$APP_DIR/timer.ini"
start_app
wait_main_window
list1=$(main_list $LIST1)
expect_eq "$(daily_line "$t" 关机)" "$(head -n 1 <<<"$list1")" "invalid GBK: the daily line"
expect_match "^.+ $t +\(每周定时关机\)$" "$(sed -n 2p <<<"$list1")" "invalid GBK: the weekly line with its time"
expect_eq "$(daily_line "$t" 重启)" "$(main_list $LIST2)" "invalid GBK: List2"
still_running "invalid GBK"
save_restart_dialog
expect_match "每天定时关机=$t" "$(ini_bytes | iconv -f GBK -t UTF-8 -c)" "invalid GBK: the shutdown daily key kept by the restart save"
# The undecodable day of the month is a set key, so the dialog checked its box and the save wrote it
# corrected to day 1 at the emptied time's 00:00.
expect_eq "$(daily_line "$t" 重启)
1号 00:00             (每月定时重启)" "$(main_list $LIST2)" "invalid GBK: List2 after the save"
expect_eq "$list1" "$(main_list $LIST1)" "invalid GBK: List1 after the save"
still_running "invalid GBK, saved"
stop_app

# The first of two sections of one name counts; a save touches neither of them.
printf '[关机]\r\n每天定时关机=%s\r\n[重启]\r\n每天定时重启=%s\r\n[关机]\r\n每天定时关机=%s\r\n每次开机X分钟关机=99999\r\n' \
    "$t" "$t" "$t2" | gbk >"$APP_DIR/timer.ini"
shutdown_lines() { ini_bytes | iconv -f GBK -t UTF-8 | tr -d '\r' | grep -e '关机'; }
shutdown_before=$(shutdown_lines)
start_app
wait_main_window
expect_eq "$(daily_line "$t" 关机)" "$(main_list $LIST1)" "repeated section: List1 from the first [关机]"
record_checks() { restart_checks=$(dialog_checks "$RESTART_DIALOG"); }
save_restart_dialog record_checks
expect_eq "0 1 0 0 0" "$restart_checks" "repeated section: the restart dialog shows its daily trigger"
expect_eq "$shutdown_before" "$(shutdown_lines)" "repeated section: both [关机] sections kept by the restart save"
expect_eq "$(daily_line "$t" 重启)" "$(main_list $LIST2)" "repeated section: List2 after the save"
still_running "repeated section"
