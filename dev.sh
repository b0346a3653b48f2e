#!/usr/bin/env bash
# Builds Turvane on Debian 12 and runs it or its tests.
#   ./dev.sh run    install what is missing, build, start on the sample year
#   ./dev.sh test   install what is missing, build, run every test, build
#                   for Windows and run its tests under Wine, then build
#                   again with sanitizers and run every test again
#   ./dev.sh windows  build for Windows (build-windows/: turvane.exe, the zip
#                   and the installer) and run its tests under Wine
#   ./dev.sh fuzz   build the fuzz targets with clang and run each a while
#   ./dev.sh bench  build the benchmarks and print their figures
# Run as root or as a user allowed to use sudo (only to install packages).
set -euo pipefail

cd "$(dirname "$0")"
BUILD_DIR=${BUILD_DIR:-build}

PACKAGES=(
  g++ make cmake pkg-config
  qt6-base-dev qt6-base-dev-tools
  # the calendar export
  libical-dev
  # spreadsheets: CSV in and out
  libcsv-dev
  libgtest-dev libgmock-dev
  # the window tests switch accessibility on through Qt's platform layer
  qt6-base-private-dev
  fonts-ipafont-gothic
  # where windows open, tested under a window manager on a virtual display
  xvfb openbox
  appstream desktop-file-utils
  # the Debian package, its manual page and lintian's check of it
  dpkg-dev file help2man man-db lintian
  # the command line's Japanese: Qt's translation tools, Qt's own Japanese
  # texts, and a Japanese locale for the manual page and the tests
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales-all
  # the printed document's text and fonts, read back by the tests
  poppler-utils
  # the C++ formatting every test run checks, and git to list the files
  clang-format-14 git
  # the Windows program: cross-built, its tests (googletest from source) run
  # under Wine on a virtual display (Xvfb, above), its installer, its Japanese texts
  g++-mingw-w64-x86-64-posix googletest wine wine64 xauth nsis python3
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...]
build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}

run_tests() {
  # The window tests need no display: Qt draws them offscreen.
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
}

# The Windows program, cross-built with mingw-w64, and its tests under Wine
# (a prefix and a virtual display of the build's own, started and stopped by
# the tests themselves).
build_windows() {
  local dir=$BUILD_DIR-windows
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release
  cmake --build "$dir" --parallel "$(nproc)"
  ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
}

# The Windows start-up under Wine, from process creation to the main
# window's first paint, against a floor that builds the same window of
# standard controls showing the same texts, compiled in, and reads nothing;
# and the size of what ships.
bench_windows() {
  local dir=$PWD/$BUILD_DIR-windows
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DTURVANE_BENCH=ON \
    -DTURVANE_FLOOR_TEXTS="$PWD/$BUILD_DIR-bench/bench/FloorTexts.cpp"
  cmake --build "$dir" --parallel "$(nproc)"
  local wine=(tests/windows/wine-run.sh "$dir/wineprefix")
  "${wine[@]}" start
  trap '"${wine[@]}" stop' EXIT
  echo "== Windows start-up under Wine, to the first paint (medians of $1, alternating)"
  "${wine[@]}" "$dir/bench/startup_probe.exe" "$1" "Z:${dir//\//\\}\\turvane.exe" \
    "Z:${dir//\//\\}\\bench\\turvane_startup_floor.exe" --date 2003-05-17
  for program in turvane.exe turvane.com; do
    printf '  %-12s %6d KiB (goal <= 2048 KiB)\n' "$program" $(($(stat -c %s "$dir/$program") / 1024))
  done
}

# Sanitizer reports fail the run; the suppressions name leaks inside the
# system's font and graphics libraries, which are not ours to fix.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}

case "${1:-}" in
  run)
    install_missing
    build "$BUILD_DIR"
    exec "$BUILD_DIR/src/turvane"
    ;;
  test)
    install_missing
    build "$BUILD_DIR"
    run_tests "$BUILD_DIR"
    build_windows
    # Every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
    build "$BUILD_DIR-asan" -DTURVANE_SANITIZE=ON
    run_tests "$BUILD_DIR-asan"
    ;;
  windows)
    install_missing
    build_windows
    ;;
  fuzz)
    # ./dev.sh fuzz [seconds per target, default 600]
    PACKAGES+=(clang-14 libclang-rt-14-dev)
    install_missing
    CC=clang-14 CXX=clang++-14 build "$BUILD_DIR-fuzz" -DTURVANE_FUZZ=ON
    for target in data windows; do
      mkdir -p "$BUILD_DIR-fuzz/found/$target"
      QT_QPA_PLATFORM=offscreen "$BUILD_DIR-fuzz/fuzz/fuzz_$target" \
        -max_total_time="${2:-600}" -max_len=65536 -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$BUILD_DIR-fuzz/found/$target/" \
        "$BUILD_DIR-fuzz/found/$target" "fuzz/corpus/$target"
    done
    ;;
  bench)
    # ./dev.sh bench [runs per start-up figure, default 21]
    PACKAGES+=(libbenchmark-dev xvfb xauth python3)
    install_missing
    build "$BUILD_DIR-bench" -DCMAKE_BUILD_TYPE=Release -DTURVANE_BENCH=ON -DBUILD_TESTING=OFF
    python3 bench/run.py "$BUILD_DIR-bench" --runs "${2:-21}"
    bench_windows "${2:-21}"
    ;;
  *)
    echo "usage: $0 run|test|windows|fuzz|bench" >&2
    exit 2
    ;;
esac
