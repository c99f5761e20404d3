# shellcheck shell=bash
# Sourced: a Wine prefix of the project's own and an X display for it.
# Uses the caller's DISPLAY when there is one and starts Xvfb otherwise.

export WINEPREFIX="${VORN_WINEPREFIX:-$PWD/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

vorn_xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    for number in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
        vorn_xvfb_pid=$!
        export DISPLAY=":$number"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$number" ] && break
            sleep 0.1
        done
        break
    done
fi

# A server left from an earlier run may be tied to a display that is gone.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
fi
# Start the server and Wine's own services here, detached from any output:
# whoever starts them lends them its standard output, and CTest would wait
# for that pipe to close until the server ends.
wineserver -p </dev/null >/dev/null 2>&1
wineboot -i </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

vorn_wine_cleanup() {
    wineserver -k 2>/dev/null || true
    # The display goes with the Xvfb started for it, so a later user starts its own.
    if [ -n "$vorn_xvfb_pid" ]; then
        kill "$vorn_xvfb_pid" 2>/dev/null || true
        unset DISPLAY
        vorn_xvfb_pid=
    fi
}
