#!/usr/bin/env bash
# A timer.ini prepared in GBK fills both lists with exactly the expected lines, blanks included.
. "$(dirname "$0")/../lib.sh"
e2e_begin main_schedule_lists
install_app "Timer"

# Times three hours away, so no trigger falls due while the scenario runs; 99999 minutes after start
# is beyond what the signed tick count can reach.
t=$(date -d '+3 hours' +%H:%M)
write_ini <<INI
[关机]
定时关机日期=2099-12-31
定时关机时间=23:05
每天定时关机=$t
每周定时关机周几=周三
每周定时关机时间=$t
每月定时关机日期=5
每月定时关机时间=$t
每次开机X分钟关机=99999
[重启]
定时重启日期=2099-01-02
定时重启时间=
每天定时重启=
每周定时重启周几=周五乗
每周定时重启时间=$t
每月定时重启日期=31
每月定时重启时间=$t
每次开机X分钟重启=
INI
before=$(md5sum <"$APP_DIR/timer.ini")

start_app
wait_window "$MAIN_TITLE" 10 || fail "main window did not appear"

expected_shutdown="2099-12-31 23:05      (定时关机)
$t                 (每天定时关机)
周三 $t            (每周定时关机)
5号 $t             (每月定时关机)
99999                 (每次开机99999分钟关机)"
expected_restart="2099-01-02            (定时重启)
周五 $t            (每周定时重启)
31号 $t            (每月定时重启)"
expect_eq "$expected_shutdown" "$(main_list $LIST1)" "shutdown lines"
expect_eq "$expected_restart" "$(main_list $LIST2)" "restart lines"

wait_until 3 clock_shown || fail "clock not running"
app_running || fail "the program ended"
expect_eq "$before" "$(md5sum <"$APP_DIR/timer.ini")" "timer.ini untouched"
