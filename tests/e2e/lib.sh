# Sourced by every end-to-end scenario (and the benchmarks): a fresh Wine session per scenario, the program
# copied into a folder of drive C and started with a frozen clock of its own, helpers that read its windows
# through the probe, click and type with xdotool, read timer.ini and the registry, and wait on conditions with
# one generous deadline (never a bare sleep, never a measured time). The runner sets E2E_BUILD and E2E_WORK.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/wine-session.sh"
: "${E2E_BUILD:?E2E_BUILD must name the win64 build folder}" "${E2E_WORK:=$E2E_BUILD/e2e}"
E2E_EXE=${E2E_EXE:-$E2E_BUILD/src/app/win/timer.exe} E2E_PROBE=$E2E_BUILD/tests/e2e/probe.exe
E2E_PATIENCE=${E2E_PATIENCE:-60} E2E_FAILURES=0  # long enough for a loaded 2-core machine
MAIN_TITLE="岚舟定时关机 1.6" SHUTDOWN_DIALOG="定时关机 - 设置" RESTART_DIALOG="定时重启 - 设置"
# Control ids: the main window's; in a dialog Text2..Text14 are 1002..1014, Check1..Check5 1101..1105, the
# weekday box 1201, and 确定 and 取消 take the ids Enter and Esc send (1, 2).
LABEL1=101 LABEL2=102 LIST1=103 FRAME1=104 COMMAND1=105 CHECK1=106 LIST2=107 FRAME2=108 COMMAND2=109 COMBO1=1201
WM_SETTEXT=0x0C WM_CLOSE=0x10 BM_GETCHECK=0xF0 BM_CLICK=0xF5
# The program's clock is frozen at a known moment: libfaketime in its process only, reading the time from a
# file at most once a second. The X server, Wine's server and the probe keep the real time.
TODAY=2031-05-07 NOW=08:00:10  # a Wednesday
FAKETIME_LIB=$(dpkg -L libfaketime 2>/dev/null | grep -m 1 '/libfaketime\.so\.1$')
RUN_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' AUTOSTART_NAME='澄屿定时关机'

log() { printf '    %s\n' "$*" >&2; }
fail() { printf '    FAIL: %s\n' "$*" >&2; E2E_FAILURES=$((E2E_FAILURES + 1)); }
wait_until() {  # command...: retried every 0.1 s until it succeeds or the deadline passes
    local deadline=$((SECONDS + E2E_PATIENCE))
    until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.1; done
}
await() {  # what command...
    if wait_until "${@:2}"; then log "ok: $1"; else fail "$1: [${*:2}] never held"; return 1; fi
}
# Waits until the command prints the expected text; a failure shows what it printed last.
prints() { E2E_GOT=$("${@:2}"); [ "$E2E_GOT" == "$1" ]; }
expect() {  # expected what command...
    if wait_until prints "$1" "${@:3}"; then log "ok: $2"; else fail "$2: expected [$1], got [$E2E_GOT]"; return 1; fi
}

e2e_begin() {  # scenario name: a fresh prefix, copied from one booted template (booting takes 8-14 s)
    E2E_SCENARIO=$1 E2E_ROOT=$E2E_WORK/$1
    # A run stopped midway may have left a file or folder immutable.
    rm -rf "$E2E_ROOT" 2>/dev/null || { chattr -R -i "$E2E_ROOT"; rm -rf "$E2E_ROOT"; }
    mkdir -p "$E2E_ROOT"
    [ -f "$E2E_WORK/template/wineprefix/.timer-ready" ] ||
        (wine_session_start "$E2E_WORK/template"; wine_session_stop) >/dev/null 2>&1
    # Hard links make the copy instant; the files Wine rewrites get copies of their own (sed -i writes anew).
    cp -al "$E2E_WORK/template/wineprefix" "$E2E_ROOT/wineprefix"
    find "$E2E_ROOT/wineprefix" -maxdepth 3 -type f \( -name '*.reg' -o -name '*.ini' -o -name '.update-timestamp' \) \
        -exec sed -i '' {} +
    wine_session_start "$E2E_ROOT"
    trap e2e_end EXIT
    trap 'exit 143' TERM INT
    echo "${WINE_SESSION_XVFB:-}" >"$E2E_ROOT/xvfb.pid"  # for the runner, after a scenario that overran its time
    cp "$E2E_PROBE" "$WINEPREFIX/drive_c/probe.exe"
    # The environment of a process with the program's clock (the real one for benchmarks), inherited by what
    # it starts.
    CLOCK_ENV=(LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$E2E_ROOT/clock" FAKETIME_CACHE_DURATION=1
        FAKETIME_DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1)
    [ -z "${E2E_REAL_CLOCK:-}" ] || CLOCK_ENV=(E2E_REAL_CLOCK=1)
    set_clock "$NOW"
    probe count "$MAIN_TITLE" >/dev/null  # the first look at the windows also brings up Wine's desktop
}
e2e_end() {  # Wine's server ends every program of the session
    wine_session_stop
    [ "$E2E_FAILURES" -eq 0 ] && exit 0
    printf '    %s: %d failure(s)\n' "$E2E_SCENARIO" "$E2E_FAILURES" >&2 && exit 1
}

install_app() {  # folder [name]: the exe copied to C:\folder\name.exe; APP_WIN its Windows path, APP_DIR the folder
    APP_DIR=$WINEPREFIX/drive_c/$1
    mkdir -p "$APP_DIR" && cp "$E2E_EXE" "$APP_DIR/${2:-timer}.exe"
    APP_WIN="C:\\${1//\//\\}\\${2:-timer}.exe"
}
set_clock() { echo "$TODAY $1" >"$E2E_ROOT/clock.new" && mv -f "$E2E_ROOT/clock.new" "$E2E_ROOT/clock"; }  # hh:mm:ss
# Starts the installed exe with these argument words; APP_PID is its process. Wine's process trace in app.log
# shows the session end that ExitWindowsEx starts.
start_app() {
    (cd "$APP_DIR" && exec env "${CLOCK_ENV[@]}" WINEDEBUG=-all,+process wine "$APP_WIN" "$@" \
        </dev/null >"$E2E_ROOT/app.log" 2>&1) &
    APP_PID=$!
}
run_app() { start_app "$@" && wait_main_window; }  # started, and its first tick shown
app_running() { kill -0 "$APP_PID" 2>/dev/null; }
app_ended() { ! app_running; }
stop_app() {  # ends the program from outside (no exit question); the probe returns once the process has gone
    probe terminate "$MAIN_TITLE" || fail "the program could not be ended"
    [ -z "${APP_PID:-}" ] || wait_until app_ended || fail "the program's Wine process stayed"
    APP_PID=
}
# A due trigger: the program ends after asking for power-off or a reboot, told apart by the session end Wine
# starts for it. That runs on for seconds and would end the next program too: Wine's server starts afresh.
await_request() {  # power-off | reboot, what
    await "$2: the program ends" app_ended
    local line request=
    line=$(grep -a 'cmdline.*wineboot\.exe --end-session' "$E2E_ROOT/app.log" | tail -n 1)
    case $line in *'--end-session --shutdown"'*) request=power-off ;; *'--end-session"'*) request=reboot ;; esac
    expect "$1" "$2: what the program asked the system for" echo "$request"
    wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1
    wineserver -p </dev/null >/dev/null 2>&1
    timeout 60 wineboot </dev/null >/dev/null 2>&1
}

probe() { timeout 60 wine 'C:\probe.exe' "$@" </dev/null 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
on_main() { probe "$1" "$MAIN_TITLE" "${@:2}"; }  # a probe command on the main window: command [id ...]
on_dialog() { probe "$1" "=$DIALOG" "${@:2}"; }  # the same on the dialog last opened
window_exists() { probe style "$1" >/dev/null; }
window_gone() { ! window_exists "$1"; }
# Bits of the style of a window (of its control, given an id): 28 shown, 29 minimised, 24 maximised, 27 disabled.
style_bits() {  # title id bit...
    local style bit
    style=$(probe style "$1" "$2") || return 1
    for bit in "${@:3}"; do printf '%s' $((style >> bit & 1)); done
}
state() { local s; s=$(style_bits "$MAIN_TITLE" 0 28 29 24) && s=${s/#0*/hidden} && echo "${s/#100/normal}"; }
visible() { [ "$(style_bits "$1" 0 28)" == 1 ]; }
tray_shown() { visible 'Wine System Tray' 2>/dev/null; }  # the tray's X window shows while it holds an icon
# Both clock labels filled: the first tick has run, and with it the whole start-up.
clock_shown() { [ -n "$(on_main text $LABEL1)" ] && [ -n "$(on_main text $LABEL2)" ]; }
wait_main_window() { wait_until clock_shown || fail "the main window did not come up ticking"; }
tick_at() { set_clock "$1" && expect "$1" "${2:-a tick shows $1}" on_main text $LABEL2; }  # hh:mm:ss [what]
# Two ticks in the minute: a trigger due in it that did not end the program by then never will.
two_ticks_in() { tick_at "$1:20" && tick_at "$1:21" "$2"; }  # hh:mm what
xclick() {  # title id: a left click in the middle of a control (of the window with id 0), through the X server
    local x y w h
    read -r x y w h < <(probe rect "$1" "$2") || return 1
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

# timer.ini beside the program: its bytes in hex, its text, lines it holds; one written from UTF-8 text as GBK, CR LF.
ini_hex() { xxd -p "$APP_DIR/timer.ini" 2>/dev/null | tr -d '\n'; }
ini_text() { iconv -f GBK -t UTF-8 -c <"$APP_DIR/timer.ini" | tr -d '\r'; }
ini_has() { local l; while read -r l; do ini_text | grep -qaxF -- "$l" || return 1; done <<<"$1"; }
gbk() { printf '%s\n' "$1" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK; }
write_ini() { gbk "$1" >"$APP_DIR/timer.ini"; }
# The eight keys of a section in their order, with these values.
ini_section() {  # 关机 | 重启, values...
    local keys=(定时@日期 定时@时间 每天定时@ 每周定时@周几 每周定时@时间 每月定时@日期 每月定时@时间 每次开机X分钟@) i
    echo "[$1]"
    for i in "${!keys[@]}"; do echo "${keys[i]//@/$1}=${*:i+2:1}"; done
}
list_line() {  # column ending [column ending...]: summary lines, the column 20 characters wide
    local c
    while [ $# -gt 1 ]; do c=${1:0:20} && printf '%s%*s%s\n' "$c" $((20 - ${#c})) '' "$2" && shift 2; done
}
# The data of the autostart value, read from outside the program; empty when the value is missing.
autostart_value() {
    timeout 30 wine reg query "$RUN_KEY" /v "$AUTOSTART_NAME" </dev/null 2>/dev/null | iconv -f GBK -t UTF-8 |
        tr -d '\r' | sed -n "s/^ *$AUTOSTART_NAME *REG_SZ *//p"
}

# --- The settings dialogs. DIALOG is the one last opened.
open_dialog() {  # 1 (shutdown) or 2 (restart)
    local button
    case $1 in 1) DIALOG=$SHUTDOWN_DIALOG button=$COMMAND1 ;; 2) DIALOG=$RESTART_DIALOG button=$COMMAND2 ;; esac
    # An open dialog may lie over the button: then the button is clicked by a message.
    if [ "$(probe count " - 设置")" == 0 ]; then xclick "$MAIN_TITLE" $button; else on_main post $button $BM_CLICK; fi
    wait_until visible "=$DIALOG" || fail "the dialog $DIALOG did not open"  # shown once laid out and centred
}
click_box() { xclick "=$DIALOG" $((1100 + $1)); }  # check box number
enabled() { [ "$(style_bits "=$DIALOG" "$1" 27)" == 0 ]; }  # control id
boxes() { local n; for n in 1 2 3 4 5; do on_dialog send $((1100 + n)) $BM_GETCHECK; done | xargs; }
checks() { expect "$*" "the boxes of $DIALOG: $*" boxes; }  # the five check values
# Text field number or COMBO1, text.
shows() { expect "$2" "$DIALOG, field $1 shows [$2]" on_dialog text $(($1 < 1000 ? 1000 + $1 : $1)); }
# Clicks into a field once it is enabled, selects what it holds and types over it, as a user would; the field
# then shows `shown` (by default what was typed).
type_in() {  # field number, text, [shown]
    wait_until enabled $((1000 + $1)) || fail "Text$1 is not enabled"
    xclick "=$DIALOG" $((1000 + $1))
    xdotool key End shift+Home
    xdotool type --delay 50 "$2"
    shows "$1" "${3:-$2}"
}
# Opens the weekday list with a click on its arrow and clicks the item, as a user would; the list drops below.
pick() {  # item text
    local x y w h index top height
    read -r x y w h < <(on_dialog rect $COMBO1)
    index=$(on_dialog send $COMBO1 0x158 -1 "$1")  # CB_FINDSTRINGEXACT
    xdotool mousemove $((x + w - 6)) $((y + h / 2)) click 1
    expect 1 "the weekday list drops down" on_dialog send $COMBO1 0x157 || return  # CB_GETDROPPEDSTATE
    height=$(on_dialog send $COMBO1 0x154) top=$(on_dialog send $COMBO1 0x15B)  # CB_GETITEMHEIGHT, CB_GETTOPINDEX
    xdotool mousemove $((x + w / 2)) $((y + h + (index - top) * height + height / 2)) click 1
    shows $COMBO1 "$1"
}
close_by() {  # ok | cancel | Return | Escape | box
    local x y w
    case $1 in
        ok) xclick "=$DIALOG" 1 ;;
        cancel) xclick "=$DIALOG" 2 ;;
        Return | Escape) xdotool key "$1" ;;
        # The close box sits at the right end of the caption, which Wine draws itself here.
        box) read -r x y w _ < <(on_dialog rect 0) && xdotool mousemove $((x + w - 13)) $((y + 12)) click 1 ;;
    esac
    wait_until window_gone "=$DIALOG" || fail "$1 did not close $DIALOG"
}

# One start of the program, actions in it, then what it left; it is ended afterwards. Arguments after the name
# are key=value. Before: ini (timer.ini's text; no file by default), reg (an autostart value to set). The start:
# line (the whole command line; the exe's quoted path by default) and app (an application name for it).
# Expected at the start: shown and check (window shown, autostart box ticked; 1 and 0 by default), the tray
# icon. Then do (actions, eval'd). Expected afterwards: file (the whole text; by default the bytes as before) or
# has (lines it holds), list1 and list2 (the lines), value (the autostart value; by
# default as before: start-up never writes it other than with the data it holds).
run_case() {
    local what=$1 ini='' reg='' line='' app='' shown=1 check=0 do='' file='=' has='' list1='' list2='' value='='
    local "${@:2}"
    log "-- $what"
    rm -f "$APP_DIR/timer.ini"
    [ -z "$ini" ] || write_ini "$ini"
    [ -z "$reg" ] || timeout 30 wine reg add "$RUN_KEY" /v "$AUTOSTART_NAME" /d "$reg" /f </dev/null >/dev/null 2>&1
    if [ "$file" == = ]; then file=$(ini_hex); else file=$(gbk "$file" | xxd -p | tr -d '\n'); fi
    [ "$value" != = ] || value=$(autostart_value)
    # Started by the probe with exactly this command line; its output goes to a file, as the program inherits the
    # probe's standard handles and would hold a pipe open.
    APP_PID=
    timeout 60 env "${CLOCK_ENV[@]}" wine 'C:\probe.exe' launch "${line:-\"$APP_WIN\"}" ${app:+"$app"} </dev/null \
        >>"$E2E_ROOT/launch.log" 2>/dev/null || fail "$what: the probe could not start [$line]"
    wait_main_window
    expect "$shown$check" "$what: window shown, box ticked" \
        eval 'style_bits "$MAIN_TITLE" 0 28; on_main send $CHECK1 $BM_GETCHECK'
    await "$what: the tray icon" tray_shown
    eval "$do"
    expect "$list1" "$what: List1" on_main list $LIST1
    expect "$list2" "$what: List2" on_main list $LIST2
    if [ -n "$has" ]; then await "$what: timer.ini holds [$has]" ini_has "$has"
    else expect "$file" "$what: timer.ini" ini_hex; fi
    expect "$value" "$what: the autostart value" autostart_value
    stop_app
}
