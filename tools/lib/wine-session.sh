# Sourced by the scripts that run Windows programs: a throwaway Wine prefix with a code-page-936 locale,
# inside its own Xvfb display. Call wine_session_start, then wine_session_stop (also set as an EXIT trap).

wine_session_start() {
    local root="$1"           # a folder of the build tree the session may fill
    export WINEPREFIX="$root/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=zh_CN.UTF-8
    unset LC_ALL
    mkdir -p "$WINEPREFIX"
    if [ -z "${WINE_SESSION_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
        local n
        for n in $(seq 90 130); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
        done
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -dpi "${WINE_SESSION_DPI:-96}" >/dev/null 2>&1 &
        WINE_SESSION_XVFB=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.05
        done
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    if [ ! -f "$WINEPREFIX/.timer-ready" ]; then
        timeout 120 wineboot -i </dev/null >/dev/null 2>&1
        timeout 30 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
        timeout 30 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
        touch "$WINEPREFIX/.timer-ready"
    else
        # Wine's background services inherit the stdio of the call that starts them: start them here,
        # detached, so no later piped call (ctest, $(...)) waits on them forever.
        timeout 60 wineboot </dev/null >/dev/null 2>&1
    fi
    trap wine_session_stop EXIT
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${WINE_SESSION_XVFB:-}" ]; then
        kill "$WINE_SESSION_XVFB" >/dev/null 2>&1 || true
        wait "$WINE_SESSION_XVFB" 2>/dev/null || true
        WINE_SESSION_XVFB=
    fi
}
