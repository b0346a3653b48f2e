#!/bin/sh
# Runs a test program on its own Xvfb display with openbox managing its
# windows, as a desktop would; exits with 77 (skipped) without them.
set -u
if ! command -v Xvfb >/dev/null 2>&1 || ! command -v openbox >/dev/null 2>&1; then
    echo "Xvfb or openbox is not installed: skipped"
    exit 77
fi
dir=$(mktemp -d)
xvfb=
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
while [ ! -s "$dir/display" ]; do
    kill -0 "$xvfb" 2>/dev/null || { cat "$dir/xvfb.log"; exit 1; }
    sleep 0.05
done
DISPLAY=:$(cat "$dir/display")
export DISPLAY
# openbox runs its startup command once it manages the screen.
openbox --sm-disable --startup "touch $dir/managing" >"$dir/openbox.log" 2>&1 &
wm=$!
while [ ! -e "$dir/managing" ]; do
    kill -0 "$wm" 2>/dev/null || { cat "$dir/openbox.log"; exit 1; }
    sleep 0.05
done
QT_QPA_PLATFORM=xcb TURVANE_WINDOW_MANAGER=openbox "$@"
