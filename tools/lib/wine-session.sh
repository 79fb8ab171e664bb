# Sourced by the scripts that run Windows programs: a throwaway Wine prefix with a code-page-936 locale,
# inside its own Xvfb display. Call wine_session_start, then wine_session_stop (also set as an EXIT trap).

wine_session_start() {
    local root="$1"           # a folder of the build tree the session may fill
    export WINEPREFIX="$root/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=zh_CN.UTF-8
    unset LC_ALL
    mkdir -p "$WINEPREFIX"
    if [ -z "${WINE_SESSION_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
        # Xvfb picks a free display itself and writes its number once it takes connections, so two sessions
        # started at once never share a display.
        local display_file="$root/xvfb.display" i
        rm -f "$display_file"
        Xvfb -displayfd 3 -screen 0 "${WINE_SESSION_SCREEN:-1280x800x24}" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
        WINE_SESSION_XVFB=$!
        for i in $(seq 1 600); do
            [ -s "$display_file" ] && break
            sleep 0.1
        done
        export DISPLAY=":$(head -n 1 "$display_file")"
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    if [ ! -f "$WINEPREFIX/.timer-ready" ]; then
        timeout 120 wineboot -i </dev/null >/dev/null 2>&1
        # Wine 8 looks for its own fonts under a data path with ".." in it, which its file calls refuse: the
        # title-bar glyphs then come out as "0 1 r". Marlett from fonts-wine in the prefix's Fonts folder works.
        ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
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
