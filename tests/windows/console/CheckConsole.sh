#!/bin/bash
# turvane.com run as a shell runs it, under Wine: its output redirected (so
# UTF-8 bytes), its exit status, in English and in Japanese, on the sample
# year, on a damaged copy, from a folder whose name holds a character whose
# second byte in code page 932 is a backslash, from the user's season of
# today's year and with a year file that records no year.
#   CheckConsole.sh RUNNER PREFIX TURVANE_COM SAMPLE_DIR WORK_DIR
set -u
runner=$1
prefix=$2
program=$3
sample=$4
work=$5

rm -rf "$work"
# The user's season of 2031, in the application data of the prefix's user.
season="$prefix/drive_c/users/$(id -un)/AppData/Roaming/Turvane/2031"
mkdir -p "$work/表ソ能" "$work/damaged" "$work/no-year" "$season"
for folder in "$work/表ソ能" "$work/damaged" "$work/no-year" "$season"; do
    cp "$sample"/*.dat "$folder/"
done
printf 'twenty\n' >"$work/no-year/year.txt"
printf '2031\r\n' >"$season/year.txt"
# A date out of order on the first line of the meeting file.
printf '0106' | dd of="$work/damaged/Cal1.dat" bs=1 seek=0 conv=notrunc status=none
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
sjis=$(winpath "$work/表ソ能")
damaged=$(winpath "$work/damaged")
noyear=$(winpath "$work/no-year")

# Whether the file holds the text, or is empty when the text is.
holds() {
    if [ -z "$1" ]; then [ ! -s "$2" ]; else grep -qF -- "$1" "$2"; fi
}

failures=0
# language | arguments (tab-separated) | status | a text standard output holds |
# one standard error holds; an empty text for an empty stream
while IFS='|' read -r language arguments status out err; do
    [ -z "$language" ] && continue
    IFS=$'\t' read -r -a args <<<"$arguments"
    TURVANE_WINE_LANG=$language "$runner" "$prefix" "$program" "${args[@]}" \
        >"$work/out" 2>"$work/err" </dev/null
    got=$?
    problem=
    [ "$got" = "$status" ] || problem="exit status $got, expected $status"
    holds "$out" "$work/out" || problem="$problem; standard output is not '$out...'"
    holds "$err" "$work/err" || problem="$problem; standard error is not '$err...'"
    if [ -n "$problem" ]; then
        echo "FAIL: $language turvane.com ${args[*]}: ${problem#; }"
        sed 's/^/  out: /' "$work/out"
        sed 's/^/  err: /' "$work/err"
        failures=$((failures + 1))
    fi
done <<EOF2
ja_JP.UTF-8|--check|0||問題は見つかりませんでした
en_US.UTF-8|--check|0||330 lines: no problems found
en_US.UTF-8|--check	--data	$sjis|0||in '$sjis', 330 lines: no problems found
ja_JP.UTF-8|--check	--data=$damaged|1|Cal1.dat:1:1: エラー: |エラー
en_US.UTF-8|--check	--data	$damaged|1|$damaged\\Cal1.dat:1:1: error: |1 error
en_US.UTF-8|--check	--data	$damaged	--year	2004|1|error|error
en_US.UTF-8|--check	--date	2031-05-17|0||\\Turvane\\2031', 330 lines: no problems found
en_US.UTF-8|--check	--data	$noyear|1||$noyear\\year.txt holds 'twenty', not a year; write
ja_JP.UTF-8|--check	--data	$noyear|1||にあるのは年ではなく 'twenty' です
en_US.UTF-8|--check	--data	$noyear	--year	2003|0||no problems found
en_US.UTF-8|--version|0|turvane |
ja_JP.UTF-8|--help|0|使用法: turvane [オプション]|
en_US.UTF-8|--help|0|  --check |
en_US.UTF-8|--pdf	x.pdf|2||turvane: unknown option '--pdf' (see 'turvane --help')
ja_JP.UTF-8|--date	2003-02-30|2||turvane: --date: '2003-02-30' という日は暦にありません
EOF2
rm -rf "$work" "$season"
[ $failures -eq 0 ] || exit 1
echo "every case as expected"
