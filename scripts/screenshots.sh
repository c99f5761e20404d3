#!/usr/bin/env bash
# Pictures of what a user sees, taken of the real Vorn.exe under Wine on a
# private Xvfb, in the Japanese prefix that scripts/run.sh uses and in a
# virtual desktop, whose windows have title bars: the notification icon with
# its menu open, the test alert and the start-up error. They are saved as PNG
# in the folder given, by default build/screenshots; the README's pictures
# are regenerated with
#   bash scripts/screenshots.sh docs/images
# It fails when Vorn does not start or a picture does not show what it should.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"

bash scripts/install-deps.sh >/dev/null
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j "$(nproc)" --target Vorn >/dev/null
mkdir -p "$out"
out=$(cd "$out" && pwd)
exe="$PWD/build/mingw-x64/bin/Vorn.exe"

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export VORN_WINEPREFIX="$PWD/build/wineprefix-ja_JP.UTF-8"
unset DISPLAY  # a display of our own: nothing of the user's desktop in the pictures
source scripts/wine-env.sh
scratch=$(mktemp -d /tmp/vorn-screenshots.XXXXXX)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    vorn_wine_cleanup
    rm -rf "$scratch"
}
trap finish EXIT
fail() {
    echo "screenshots: $*" >&2
    exit 1
}

width=480 height=300
# Starts Vorn in the folder given, inside the virtual desktop.
start_vorn() {
    (cd "$1" && exec "${vorn_no_aslr[@]}" wine explorer "/desktop=Vorn,${width}x$height" "$exe") </dev/null >/dev/null 2>&1 &
    pids+=($!)
}
# Waits up to ten seconds for a visible window whose name matches.
wait_window() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
shoot() {
    xwd -root -silent | /usr/bin/convert xwd:- -crop "${width}x$height+0+0" +repage "$1"
}

mkdir "$scratch/running" "$scratch/empty"
cp examples/setting.vorn "$scratch/running/"
start_vorn "$scratch/running"
wait_window '^Vorn - Wine desktop$' || fail "no Wine desktop"
wait_window '^Vorn$' && fail "Vorn showed a box at start"
xdotool mousemove $((width / 2)) $((height / 2))
shoot "$scratch/before-menu.png"

# The icon is the last one in the taskbar's corner; the menu opens above it.
xdotool mousemove $((width - 11)) $((height - 11)) click 3
sleep 1.5
shoot "$out/tray-menu.png"
changed=$(compare -metric AE "$scratch/before-menu.png" "$out/tray-menu.png" null: 2>&1 || true)
[ "${changed%%.*}" -gt 500 ] || fail "a right click on the icon opened no menu (${changed} pixels changed)"
xdotool key Escape
xdotool mousemove $((width / 2)) $((height / 2))

xdotool key ctrl+alt+t
wait_window '^Vorn$' || fail "Ctrl+Alt+T showed no alert: Vorn did not start"
sleep 0.5
shoot "$out/alert.png"
xdotool key Return
xdotool key ctrl+alt+q
sleep 1

start_vorn "$scratch/empty"
wait_window '^Vorn$' || fail "no start-up error without a settings file"
sleep 0.5
shoot "$out/startup-error.png"
xdotool key Return
echo "pictures in $out: $(cd "$out" && ls ./*.png | tr '\n' ' ')"
