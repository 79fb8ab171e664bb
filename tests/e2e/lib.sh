# Sourced by every end-to-end scenario: a fresh Wine session per scenario, the program copied into a fresh
# folder of drive C and started with a clock of its own, helpers that read its windows through the probe, click
# and type with xdotool, read timer.ini and the registry, and wait on conditions with one generous deadline
# (never a bare sleep, never a measured time). The runner sets E2E_BUILD (the win64 build) and E2E_WORK.

set -uo pipefail
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(cd "$E2E_DIR/../.." && pwd)
. "$REPO_DIR/tools/lib/wine-session.sh"

: "${E2E_BUILD:?E2E_BUILD must name the win64 build folder}"
: "${E2E_WORK:=$E2E_BUILD/e2e}"
E2E_EXE=${E2E_EXE:-$E2E_BUILD/src/app/win/timer.exe}
E2E_PROBE="$E2E_BUILD/tests/e2e/probe.exe"
# Long enough for a loaded 2-core machine; a hung program still fails.
E2E_PATIENCE=${E2E_PATIENCE:-60}
E2E_FAILURES=0
MAIN_TITLE="岚舟定时关机 1.6"
SHUTDOWN_DIALOG="定时关机 - 设置"
RESTART_DIALOG="定时重启 - 设置"
QUESTION="=是否退出?"
# Control ids: the main window's; in a dialog Text2..Text14 are 1002..1014, Check1..Check5 1101..1105, and
# "确定" and "取消" take the ids Enter and Esc send.
LABEL1=101 LABEL2=102 LIST1=103 FRAME1=104 COMMAND1=105 CHECK1=106 LIST2=107 FRAME2=108 COMMAND2=109
COMBO1=1201 DLG_OK=1 DLG_CANCEL=2
WM_SETTEXT=0x0C WM_CLOSE=0x10 BM_GETCHECK=0xF0 BM_CLICK=0xF5
CB_GETITEMHEIGHT=0x154 CB_GETDROPPEDSTATE=0x157 CB_FINDSTRINGEXACT=0x158 CB_GETTOPINDEX=0x15B
# The program's clock is frozen at a known moment: libfaketime in its process only, reading the time from a
# file at most once a second. The X server, Wine's server and the probe keep the real time.
TODAY=2031-05-07  # a Wednesday
NOW=08:00:10
FAKETIME_LIB=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n 1)

log() { printf '    %s\n' "$*" >&2; }
fail() {
    printf '    FAIL: %s\n' "$*" >&2
    E2E_FAILURES=$((E2E_FAILURES + 1))
}
expect_eq() {  # expected actual what
    if [ "$1" == "$2" ]; then log "ok: $3"; else fail "$3: expected [$1], got [$2]"; fi
}
expect_match() {  # regex actual what
    if [[ "$2" =~ $1 ]]; then log "ok: $3"; else fail "$3: [$2] does not match /$1/"; fi
}

# Retries a command every 0.1 s until it succeeds or the deadline passes.
wait_until() {  # command...
    local deadline=$(($(date +%s) + E2E_PATIENCE))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
await() {  # what command...
    local what=$1
    shift
    if wait_until "$@"; then log "ok: $what"; else fail "$what: [$*] never held"; fi
}

# A fresh prefix for the scenario, copied from one booted template (booting takes 8-14 s).
e2e_begin() {  # scenario name
    E2E_SCENARIO=$1
    E2E_ROOT="$E2E_WORK/$1"
    # A run stopped midway may have left a file or folder immutable.
    rm -rf "$E2E_ROOT" 2>/dev/null || { chattr -R -i "$E2E_ROOT"; rm -rf "$E2E_ROOT"; }
    mkdir -p "$E2E_ROOT"
    [ -n "$FAKETIME_LIB" ] || { fail "libfaketime is not installed"; exit 1; }
    if [ ! -f "$E2E_WORK/template/wineprefix/.timer-ready" ]; then
        (wine_session_start "$E2E_WORK/template"; wine_session_stop) >/dev/null 2>&1
    fi
    # Hard links make the copy instant; the files Wine rewrites get copies of their own.
    cp -al "$E2E_WORK/template/wineprefix" "$E2E_ROOT/wineprefix"
    local f
    find "$E2E_ROOT/wineprefix" -maxdepth 3 -type f \( -name '*.reg' -o -name '*.ini' -o -name '.update-timestamp' \) |
        while read -r f; do cp --remove-destination "$f" "$f.copy" && mv -f "$f.copy" "$f"; done
    wine_session_start "$E2E_ROOT"
    trap e2e_end EXIT
    trap 'exit 143' TERM INT
    # For the runner, to clean up after a scenario that overran its time.
    echo "${WINE_SESSION_XVFB:-}" >"$E2E_ROOT/xvfb.pid"
    cp "$E2E_PROBE" "$WINEPREFIX/drive_c/probe.exe"
    # The environment of a process with the program's clock (the real one for benchmarks); the programs it
    # starts inherit it.
    CLOCK_ENV=(LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$E2E_ROOT/clock" FAKETIME_CACHE_DURATION=1
        FAKETIME_DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1)
    [ -z "${E2E_REAL_CLOCK:-}" ] || CLOCK_ENV=(E2E_REAL_CLOCK=1)
    set_clock "$NOW"
    # The first look at the windows of a session also brings up Wine's desktop.
    probe count "$MAIN_TITLE" >/dev/null
}

e2e_end() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
    wine_session_stop
    if [ "$E2E_FAILURES" -gt 0 ]; then
        printf '    %s: %d failure(s)\n' "$E2E_SCENARIO" "$E2E_FAILURES" >&2
        exit 1
    fi
    exit 0
}

# Copies the exe to C:\<folder>\<name>.exe; sets APP_WIN (Windows path) and APP_DIR (its Unix folder).
install_app() {  # folder [name]
    local folder=$1 name=${2:-timer}
    APP_DIR="$WINEPREFIX/drive_c/$folder"
    mkdir -p "$APP_DIR"
    cp "$E2E_EXE" "$APP_DIR/$name.exe"
    APP_WIN="C:\\${folder//\//\\}\\$name.exe"
}

# The program's clock from now on (frozen): a time of TODAY, or a whole date and time.
set_clock() {  # hh:mm:ss | "yyyy-mm-dd hh:mm:ss"
    local when=$1
    [[ "$when" == *-* ]] || when="$TODAY $when"
    echo "$when" >"$E2E_ROOT/clock.new" && mv -f "$E2E_ROOT/clock.new" "$E2E_ROOT/clock"
}

# Starts the installed exe with the given argument words; APP_PID is the process. Wine's process trace in
# app.log shows the session end that ExitWindowsEx starts.
start_app() {
    ( cd "$APP_DIR" && exec env "${CLOCK_ENV[@]}" WINEDEBUG=-all,+process wine "$APP_WIN" "$@" </dev/null >"$E2E_ROOT/app.log" 2>&1 ) &
    APP_PID=$!
}
app_running() { kill -0 "$APP_PID" 2>/dev/null; }
app_ended() { ! app_running; }

# Ends the running program from outside (no exit question); the probe returns once the process has gone.
stop_app() {
    probe terminate "$MAIN_TITLE" || fail "the program could not be ended"
    [ -z "${APP_PID:-}" ] || wait_until app_ended || fail "the program's Wine process stayed"
    APP_PID=
}

# A due trigger: the program ends after asking the system for power-off or a reboot, told apart by the
# session end that Wine starts for it. That session end runs on for seconds and would end the next program
# too, so the scenario goes on with Wine's server started afresh on the same prefix.
await_request() {  # power-off | reboot, what
    local line request=
    await "$2: the program ends" app_ended
    line=$(grep -a 'cmdline.*wineboot\.exe --end-session' "$E2E_ROOT/app.log" | tail -n 1)
    case $line in
        *'--end-session --shutdown"'*) request=power-off ;;
        *'--end-session"'*) request=reboot ;;
    esac
    expect_eq "$1" "$request" "$2: what the program asked the system for"
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    wineserver -p </dev/null >/dev/null 2>&1
    timeout 60 wineboot </dev/null >/dev/null 2>&1
}

probe() {
    # A probe that Wine could not start in time on a loaded machine is tried once more.
    local output status
    for _ in 1 2; do
        output=$(timeout 60 wine 'C:\probe.exe' "$@" </dev/null 2>/dev/null | tr -d '\r'; exit "${PIPESTATUS[0]}")
        status=$?
        [ $status -eq 124 ] || break
    done
    [ -z "$output" ] || printf '%s\n' "$output"
    return $status
}

# Starts a program through the probe with exactly this command line, and this application name if given. The
# output goes to a file: the started program inherits the probe's standard handles and would hold a pipe open.
probe_launch() {  # command-line [application-name]
    timeout 60 env "${CLOCK_ENV[@]}" wine 'C:\probe.exe' launch "$@" </dev/null >>"$E2E_ROOT/launch.log" 2>/dev/null
}

window_exists() { probe pid "$1" >/dev/null; }
window_gone() { ! window_exists "$1"; }
# A bit of a window's style (a control's, given its id): 28 shown, 27 disabled.
style_bit() {  # bit title [id]
    local style
    style=$(probe style "${@:2}") && echo $((style >> $1 & 1))
}
visible() { style_bit 28 "$1"; }
# Shown, minimised and maximised (1/0 each).
window_state() {
    local s
    s=$(probe style "$1") && echo "$((s >> 28 & 1)) $((s >> 29 & 1)) $((s >> 24 & 1))"
}
window_visible() { [ "$(visible "$1")" == 1 ]; }
main_text() { probe text "$MAIN_TITLE" "$1"; }
main_list() { probe list "$MAIN_TITLE" "$1"; }
main_check() { probe send "$MAIN_TITLE" "$1" $BM_GETCHECK; }
main_check_is() { [ "$(main_check $CHECK1)" == "$1" ]; }

# Both clock labels filled: the first tick has run, and with it the whole start-up.
clock_shown() { [ -n "$(main_text $LABEL1)" ] && [ -n "$(main_text $LABEL2)" ]; }
wait_main_window() {
    wait_until window_exists "$MAIN_TITLE" && wait_until clock_shown || fail "the main window did not come up ticking"
}
label2_is() { [ "$(main_text $LABEL2)" == "$1" ]; }
# Sets the program's clock and waits for a tick to show it; each later tick starts after that one ended.
tick_at() {  # hh:mm:ss
    set_clock "$1"
    wait_until label2_is "$1" || { fail "no tick showed $1 (the clock shows [$(main_text $LABEL2)])"; return 1; }
}
# Two ticks at the given minute: a trigger due in it that did not end the program by then never will.
two_ticks_in() {  # hh:mm
    tick_at "$1:20"
    tick_at "$1:21"
}

# Left click in the middle of a control (or of the window with id 0), through the X server.
xclick() {  # title id
    local x y w h
    read -r x y w h < <(probe rect "$1" "$2") || return 1
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

# The tray's X window shows while it holds at least one icon.
tray_shown() { [ "$(visible 'Wine System Tray' 2>/dev/null)" == 1 ]; }
tray_empty() { ! tray_shown; }

# A picture of one window, cut from the whole screen once two in a row come out the same (fully painted).
picture() {  # title file
    local x y w h
    read -r x y w h < <(probe rect "$1" 0) || { fail "no window $1 for a picture"; return; }
    rm -f "$2"
    wait_until same_picture_twice "${w}x${h}+${x}+${y}" "$2" || fail "no steady picture of $1"
}
same_picture_twice() {  # geometry file
    import -window root -crop "$1" +repage -define png:exclude-chunks=date,time "png:$2.new" 2>/dev/null || return 1
    cmp -s "$2.new" "$2"
    local same=$?
    mv -f "$2.new" "$2"
    return $same
}

# timer.ini beside the program: its bytes in hex, its text, and writing one from UTF-8 text (as GBK, CR LF).
ini_hex() { xxd -p "$APP_DIR/timer.ini" 2>/dev/null | tr -d '\n'; }
ini_text() { iconv -f GBK -t UTF-8 -c <"$APP_DIR/timer.ini" | tr -d '\r'; }
gbk() { printf '%s\n' "$1" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK; }
write_ini() { gbk "$1" >"$APP_DIR/timer.ini"; }
expect_ini_line() {  # line what
    if ini_text | grep -q -x -F -- "$1"; then log "ok: $2"; else fail "$2: timer.ini has no line [$1]"; fi
}

# A summary line: the 20-character column, then the ending.
list_line() {  # column ending
    local column=${1:0:20}
    printf '%s%*s%s' "$column" $((20 - ${#column})) '' "$2"
}

RUN_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
AUTOSTART_NAME='澄屿定时关机'

# The data of the autostart value, read from outside the program; fails when the value is missing.
autostart_value() {
    local out
    out=$(timeout 30 wine reg query "$RUN_KEY" /v "$AUTOSTART_NAME" </dev/null 2>/dev/null | iconv -f GBK -t UTF-8 | tr -d '\r') || return 1
    printf '%s\n' "$out" | sed -n "s/^ *$AUTOSTART_NAME *REG_SZ *//p" | grep . || return 1
}
autostart_is() { [ "$(autostart_value)" == "$1" ]; }
autostart_absent() { ! autostart_value >/dev/null; }
set_autostart() {  # data
    timeout 30 wine reg add "$RUN_KEY" /v "$AUTOSTART_NAME" /t REG_SZ /d "$1" /f </dev/null >/dev/null 2>&1
}

# --- The settings dialogs, and the actions a dialog case is made of. DIALOG is the dialog last opened.
dialog_probe() { probe "$1" "=$DIALOG" "${@:2}"; }
field_is() { [ "$(dialog_probe text "$1")" == "$2" ]; }  # id text
field_enabled() { [ "$(style_bit 27 "=$DIALOG" "$1")" == 0 ]; }
checks_are() {  # the five check values
    local n values=()
    for n in 1 2 3 4 5; do values+=("$(dialog_probe send $((1100 + n)) $BM_GETCHECK)"); done
    [ "${values[*]}" == "$*" ]
}

open_dialog() {  # 1 (shutdown) or 2 (restart)
    local button=$COMMAND1
    DIALOG=$SHUTDOWN_DIALOG
    [ "$1" == 1 ] || { button=$COMMAND2; DIALOG=$RESTART_DIALOG; }
    # An open dialog may lie over the button: then the button is clicked by a message.
    if window_exists "=$SHUTDOWN_DIALOG" || window_exists "=$RESTART_DIALOG"; then
        probe post "$MAIN_TITLE" $button $BM_CLICK
    else
        xclick "$MAIN_TITLE" $button
    fi
    # Shown only once laid out and centred.
    wait_until window_visible "=$DIALOG" || fail "the dialog $DIALOG did not open"
}
click_box() { xclick "=$DIALOG" $((1100 + $1)); }  # check box number
click_field() { xclick "=$DIALOG" $((1000 + $1)); }  # text field number
# Clicks into a field once it is enabled, selects what it holds and types over it, as a user would; the field
# then shows `shown` (by default what was typed).
type_in() {  # field number, text, [shown]
    local id=$((1000 + $1))
    wait_until field_enabled $id || fail "Text$1 is not enabled"
    click_field "$1"
    xdotool key End shift+Home
    xdotool type --delay 50 "$2"
    wait_until field_is $id "${3:-$2}" || fail "Text$1 shows [$(dialog_probe text $id)], not [${3:-$2}]"
}
press() { xdotool key "$@"; }
shows() {  # field number or COMBO1, text
    local id=$1
    [ "$id" -gt 100 ] || id=$((1000 + id))
    wait_until field_is $id "$2" || fail "field $id of $DIALOG shows [$(dialog_probe text $id)], not [$2]"
}
checks() { wait_until checks_are "$@" || fail "the check boxes of $DIALOG are not [$*]"; }
one_dialog() { expect_eq 1 "$(probe count "=$DIALOG")" "one $DIALOG"; }
# Opens the weekday list with a click on its arrow and clicks the item, as a user would; the list drops below
# the box.
combo_dropped() { [ "$(dialog_probe send $COMBO1 $CB_GETDROPPEDSTATE)" == 1 ]; }
pick() {  # item text
    local x y w h index top item_height
    read -r x y w h < <(dialog_probe rect $COMBO1)
    index=$(dialog_probe send $COMBO1 $CB_FINDSTRINGEXACT -1 "$1")
    xdotool mousemove $((x + w - 6)) $((y + h / 2)) click 1
    wait_until combo_dropped || { fail "the weekday list did not drop down"; return; }
    item_height=$(dialog_probe send $COMBO1 $CB_GETITEMHEIGHT)
    top=$(dialog_probe send $COMBO1 $CB_GETTOPINDEX)
    xdotool mousemove $((x + w / 2)) $((y + h + (index - top) * item_height + item_height / 2)) click 1
    shows $COMBO1 "$1"
}
# WM_SETTEXT, as a tool would set the text; a sent message overtakes clicks still queued, so the box must
# be enabled first.
set_combo() {
    wait_until field_enabled $COMBO1 || fail "the weekday list is not enabled"
    dialog_probe send $COMBO1 $WM_SETTEXT 0 "$1" >/dev/null
}
close_by() {  # ok | enter | cancel | esc | box
    local x y w
    case $1 in
        ok) xclick "=$DIALOG" $DLG_OK ;;
        cancel) xclick "=$DIALOG" $DLG_CANCEL ;;
        enter) press Return ;;
        esc) press Escape ;;
        # The close box sits at the right end of the caption, which Wine draws itself here.
        box) read -r x y w _ < <(probe rect "=$DIALOG" 0) && xdotool mousemove $((x + w - 13)) $((y + 12)) click 1 ;;
    esac
    wait_until window_gone "=$DIALOG" || fail "$1 did not close $DIALOG"
}

# One dialog case: the program starts over timer.ini, the actions run, then the file and both lists are
# compared. Arguments after the name are key=value: ini (text; none: no file), do (the actions, ";"-separated,
# run in a started program), file (the whole file afterwards; "=": unchanged; none: not compared), has (a line
# the file then holds), list1, list2 (the lines afterwards; "=" by default: as before).
dialog_case() {
    local what=$1 ini='' do='' file='' has='' list1='=' list2='=' before lists_before
    local "${@:2}"
    log "-- $what"
    rm -f "$APP_DIR/timer.ini"
    [ -z "$ini" ] || write_ini "$ini"
    before=$(ini_hex)
    start_app
    wait_main_window
    lists_before=("$(main_list $LIST1)" "$(main_list $LIST2)")
    eval "$do"
    [ "$file" != "=" ] || expect_eq "$before" "$(ini_hex)" "$what: timer.ini unchanged"
    [ -z "$file" ] || [ "$file" == "=" ] || expect_eq "$(gbk "$file" | xxd -p | tr -d '\n')" "$(ini_hex)" "$what: timer.ini"
    [ -z "$has" ] || expect_ini_line "$has" "$what: timer.ini holds [$has]"
    [ "$list1" != "=" ] || list1=${lists_before[0]}
    [ "$list2" != "=" ] || list2=${lists_before[1]}
    expect_eq "$list1" "$(main_list $LIST1)" "$what: List1"
    expect_eq "$list2" "$(main_list $LIST2)" "$what: List2"
    stop_app
}

# One start of the program, ended again afterwards. Arguments after the name are key=value: args (argument
# words) or line (a whole command line, started by the probe) and app (the application name for it too); ini
# (text; none: no file); reg (the autostart value to set first); expected: shown (1/0), check (the autostart
# box, 1/0), list1, list2 (the lines). Start-up never writes timer.ini, nor the autostart value other than
# with the data it holds.
start_case() {
    local what=$1 args='' line='' app='' ini='' reg='' shown=1 check=0 list1='' list2='' before reg_before
    local "${@:2}"
    log "-- $what"
    rm -f "$APP_DIR/timer.ini"
    [ -z "$ini" ] || write_ini "$ini"
    [ -z "$reg" ] || set_autostart "$reg"
    before=$(ini_hex)
    reg_before=$(autostart_value)
    if [ -n "$line" ]; then
        probe_launch "$line" ${app:+"$app"} || fail "$what: the probe could not start [$line]"
        APP_PID=
    else
        start_app $args
    fi
    wait_main_window
    expect_eq "$shown $check" "$(visible "$MAIN_TITLE") $(main_check $CHECK1)" "$what: window shown, box ticked"
    [ "$shown" == 1 ] || await "$what: the tray icon" tray_shown
    expect_eq "$list1" "$(main_list $LIST1)" "$what: List1"
    expect_eq "$list2" "$(main_list $LIST2)" "$what: List2"
    expect_eq "$before" "$(ini_hex)" "$what: timer.ini untouched"
    expect_eq "$reg_before" "$(autostart_value)" "$what: the autostart value kept"
    stop_app
}
