#!/usr/bin/env bash
# Start-up seen from outside, and a life in the tray: "/s" starts hidden, the icon's button release brings the
# window back, minimising hides it; closing asks first. Then starts from a folder with Chinese characters that
# differ in the command line, timer.ini and the autostart value, the logon start from a folder with blanks,
# second starts of the same exe and a copy in another folder.
. "$(dirname "$0")/../lib.sh"
e2e_begin start
install_app "Timer"
tray() { on_main send 0 2025 0 "$1" >/dev/null; }  # the icon's callback message, handled when the probe returns
minimise() { on_main send 0 0x0112 0xF020 0 >/dev/null; }  # WM_SYSCOMMAND SC_MINIMIZE
texts() { local id; for id; do on_main text "$id"; done | xargs; }

# A life in the tray, and the exit question.
run_app /s
for step in "tray 0x200; tray 0x201|hidden|a move and a press over the icon leave the window hidden" \
    "tray 0x202|normal|the left button's release shows it" "minimise|hidden|minimising hides it" \
    "tray 0x205|normal|the right button's release shows it" "minimise|hidden|minimising hides it again" \
    'xclick "Wine System Tray" 0|normal|a real click on the tray icon shows it'; do
    IFS='|' read -r action expected what <<<"$step"
    eval "$action"
    expect "$expected" "$what" state
done
on_main post 0 $WM_CLOSE
expect "确定要退出本程序吗?" "closing asks first" probe text "=是否退出?" 65535
tick_at 08:00:11 "ticks go on while the question is open"
probe post "=是否退出?" 2 $BM_CLICK
await "Cancel closes the question" window_gone "=是否退出?"
expect normal "Cancel keeps the window" state
open_dialog 1
on_main post 0 $WM_CLOSE
wait_until window_exists "=是否退出?" || fail "no exit question with a dialog open"
probe post "=是否退出?" 1 $BM_CLICK
await "OK ends the program with its dialog open" app_ended
await "the tray icon is gone" eval '! tray_shown'

set_clock "$NOW"
install_app "定时工具/岚舟" "定时关机"
run_case "the first start" do='
    expect "岚舟定时关机 1.6  http://www.lanzhou-timer.example" "caption" on_main text 0
    expect "$TODAY $NOW 定时关机 定时重启 设置… 设置… 开机自动运行" "the date, the time and the control texts" \
        texts $LABEL1 $LABEL2 $FRAME1 $FRAME2 $COMMAND1 $COMMAND2 $CHECK1
    expect normal "shown, not minimised or maximised" state
    read -r x y w h < <(on_main rect 0)  # centred on the 1280 x 800 screen, give or take two pixels
    expect "0 0" "centred" echo "$(((2 * x + w - 1280) / 6)) $(((2 * y + h - 800) / 6))"
    xclick "$MAIN_TITLE" $CHECK1
    expect "$APP_WIN /s" "ticking 开机自动运行 writes the autostart value" autostart_value
    xclick "$MAIN_TITLE" $CHECK1'
run_case "/s" line="$APP_WIN /s" shown=0
for variant in " /S" "  /s"; do run_case "[$variant]: not the switch" line="$APP_WIN$variant"; done
run_case "quoted path, /s" line="\"$APP_WIN\" /s" shown=0
run_case "every trigger listed, blanks and all" ini="$(ini_section 关机 2099-12-31 23:05 21:00 周三 21:00 5 21:00 99999)
$(ini_section 重启 2099-01-02 '' '' 周五乗 21:00 31 21:00 '')" \
    list1="$(list_line "2099-12-31 23:05" "  (定时关机)" 21:00 "  (每天定时关机)" "周三 21:00" "(每周定时关机)" \
        "5号 21:00" " (每月定时关机)" 99999 "  (每次开机99999分钟关机)")" \
    list2="$(list_line 2099-01-02 "  (定时重启)" "周五 21:00" "(每周定时重启)" "31号 21:00" " (每月定时重启)")"
run_case "this copy's autostart value" reg="$APP_WIN /s" check=1

# Started at logon as Windows starts an unquoted Run value: the path with its blanks, then "/s" (an application
# name given as well keeps Wine from quoting the path).
install_app "Program Files/Timer"
run_case "the unquoted logon command line; another copy's autostart value" line="$APP_WIN /s" app="$APP_WIN" \
    reg='C:\Timer\timer.exe /s' shown=0
run_case "ticking the box of this copy" do='xclick "$MAIN_TITLE" $CHECK1' value="$APP_WIN /s"
run_case "the value the box wrote, as the logon command line" line="$(autostart_value)" app="$APP_WIN" shown=0 check=1

# Second starts of the same exe end and leave the first alone; a copy in another folder starts beside it.
run_app
first=$APP_PID
for args in "" /s; do start_app $args && await "a second start [$args] ends" app_ended; done
expect "1 normal" "the first window alone, shown" eval 'echo "$(probe count "$MAIN_TITLE") $(state)"'
APP_PID=$first await "the first program runs on" app_running
install_app "Timer2"
start_app
expect 2 "a copy in another folder starts beside the first" probe count "$MAIN_TITLE"
kill "$first"
