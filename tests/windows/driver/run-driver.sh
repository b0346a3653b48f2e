#!/bin/sh
# Runs one group of the window tests through Wine:
#   run-driver.sh DRIVER_EXE GROUP TURVANE_EXE SAMPLE_DIR
# in $WINEPREFIX (default: wineprefix beside the program), Japanese, on
# $TURVANE_TEST_DISPLAY if given, else on a virtual display of its own.
set -eu
driver=$1 group=$2 exe=$3 sample=$4
: "${WINEPREFIX:=$(dirname "$exe")/wineprefix}"
export WINEPREFIX WINEDEBUG=-all LANG=ja_JP.UTF-8
run() { wine "$driver" "$group" "Z:$exe" "Z:$sample"; }
if [ -n "${TURVANE_TEST_DISPLAY:-}" ]; then
  DISPLAY=$TURVANE_TEST_DISPLAY run
else
  xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    'wine "$0" "$1" "Z:$2" "Z:$3"' "$driver" "$group" "$exe" "$sample"
fi
