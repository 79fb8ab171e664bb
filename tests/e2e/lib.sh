# Sourced by every end-to-end scenario: a fresh Wine session per scenario, the program copied into a
# fresh folder of drive C, and helpers that read the program's windows through the probe, click with
# xdotool, read timer.ini and the registry, and wait on conditions with deadlines (never bare sleeps).
# The runner sets E2E_BUILD (the win64 build) and E2E_WORK (a scratch folder for all scenarios).

set -uo pipefail
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(cd "$E2E_DIR/../.." && pwd)
. "$REPO_DIR/tools/lib/wine-session.sh"

: "${E2E_BUILD:?E2E_BUILD must name the win64 build folder}"
: "${E2E_WORK:=$E2E_BUILD/e2e}"
E2E_EXE=${E2E_EXE:-$E2E_BUILD/src/app/win/timer.exe}
E2E_PROBE="$E2E_BUILD/tests/e2e/probe.exe"
MAIN_TITLE="岚舟定时关机 1.6"
E2E_FAILURES=0

# Control ids of the main window.
LABEL1=101 LABEL2=102 LIST1=103 FRAME1=104 COMMAND1=105 CHECK1=106 LIST2=107 FRAME2=108 COMMAND2=109

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

# Retries a command every 0.1 s until it succeeds or the deadline (seconds) passes.
wait_until() {  # seconds command...
    local deadline=$(($(date +%s%N) + ${1%.*} * 1000000000))
    shift
    until "$@"; do
        [ "$(date +%s%N)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# A fresh prefix for the scenario, copied from one booted template (booting takes 8-14 s).
e2e_begin() {  # scenario name
    E2E_SCENARIO=$1
    E2E_ROOT="$E2E_WORK/$1"
    rm -rf "$E2E_ROOT"
    mkdir -p "$E2E_ROOT"
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
    # The first window of a session also brings up Wine's desktop; let that happen before timing.
    probe windows >/dev/null
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

# Starts the installed exe with the given argument words; APP_PID is the process.
start_app() {
    ( cd "$APP_DIR" && exec wine "$APP_WIN" "$@" </dev/null >>"$E2E_ROOT/app.log" 2>&1 ) &
    APP_PID=$!
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }
app_ended() { ! app_running; }

wait_app_end() {  # seconds
    wait_until "$1" app_ended
}

probe() {
    # A probe that Wine could not start in time on a loaded machine is tried once more.
    local output status attempt
    for attempt in 1 2; do
        output=$(timeout 60 wine 'C:\probe.exe' "$@" </dev/null 2>/dev/null | tr -d '\r'; exit "${PIPESTATUS[0]}")
        status=$?
        [ $status -eq 124 ] || break
    done
    [ -z "$output" ] || printf '%s\n' "$output"
    return $status
}

window_exists() { probe exists "$1" >/dev/null; }
window_gone() { ! window_exists "$1"; }
window_visible() { [ "$(probe visible "$1")" == 1 ]; }
window_hidden() { [ "$(probe visible "$1")" == 0 ]; }

# Seen from the X server, which answers in milliseconds where a probe call takes a few hundred.
x_window_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

wait_window() {  # title seconds
    wait_until "$2" window_exists "$1"
}

# Starts a program through the probe with exactly this command line. The output goes to a file: the
# started program inherits the probe's standard handles and would hold a pipe open.
probe_launch() {
    timeout 15 wine 'C:\probe.exe' launch "$1" </dev/null >>"$E2E_ROOT/launch.log" 2>/dev/null
}

main_text() { probe text "$MAIN_TITLE" "$1"; }
main_list() { probe list "$MAIN_TITLE" "$1"; }
main_check() { probe check "$MAIN_TITLE" "$1"; }

# Both clock labels filled in their formats.
clock_shown() {
    [[ "$(main_text $LABEL1)" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] && [[ "$(main_text $LABEL2)" =~ ^[0-9]{2}:[0-9]{2}:[0-9]{2}$ ]]
}

# Left click in the middle of a control (or of the window with id 0), through the X server.
xclick() {  # title id
    local x y w h
    read -r x y w h < <(probe rect "$1" "$2") || return 1
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

# timer.ini beside the program, as raw bytes; and writing one from UTF-8 text, stored in GBK.
ini_bytes() { cat "$APP_DIR/timer.ini" 2>/dev/null; }
write_ini() {  # UTF-8 text on stdin
    iconv -f UTF-8 -t GBK | sed 's/$/\r/' >"$APP_DIR/timer.ini"
}

RUN_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
AUTOSTART_NAME='澄屿定时关机'

# The data of the autostart value, read from outside the program; fails when the value is missing.
autostart_value() {
    local out
    out=$(timeout 30 wine reg query "$RUN_KEY" /v "$AUTOSTART_NAME" </dev/null 2>/dev/null | iconv -f GBK -t UTF-8 | tr -d '\r') || return 1
    printf '%s\n' "$out" | sed -n "s/^ *$AUTOSTART_NAME *REG_SZ *//p" | grep . || return 1
}
autostart_absent() { ! autostart_value >/dev/null; }

set_autostart() {  # data
    timeout 30 wine reg add "$RUN_KEY" /v "$AUTOSTART_NAME" /t REG_SZ /d "$1" /f </dev/null >/dev/null 2>&1
}

# The tray's X window shows while it holds at least one icon.
tray_shown() { [ "$(probe visible 'Wine System Tray' 2>/dev/null)" == 1 ]; }
tray_empty() { ! tray_shown; }

# Waits until the clock's second is below 50, so a scenario's steps stay inside one minute.
wait_early_in_minute() {
    while [ "$(date +%-S)" -ge 50 ]; do sleep 0.5; done
}

# A picture of one window, cut from the whole screen.
screenshot() {  # title file
    local x y w h
    read -r x y w h < <(probe rect "$1" 0) || return 1
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
}

# Waits (at most two minutes) until the clock is neither in the given minute nor in the one before it,
# so that a trigger a scenario saves for that fixed minute cannot fall due while the scenario runs.
outside_minute() {  # HH:MM
    local now
    now=$(date +%H:%M)
    [ "$now" != "$1" ] && [ "$now" != "$(date -d "$1 1 minute ago" +%H:%M)" ]
}
avoid_minute() {  # HH:MM
    wait_until 130 outside_minute "$1"
}
