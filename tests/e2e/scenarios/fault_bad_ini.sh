#!/usr/bin/env bash
# A timer.ini of binary garbage, or with a line of 1 MB: the program starts, ticks and lists what the
# readable keys hold, and writes nothing.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/dialog_common.inc"
. "$(dirname "$0")/fault_common.inc"
e2e_begin fault_bad_ini
install_app "Timer"
t=$(date -d '+3 hours' +%H:%M)

start_over() {  # what, expected List1, expected List2
    local before
    before=$(md5sum <"$APP_DIR/timer.ini")
    start_app
    wait_main_window
    expect_eq "$2" "$(main_list $LIST1)" "$1: List1"
    expect_eq "$3" "$(main_list $LIST2)" "$1: List2"
    still_running "$1"
    expect_eq "$before" "$(md5sum <"$APP_DIR/timer.ini")" "$1: timer.ini untouched"
    stop_app
}

# 8 KB of machine code (NULs, lone lead bytes, brackets), then a well-formed section.
{
    head -c 8192 "$E2E_PROBE"
    printf '\r\n[关机]\r\n每天定时关机=%s\r\n' "$t" | gbk
} >"$APP_DIR/timer.ini"
start_over "binary garbage" "$(daily_line "$t" 关机)" ""

# A 1 MB line among the keys and a 1 MB value: the value reads as its first 254 bytes, the list cuts
# it to the 20-character column.
{
    printf '[关机]\r\n' | gbk
    head -c 1048576 /dev/zero | tr '\0' 'A'
    printf '\r\n每天定时关机=%s\r\n[重启]\r\n每天定时重启=' "$t" | gbk
    head -c 1048576 /dev/zero | tr '\0' '1'
    printf '\r\n'
} >"$APP_DIR/timer.ini"
start_over "1 MB line" "$(daily_line "$t" 关机)" "$(daily_line 11111111111111111111 重启)"
