#!/bin/sh
# Runs the Windows build's programs under Wine, in a prefix of the build's
# own, Japanese and quiet, against a Wine server kept running for the whole
# test run so that each program starts in milliseconds rather than seconds.
#
#   wine-run.sh PREFIX start         make the prefix if needed, start a
#                                    virtual display and the kept server
#   wine-run.sh PREFIX stop          stop them again
#   wine-run.sh PREFIX PROGRAM ARGS  run a program (the test's emulator)
#
# Without a kept server (the build's test discovery) Wine starts one of its
# own that ends a few seconds after the program.
#
# The kept server and Wine's services outlive the command that starts them:
# their standard streams are detached, or ctest would wait for them to close
# and never finish.
set -eu

prefix=$1
shift
state=$prefix.state

export WINEPREFIX="$prefix"
# Quiet unless TURVANE_WINEDEBUG asks for channels, e.g.
# +timestamp,+debugstr to time a start by its OutputDebugString marks.
export WINEDEBUG=${TURVANE_WINEDEBUG:--all}
# No .NET or HTML engine (their installers would ask for downloads), and no
# menu entries on this system for the shortcuts an installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The language Wine takes the user's locale and interface language from;
# a test may ask for another with TURVANE_WINE_LANG.
unset LC_ALL LC_MESSAGES LC_CTYPE LANGUAGE
export LANG="${TURVANE_WINE_LANG:-ja_JP.UTF-8}"
if [ -f "$state/display" ]; then
    DISPLAY=$(cat "$state/display")
    export DISPLAY
fi

case "${1:-}" in
start)
    mkdir -p "$state"
    # A display of our own, so that windows never land on a desktop and the
    # tests need none: Xvfb tells the number it chose.
    if [ -f "$state/xvfb.pid" ] && ! kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
        rm -f "$state/xvfb.pid" "$state/display"
    fi
    if command -v Xvfb >/dev/null 2>&1 && [ ! -f "$state/xvfb.pid" ]; then
        rm -f "$state/display.number"
        setsid Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 \
            3>"$state/display.number" </dev/null >/dev/null 2>&1 &
        echo $! >"$state/xvfb.pid"
        tries=0
        while [ ! -s "$state/display.number" ]; do
            tries=$((tries + 1))
            if [ $tries -gt 100 ]; then
                echo "wine-run.sh: Xvfb did not start" >&2
                exit 1
            fi
            sleep 0.1
        done
        echo ":$(cat "$state/display.number")" >"$state/display"
        DISPLAY=$(cat "$state/display")
        export DISPLAY
    fi
    # An empty prefix directory is enough for the server; wineboot fills it.
    mkdir -p "$prefix"
    # Fails when a server runs already, one left by a run that was stopped
    # half-way: that one serves as well.
    setsid -w wineserver -p </dev/null >/dev/null 2>&1 || true
    # Makes the prefix the first time, and starts Wine's services on the
    # kept server; it returns once they are up.
    setsid -w wine wineboot -i </dev/null >/dev/null 2>&1
    ;;
stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    # Returns once the server, and so every Wine process, has ended.
    wineserver -w </dev/null >/dev/null 2>&1 || true
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    fi
    rm -rf "$state"
    ;;
*)
    exec wine "$@"
    ;;
esac
