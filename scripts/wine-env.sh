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

# Debian's Wine starts its loader without the preloader that would reserve
# Windows' fixed addresses first. The loader's Unix heap begins past its image
# at 0x7d000000, at a random offset that recent kernels spread over 1 GiB
# (6.18 here), and a few starts in 10,000 find that heap on the page at
# 0x7ffe0000 that every Windows process maps ("failed to map the shared user
# data: c0000018"): the process ends before it runs, and the CreateProcessW
# that started it fails. Wine started through this prefix has no address
# randomization, so the heap begins right after the loader, far below that
# page; every process it starts inherits that.
vorn_no_aslr=(setarch "$(uname -m)" --addr-no-randomize)
if ! "${vorn_no_aslr[@]}" true 2>/dev/null; then
    echo "Address randomization cannot be turned off here: a few Wine starts in 10,000 will fail." >&2
    vorn_no_aslr=()
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
"${vorn_no_aslr[@]}" wineboot -i </dev/null >/dev/null 2>&1
"${vorn_no_aslr[@]}" wine cmd /c exit </dev/null >/dev/null 2>&1

vorn_wine_cleanup() {
    wineserver -k 2>/dev/null || true
    # The display goes with the Xvfb started for it, so a later user starts its own.
    if [ -n "$vorn_xvfb_pid" ]; then
        kill "$vorn_xvfb_pid" 2>/dev/null || true
        unset DISPLAY
        vorn_xvfb_pid=
    fi
}
